#include <gtest/gtest.h>

#include <cstring>

#include "common/cp1252.hpp"
#include "dates/date_text.hpp"
#include "dates/given_names.hpp"

namespace vl {
namespace {

DateValue D(int day, int month, int year) {
  return DateValue{0, static_cast<int16_t>(day), static_cast<int16_t>(month), static_cast<int16_t>(year)};
}

struct TextCase {
  DateValue date;
  bool monthNames, republican;
  const char* tree;
  const char* list;
};

TEST(DateTexts, TreeAndList) {
  const TextCase rows[] = {
      // Digits: unknown parts are "?" in trees and left out of lists.
      {D(5, 3, 1850), false, false, "05.03.1850", "05.03.1850"},
      {D(-1, 3, 1850), false, false, "?.03.1850", "03.1850"},
      {D(0, 5, 1850), false, false, "?.05.1850", "05.1850"},
      {D(5, -1, 1850), false, false, "05.?.1850", "05.1850"},
      {D(5, 0, 1850), false, false, "05.?.1850", "05.1850"},
      {D(5, 3, -1), false, false, "05.03.?", "05.03."},
      {D(-1, 3, -1), false, false, "?.03.?", "03."},
      {D(-1, -1, 1850), false, false, "1850", " im Jahre 1850"},
      {D(0, 0, 1850), false, false, "1850", " im Jahre 1850"},
      {D(-1, -1, -1), false, false, "", ""},
      {D(0, 0, 0), false, false, "", ""},
      // Month names.
      {D(5, 3, 1850), true, false, "05. März 1850", "05. März 1850"},
      {D(-1, 3, 1850), true, false, "März 1850", " im März 1850"},
      {D(0, 12, 1850), true, false, "Dezember 1850", " im Dezember 1850"},
      {D(-1, 3, -1), true, false, "? März ?", "März "},
      {D(5, -1, 1850), true, false, "05. ? 1850", "05. 1850"},
      {D(5, 1, -1), true, false, "05. Januar ?", "05. Januar "},
      {D(-1, -1, 1850), true, false, "1850", " im Jahre 1850"},
      {D(-1, -1, -1), true, false, "", ""},
      {D(0, 0, 0), true, false, "", ""},
      // Republican, with or without month names.
      {D(4, 11, 1793), false, true, "14. Brumaire Jahr II", "14. Brumaire Jahr II"},
      {D(4, 11, 1793), true, true, "14. Brumaire Jahr II", "14. Brumaire Jahr II"},
      {D(22, 9, 1792), false, true, "01. Vendémiaire Jahr I", "01. Vendémiaire Jahr I"},
      {D(23, 9, 1807), true, true, "06. zusätzl. Tag Jahr XV", "06. zusätzl. Tag Jahr XV"},
      {D(29, 2, 1796), true, true, "10. Ventôse Jahr IV", "10. Ventôse Jahr IV"},
      {D(17, 9, 1807), true, true, "30. Fructidor Jahr XV", "30. Fructidor Jahr XV"},
      // Outside the period or incomplete: the Gregorian form of the month-name flag.
      {D(21, 9, 1792), false, true, "21.09.1792", "21.09.1792"},
      {D(24, 9, 1807), true, true, "24. September 1807", "24. September 1807"},
      {D(5, 3, 1850), true, true, "05. März 1850", "05. März 1850"},
      {D(-1, 11, 1793), true, true, "November 1793", " im November 1793"},
      {D(0, 11, 1793), false, true, "?.11.1793", "11.1793"},
      {D(-1, -1, 1795), false, true, "1795", " im Jahre 1795"},
      {D(-1, 3, 1795), true, true, "März 1795", " im März 1795"},
  };
  for (const TextCase& row : rows) {
    SCOPED_TRACE(testing::Message() << row.date.day << "." << row.date.month << "." << row.date.year << " names "
                                    << row.monthNames << " republican " << row.republican);
    EXPECT_EQ(Cp1252ToUtf8(TreeDateText(row.date, row.monthNames, row.republican)), row.tree);
    EXPECT_EQ(Cp1252ToUtf8(ListDateText(row.date, row.monthNames, row.republican)), row.list);
  }
  EXPECT_EQ(TreeDateText(D(5, 3, 1850), true, false), "05. M\xE4rz 1850");  // Windows-1252
  EXPECT_EQ(ListDateText(D(22, 9, 1792), false, true), "01. Vend\xE9miaire Jahr I");
}

TEST(GivenNames, JoinAndBracket) {
  struct Row {
    const char* surname;
    GivenNames names;
    const char* joined;
    const char* bracketed;
  };
  const Row rows[] = {
      {"M\xFCller", {"Hans", "", "Peter", "", ""}, "M\xFCller Hans Peter", "M\xFCller (Hans Peter)"},
      {"Berg", {"", "", "", "", "Anna"}, "Berg Anna", "Berg (Anna)"},
      {"Berg", {}, "Berg", "Berg"},
      {"", {"A", "B", "C", "D", "E"}, " A B C D E", " (A B C D E)"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(JoinGivenNames(row.surname, row.names), row.joined);
    EXPECT_EQ(NameWithGivenNames(row.surname, row.names), row.bracketed);
  }
}

TEST(GivenNames, FromRecordFields) {
  uint8_t fields[100];
  std::memset(fields, 0, sizeof fields);
  std::memcpy(fields, "Johann", 6);
  std::memcpy(fields + 40, "Georg", 5);
  std::memset(fields + 80, 'x', 20);  // a field without terminator ends with the field
  const GivenNames names = GivenNamesFromFields(fields);
  EXPECT_EQ(names, (GivenNames{"Johann", "", "Georg", "", std::string(20, 'x')}));
  EXPECT_EQ(JoinGivenNames("Fuchs", names), "Fuchs Johann Georg " + std::string(20, 'x'));
}

}  // namespace
}  // namespace vl
