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

std::string Tree(DateValue date, bool names, bool republican) { return Cp1252ToUtf8(TreeDateText(date, names, republican)); }
std::string List(DateValue date, bool names, bool republican) { return Cp1252ToUtf8(ListDateText(date, names, republican)); }

TEST(TreeDateText, Digits) {
  EXPECT_EQ(Tree(D(5, 3, 1850), false, false), "05.03.1850");
  EXPECT_EQ(Tree(D(-1, 3, 1850), false, false), "?.03.1850");
  EXPECT_EQ(Tree(D(0, 5, 1850), false, false), "?.05.1850");
  EXPECT_EQ(Tree(D(5, -1, 1850), false, false), "05.?.1850");
  EXPECT_EQ(Tree(D(5, 0, 1850), false, false), "05.?.1850");
  EXPECT_EQ(Tree(D(5, 3, -1), false, false), "05.03.?");
  EXPECT_EQ(Tree(D(-1, 3, -1), false, false), "?.03.?");
  EXPECT_EQ(Tree(D(-1, -1, 1850), false, false), "1850");
  EXPECT_EQ(Tree(D(0, 0, 1850), false, false), "1850");
  EXPECT_EQ(Tree(D(-1, -1, -1), false, false), "");
  EXPECT_EQ(Tree(D(0, 0, 0), false, false), "");
}

TEST(TreeDateText, MonthNames) {
  EXPECT_EQ(Tree(D(5, 3, 1850), true, false), "05. März 1850");
  EXPECT_EQ(Tree(D(-1, 3, 1850), true, false), "März 1850");
  EXPECT_EQ(Tree(D(0, 12, 1850), true, false), "Dezember 1850");
  EXPECT_EQ(Tree(D(-1, 3, -1), true, false), "? März ?");
  EXPECT_EQ(Tree(D(5, -1, 1850), true, false), "05. ? 1850");
  EXPECT_EQ(Tree(D(5, 1, -1), true, false), "05. Januar ?");
  EXPECT_EQ(Tree(D(-1, -1, 1850), true, false), "1850");
  EXPECT_EQ(Tree(D(-1, -1, -1), true, false), "");
}

TEST(TreeDateText, RepublicanWithAndWithoutMonthNames) {
  EXPECT_EQ(Tree(D(4, 11, 1793), false, true), "14. Brumaire Jahr II");
  EXPECT_EQ(Tree(D(4, 11, 1793), true, true), "14. Brumaire Jahr II");
  EXPECT_EQ(Tree(D(22, 9, 1792), false, true), "01. Vendémiaire Jahr I");
  EXPECT_EQ(Tree(D(23, 9, 1807), true, true), "06. zusätzl. Tag Jahr XV");
  EXPECT_EQ(Tree(D(29, 2, 1796), true, true), "10. Ventôse Jahr IV");
  // Outside the period or incomplete: the Gregorian form of the other flag.
  EXPECT_EQ(Tree(D(21, 9, 1792), false, true), "21.09.1792");
  EXPECT_EQ(Tree(D(24, 9, 1807), true, true), "24. September 1807");
  EXPECT_EQ(Tree(D(-1, 11, 1793), true, true), "November 1793");
  EXPECT_EQ(Tree(D(0, 11, 1793), false, true), "?.11.1793");
  EXPECT_EQ(Tree(D(-1, -1, 1795), false, true), "1795");
}

TEST(ListDateText, Digits) {
  EXPECT_EQ(List(D(5, 3, 1850), false, false), "05.03.1850");
  EXPECT_EQ(List(D(-1, 3, 1850), false, false), "03.1850");
  EXPECT_EQ(List(D(5, 3, -1), false, false), "05.03.");
  EXPECT_EQ(List(D(-1, -1, 1850), false, false), " im Jahre 1850");
  EXPECT_EQ(List(D(0, 0, 1850), false, false), " im Jahre 1850");
  EXPECT_EQ(List(D(-1, -1, -1), false, false), "");
}

TEST(ListDateText, MonthNames) {
  EXPECT_EQ(List(D(5, 3, 1850), true, false), "05. März 1850");
  EXPECT_EQ(List(D(-1, 3, 1850), true, false), " im März 1850");
  EXPECT_EQ(List(D(0, 3, 1850), true, false), " im März 1850");
  EXPECT_EQ(List(D(5, -1, 1850), true, false), "05. 1850");
  EXPECT_EQ(List(D(-1, 3, -1), true, false), "März ");
  EXPECT_EQ(List(D(-1, -1, 1850), true, false), " im Jahre 1850");
  EXPECT_EQ(List(D(0, 0, 0), true, false), "");
}

TEST(ListDateText, Republican) {
  EXPECT_EQ(List(D(4, 11, 1793), false, true), "14. Brumaire Jahr II");
  EXPECT_EQ(List(D(4, 11, 1793), true, true), "14. Brumaire Jahr II");
  EXPECT_EQ(List(D(17, 9, 1807), true, true), "30. Fructidor Jahr XV");
  EXPECT_EQ(List(D(-1, -1, 1795), false, true), " im Jahre 1795");
  EXPECT_EQ(List(D(-1, 3, 1795), true, true), " im März 1795");
  EXPECT_EQ(List(D(5, 3, 1850), true, true), "05. März 1850");
}

TEST(DateTexts, AreWindows1252) {
  EXPECT_EQ(TreeDateText(D(5, 3, 1850), true, false), "05. M\xE4rz 1850");
  EXPECT_EQ(ListDateText(D(22, 9, 1792), false, true), "01. Vend\xE9miaire Jahr I");
}

TEST(GivenNames, JoinAndBracket) {
  const GivenNames names{"Hans", "", "Peter", "", ""};
  EXPECT_EQ(JoinGivenNames("M\xFCller", names), "M\xFCller Hans Peter");
  EXPECT_EQ(NameWithGivenNames("M\xFCller", names), "M\xFCller (Hans Peter)");
  const GivenNames one{"", "", "", "", "Anna"};
  EXPECT_EQ(JoinGivenNames("Berg", one), "Berg Anna");
  EXPECT_EQ(NameWithGivenNames("Berg", one), "Berg (Anna)");
  const GivenNames none{};
  EXPECT_EQ(JoinGivenNames("Berg", none), "Berg");
  EXPECT_EQ(NameWithGivenNames("Berg", none), "Berg");
  const GivenNames all{"A", "B", "C", "D", "E"};
  EXPECT_EQ(JoinGivenNames("", all), " A B C D E");
  EXPECT_EQ(NameWithGivenNames("X", all), "X (A B C D E)");
}

TEST(GivenNames, FromRecordFields) {
  uint8_t fields[100];
  std::memset(fields, 0, sizeof fields);
  std::memcpy(fields, "Johann", 6);
  std::memcpy(fields + 40, "Georg", 5);
  std::memset(fields + 80, 'x', 20);  // a field without terminator ends with the field
  const GivenNames names = GivenNamesFromFields(fields);
  EXPECT_EQ(names[0], "Johann");
  EXPECT_EQ(names[1], "");
  EXPECT_EQ(names[2], "Georg");
  EXPECT_EQ(names[3], "");
  EXPECT_EQ(names[4].size(), 20u);
  EXPECT_EQ(JoinGivenNames("Fuchs", names), "Fuchs Johann Georg " + std::string(20, 'x'));
}

}  // namespace
}  // namespace vl
