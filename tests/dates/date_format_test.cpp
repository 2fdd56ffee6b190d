#include <gtest/gtest.h>

#include "dates/date_format.hpp"
#include "dates/date_parse.hpp"

namespace vl {
namespace {

DateValue D(int day, int month, int year, int calendar = 0) {
  return DateValue{static_cast<int16_t>(calendar), static_cast<int16_t>(day), static_cast<int16_t>(month),
                   static_cast<int16_t>(year)};
}

struct DateText {
  DateValue date;
  const char* text;
};

TEST(FormatDate, Texts) {
  const DateText rows[] = {
      {D(5, 3, 1850), "05.03.1850"},  {D(-1, 3, 1850), "*.03.1850"}, {D(12, 5, -1), "12.05.*"},
      {D(-1, -1, 1850), "1850"},      {D(-1, -1, 12000), "12000"},   {D(5, -1, 1850), "05.*.1850"},
      {D(5, 3, 7), "05.03.7"},        {D(0, 3, 1850), "00.03.1850"}, {D(0, 0, 1850), "1850"},
      {D(-1, 0, 1850), "1850"},       {D(0, -1, 1850), "1850"},      {D(0, 0, 0), ""},
      {D(-1, -1, -1), ""},            {D(-1, 0, -1), "*.00.*"},      {D(5, 3, 0), "05.03.0"},
  };
  for (const DateText& row : rows) EXPECT_EQ(FormatDate(row.date), row.text) << row.text;
  EXPECT_EQ(FormatDate(nullptr), "");
}

TEST(FormatDate, ReadsBackWhatParseDateStored) {
  for (const char* text : {"05.03.1850", "*.03.1850", "12.05.*", "1850", "00.05.1850", "29.02.1600", "*.*.*"}) {
    DateValue date;
    ASSERT_EQ(ParseDate(date, text, nullptr), 1) << text;
    EXPECT_EQ(FormatDate(date), std::string(text) == "*.*.*" ? "" : text);
  }
}

TEST(FormatTime, Texts) {
  const std::pair<DateTimeValue, const char*> rows[] = {
      {{0, 1, 1, 1900, 14, 5}, "14:05"}, {{0, 1, 1, 1900, -1, 30}, "*:30"}, {{0, 1, 1, 1900, 8, -1}, "08:*"},
      {{0, 1, 1, 1900, 0, 1}, "00:01"},  {{0, 1, 1, 1900, 0, 0}, ""},       {{0, 1, 1, 1900, -1, -1}, ""},
  };
  for (const auto& [time, text] : rows) EXPECT_EQ(FormatTime(time), text) << text;
  EXPECT_EQ(FormatTime(nullptr), "");
}

struct Comparison {
  DateValue a, b;
  int16_t result;  // -1 not comparable, 0 same, 1 B earlier, 2 B later
};

TEST(CompareDates, ReadFromBsPointOfView) {
  const Comparison rows[] = {
      {D(5, 3, 1850), D(5, 3, 1850), 0},   {D(5, 3, 1850), D(5, 3, 1849), 1},   {D(5, 3, 1850), D(1, 1, 1851), 2},
      {D(5, 3, 1850), D(31, 2, 1850), 1},  {D(5, 3, 1850), D(1, 4, 1850), 2},   {D(5, 3, 1850), D(4, 3, 1850), 1},
      {D(5, 3, 1850), D(6, 3, 1850), 2},   {D(5, 3, 1850), D(5, 3, 1850, 1), 0},  // the calendar tag is ignored
      // A bare year equals every date of that year, whichever side it is on.
      {D(-1, -1, 1850), D(5, 3, 1850), 0}, {D(5, 3, 1850), D(-1, -1, 1850), 0}, {D(5, 3, 1850), D(-1, -1, 1849), 1},
      {D(-1, -1, 1849), D(5, 3, 1850), 2}, {D(0, 0, 1850), D(31, 12, 1850), 0}, {D(31, 12, 1850), D(0, 0, 1850), 0},
      // Month known on both sides, day unknown on one.
      {D(-1, 3, 1850), D(5, 3, 1850), 0},  {D(5, 3, 1850), D(0, 3, 1850), 0},   {D(0, 3, 1850), D(5, 3, 1850), 0},
      {D(-1, 3, 1850), D(5, 4, 1850), 2},  {D(5, 4, 1850), D(-1, 3, 1850), 1},
      // Year unknown or not positive on either side: nothing can be said.
      {D(-1, -1, -1), D(5, 3, 1850), -1},  {D(5, 3, 1850), D(-1, -1, -1), -1},  {D(5, 3, 1850), D(5, 3, 0), -1},
      {D(5, 3, 0), D(5, 3, 1850), -1},     {D(5, 3, -50), D(5, 3, -50), -1},    {D(0, 0, 0), D(0, 0, 0), -1},
  };
  for (const Comparison& row : rows) {
    EXPECT_EQ(CompareDates(row.a, row.b), row.result)
        << row.a.day << "." << row.a.month << "." << row.a.year << " / " << row.b.day << "." << row.b.month << "."
        << row.b.year;
  }
}

}  // namespace
}  // namespace vl
