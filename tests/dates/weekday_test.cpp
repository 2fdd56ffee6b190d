#include <gtest/gtest.h>

#include "common/cp1252.hpp"
#include "dates/calendar_rules.hpp"
#include "dates/weekday.hpp"

namespace vl {
namespace {

std::string Weekday(const char* text) { return Cp1252ToUtf8(WeekdayText(text)); }

// Walks the calendar day by day as the user's dates run: Julian leap years up to 1582,
// the jump from 4 to 15 October 1582, Gregorian leap years afterwards.
struct CalendarWalker {
  int day = 1, month = 1, year = 1;
  int weekday = 5;  // 1 January of the year 1 (Julian) was a Saturday; 0 = Monday

  void Next() {
    static const int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0 && (year <= 1582 || year % 100 != 0 || year % 400 == 0);
    const int length = (month == 2 && leap) ? 29 : kLengths[month - 1];
    weekday = (weekday + 1) % 7;
    if (year == 1582 && month == 10 && day == 4) {
      day = 15;
    } else if (++day > length) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
};

TEST(DayOfWeek, EveryDayFromYearOneTo2899) {
  CalendarWalker walker;
  int64_t days = 0;
  while (walker.year < 2900) {
    ASSERT_EQ(DayOfWeek(walker.day, walker.month, walker.year), walker.weekday)
        << walker.day << "." << walker.month << "." << walker.year;
    walker.Next();
    ++days;
  }
  // Every day the date reading accepts was visited, and no other.
  int64_t accepted = 0;
  for (int year = 1; year < 2900; ++year) {
    for (int month = 1; month <= 12; ++month) accepted += DaysInMonth(month, year);
  }
  EXPECT_EQ(days, accepted - 10);
}

TEST(WeekdayText, AroundTheCalendarReform) {
  EXPECT_EQ(Weekday("15.10.1582"), "Freitag, 15. Oktober 1582");
  EXPECT_EQ(Weekday("04.10.1582"), "Donnerstag, 4. Oktober 1582");
  EXPECT_EQ(Weekday("03.10.1582"), "Mittwoch, 3. Oktober 1582");
  EXPECT_EQ(Weekday("16.10.1582"), "Samstag, 16. Oktober 1582");
  EXPECT_EQ(Weekday("05.10.1582"), "Dieses Datum gibt es nicht!");
  EXPECT_EQ(Weekday("14.10.1582"), "Dieses Datum gibt es nicht!");
  EXPECT_EQ(WeekdayText("10.10.1582"), "Dieses Datum gibt es nicht!");
}

TEST(WeekdayText, LeapYearsOfBothRules) {
  EXPECT_EQ(Weekday("29.02.1500"), "Samstag, 29. Februar 1500");
  EXPECT_EQ(Weekday("01.03.1500"), "Sonntag, 1. März 1500");
  EXPECT_EQ(Weekday("01.01.1600"), "Samstag, 1. Januar 1600");
  EXPECT_EQ(Weekday("29.02.1600"), "Dienstag, 29. Februar 1600");
  EXPECT_EQ(Weekday("28.02.1700"), "Sonntag, 28. Februar 1700");
  EXPECT_EQ(Weekday("01.03.1700"), "Montag, 1. März 1700");
  EXPECT_EQ(Weekday("29.02.1700"), "");
  EXPECT_EQ(Weekday("01.01.2000"), "Samstag, 1. Januar 2000");
}

TEST(WeekdayText, TheLastYear) {
  EXPECT_EQ(Weekday("31.12.2899"), "Donnerstag, 31. Dezember 2899");
  EXPECT_EQ(Weekday("01.01.2900"), "");
  EXPECT_EQ(Weekday("01.01.9999"), "");
  EXPECT_EQ(Weekday("01.01.1"), "Samstag, 1. Januar 1");
}

TEST(WeekdayText, NoSingleDayGivesNoText) {
  for (const char* text : {"", "1850", "*.05.1850", "05.*.1850", "05.05.*", "00.05.1850", "31.02.1850", "12.1850",
                           "abc", "65537.01.1850"}) {
    EXPECT_EQ(WeekdayText(text), "") << text;
  }
}

TEST(WeekdayText, IsWindows1252) { EXPECT_EQ(WeekdayText("01.03.1700"), "Montag, 1. M\xE4rz 1700"); }

}  // namespace
}  // namespace vl
