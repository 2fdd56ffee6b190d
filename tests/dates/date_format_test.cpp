#include <gtest/gtest.h>

#include "dates/date_format.hpp"
#include "dates/date_parse.hpp"

namespace vl {
namespace {

DateValue D(int day, int month, int year) {
  return DateValue{0, static_cast<int16_t>(day), static_cast<int16_t>(month), static_cast<int16_t>(year)};
}

DateTimeValue T(int hour, int minute) {
  return DateTimeValue{0, 1, 1, 1900, static_cast<int16_t>(hour), static_cast<int16_t>(minute)};
}

TEST(FormatDate, KnownAndUnknownParts) {
  EXPECT_EQ(FormatDate(D(5, 3, 1850)), "05.03.1850");
  EXPECT_EQ(FormatDate(D(-1, 3, 1850)), "*.03.1850");
  EXPECT_EQ(FormatDate(D(12, 5, -1)), "12.05.*");
  EXPECT_EQ(FormatDate(D(-1, -1, 1850)), "1850");
  EXPECT_EQ(FormatDate(D(-1, -1, 12000)), "12000");
  EXPECT_EQ(FormatDate(D(5, -1, 1850)), "05.*.1850");
  EXPECT_EQ(FormatDate(D(5, 3, 7)), "05.03.7");
}

TEST(FormatDate, ZeroParts) {
  EXPECT_EQ(FormatDate(D(0, 3, 1850)), "00.03.1850");
  EXPECT_EQ(FormatDate(D(0, 0, 1850)), "1850");
  EXPECT_EQ(FormatDate(D(-1, 0, 1850)), "1850");
  EXPECT_EQ(FormatDate(D(0, -1, 1850)), "1850");
  EXPECT_EQ(FormatDate(D(0, 0, 0)), "");
  EXPECT_EQ(FormatDate(D(-1, -1, -1)), "");
  EXPECT_EQ(FormatDate(D(-1, 0, -1)), "*.00.*");
  EXPECT_EQ(FormatDate(D(5, 3, 0)), "05.03.0");
  EXPECT_EQ(FormatDate(nullptr), "");
}

TEST(FormatDate, ReadsBackWhatParseDateStored) {
  for (const char* text : {"05.03.1850", "*.03.1850", "12.05.*", "1850", "00.05.1850", "29.02.1600"}) {
    DateValue date;
    ASSERT_EQ(ParseDate(date, text, nullptr), kParseAccepted) << text;
    EXPECT_EQ(FormatDate(date), text);
  }
  DateValue everything;
  ASSERT_EQ(ParseDate(everything, "*.*.*", nullptr), kParseAccepted);
  EXPECT_EQ(FormatDate(everything), "");
}

TEST(FormatTime, Texts) {
  EXPECT_EQ(FormatTime(T(14, 5)), "14:05");
  EXPECT_EQ(FormatTime(T(-1, 30)), "*:30");
  EXPECT_EQ(FormatTime(T(8, -1)), "08:*");
  EXPECT_EQ(FormatTime(T(0, 1)), "00:01");
  EXPECT_EQ(FormatTime(T(0, 0)), "");
  EXPECT_EQ(FormatTime(T(-1, -1)), "");
  EXPECT_EQ(FormatTime(nullptr), "");
}

TEST(CompareDates, ReadFromBsPointOfView) {
  EXPECT_EQ(CompareDates(D(5, 3, 1850), D(5, 3, 1850)), kSameDate);
  EXPECT_EQ(CompareDates(D(5, 3, 1850), D(5, 3, 1849)), kBEarlier);
  EXPECT_EQ(CompareDates(D(5, 3, 1850), D(1, 1, 1851)), kBLater);
  EXPECT_EQ(CompareDates(D(5, 3, 1850), D(31, 2, 1850)), kBEarlier);
  EXPECT_EQ(CompareDates(D(5, 3, 1850), D(1, 4, 1850)), kBLater);
  EXPECT_EQ(CompareDates(D(5, 3, 1850), D(4, 3, 1850)), kBEarlier);
  EXPECT_EQ(CompareDates(D(5, 3, 1850), D(6, 3, 1850)), kBLater);
}

TEST(CompareDates, UnknownPartsFromEitherSide) {
  // A bare year equals every date of that year, whichever side it is on.
  EXPECT_EQ(CompareDates(D(-1, -1, 1850), D(5, 3, 1850)), kSameDate);
  EXPECT_EQ(CompareDates(D(5, 3, 1850), D(-1, -1, 1850)), kSameDate);
  EXPECT_EQ(CompareDates(D(5, 3, 1850), D(-1, -1, 1849)), kBEarlier);
  EXPECT_EQ(CompareDates(D(-1, -1, 1849), D(5, 3, 1850)), kBLater);
  EXPECT_EQ(CompareDates(D(0, 0, 1850), D(31, 12, 1850)), kSameDate);
  // Month known on both sides, day unknown on one.
  EXPECT_EQ(CompareDates(D(-1, 3, 1850), D(5, 3, 1850)), kSameDate);
  EXPECT_EQ(CompareDates(D(5, 3, 1850), D(0, 3, 1850)), kSameDate);
  EXPECT_EQ(CompareDates(D(-1, 3, 1850), D(5, 4, 1850)), kBLater);
  EXPECT_EQ(CompareDates(D(5, 4, 1850), D(-1, 3, 1850)), kBEarlier);
  // Year unknown or not positive on either side: nothing can be said.
  EXPECT_EQ(CompareDates(D(-1, -1, -1), D(5, 3, 1850)), kNotComparable);
  EXPECT_EQ(CompareDates(D(5, 3, 1850), D(-1, -1, -1)), kNotComparable);
  EXPECT_EQ(CompareDates(D(5, 3, 1850), D(5, 3, 0)), kNotComparable);
  EXPECT_EQ(CompareDates(D(5, 3, -50), D(5, 3, -50)), kNotComparable);
  EXPECT_EQ(CompareDates(D(0, 0, 0), D(0, 0, 0)), kNotComparable);
}

TEST(CompareDates, CalendarTagIsIgnored) {
  DateValue a = D(5, 3, 1850);
  DateValue b = a;
  b.calendar = kRepublican;
  EXPECT_EQ(CompareDates(a, b), kSameDate);
}

}  // namespace
}  // namespace vl
