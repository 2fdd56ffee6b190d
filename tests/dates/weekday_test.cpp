// Which days exist (month lengths, leap years, the 1582 reform) as the date fields and the
// perpetual calendar see them, and the weekday of every day.
#include <gtest/gtest.h>

#include "common/cp1252.hpp"
#include "common/scripted_prompter.hpp"
#include "dates/date_format.hpp"
#include "dates/date_parse.hpp"
#include "dates/weekday.hpp"

namespace vl {
namespace {

std::string Weekday(const char* text) { return Cp1252ToUtf8(WeekdayText(text)); }

const char* const kNoSuchDay = "Im angegebenen Monat gibt es diesen Tag nicht!";
const char* const kGap =
    "Den Zeitraum vom 5. bis zum 14. Oktober 1582 gibt es nicht! In der Online-Hilfe finden Sie unter dem Thema "
    "'Gregorianischer Kalender' hierzu weitere Informationen!";
const char* const kGapWeekday = "Dieses Datum gibt es nicht!";

struct CalendarDay {
  const char* text;
  int id;               // 0: accepted
  const char* weekday;  // WeekdayText
};

class CalendarDays : public testing::TestWithParam<CalendarDay> {};

TEST_P(CalendarDays, DateFieldAndWeekdayAgree) {
  const CalendarDay& c = GetParam();
  ScriptedPrompter prompter;
  DateValue date{0, 7, 7, 7};
  if (c.id == 0) {
    EXPECT_EQ(ParseDate(date, c.text, &prompter), 1) << c.text;
    EXPECT_EQ(FormatDate(date), c.text);
    EXPECT_TRUE(prompter.Empty()) << c.text;
  } else {
    EXPECT_EQ(ParseDate(date, c.text, &prompter), -1) << c.text;
    EXPECT_EQ(date, (DateValue{0, 7, 7, 7})) << c.text;
    ASSERT_EQ(prompter.shown.size(), 1u) << c.text;
    EXPECT_EQ(prompter.shown[0].kind, BoxKind::Information);
    EXPECT_EQ(prompter.shown[0].id, c.id) << c.text;
    EXPECT_EQ(prompter.shown[0].text, c.id == 8357 ? kGap : kNoSuchDay) << c.text;
  }
  EXPECT_EQ(Weekday(c.text), c.weekday) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    MonthLengths, CalendarDays,
    testing::Values(
        CalendarDay{"30.04.1900", 0, "Montag, 30. April 1900"}, CalendarDay{"31.04.1900", 8263, ""},
        CalendarDay{"30.06.1850", 0, "Sonntag, 30. Juni 1850"}, CalendarDay{"31.06.*", 8263, ""},
        CalendarDay{"30.09.1582", 0, "Sonntag, 30. September 1582"}, CalendarDay{"31.09.1582", 8263, ""},
        CalendarDay{"30.11.1850", 0, "Samstag, 30. November 1850"}, CalendarDay{"31.11.2000", 8263, ""},
        CalendarDay{"31.01.1", 0, "Montag, 31. Januar 1"}, CalendarDay{"31.03.1850", 0, "Sonntag, 31. März 1850"},
        CalendarDay{"31.05.1850", 0, "Freitag, 31. Mai 1850"}, CalendarDay{"31.07.1850", 0, "Mittwoch, 31. Juli 1850"},
        CalendarDay{"31.08.1850", 0, "Samstag, 31. August 1850"},
        CalendarDay{"31.10.1582", 0, "Sonntag, 31. Oktober 1582"},
        CalendarDay{"31.12.2899", 0, "Donnerstag, 31. Dezember 2899"}));

// Julian leap years up to 1582, Gregorian ones afterwards.
INSTANTIATE_TEST_SUITE_P(
    LeapYears, CalendarDays,
    testing::Values(
        CalendarDay{"29.02.1500", 0, "Samstag, 29. Februar 1500"},
        CalendarDay{"01.03.1500", 0, "Sonntag, 1. März 1500"},
        CalendarDay{"29.02.1600", 0, "Dienstag, 29. Februar 1600"},
        CalendarDay{"01.01.1600", 0, "Samstag, 1. Januar 1600"},
        CalendarDay{"28.02.1700", 0, "Sonntag, 28. Februar 1700"}, CalendarDay{"29.02.1700", 8263, ""},
        CalendarDay{"01.03.1700", 0, "Montag, 1. März 1700"}, CalendarDay{"29.02.1796", 0, "Montag, 29. Februar 1796"},
        CalendarDay{"29.02.1800", 8263, ""}, CalendarDay{"29.02.1851", 8263, ""},
        CalendarDay{"28.02.1900", 0, "Mittwoch, 28. Februar 1900"}, CalendarDay{"29.02.1900", 8263, ""},
        CalendarDay{"29.02.2000", 0, "Dienstag, 29. Februar 2000"}, CalendarDay{"30.02.2000", 8263, ""},
        CalendarDay{"01.01.2000", 0, "Samstag, 1. Januar 2000"}, CalendarDay{"28.02.*", 0, ""},
        CalendarDay{"29.02.*", 8263, ""}, CalendarDay{"*.02.1700", 0, ""}));

INSTANTIATE_TEST_SUITE_P(
    Reform, CalendarDays,
    testing::Values(
        CalendarDay{"03.10.1582", 0, "Mittwoch, 3. Oktober 1582"},
        CalendarDay{"04.10.1582", 0, "Donnerstag, 4. Oktober 1582"}, CalendarDay{"05.10.1582", 8357, kGapWeekday},
        CalendarDay{"06.10.1582", 8357, kGapWeekday}, CalendarDay{"07.10.1582", 8357, kGapWeekday},
        CalendarDay{"08.10.1582", 8357, kGapWeekday}, CalendarDay{"09.10.1582", 8357, kGapWeekday},
        CalendarDay{"10.10.1582", 8357, kGapWeekday}, CalendarDay{"11.10.1582", 8357, kGapWeekday},
        CalendarDay{"12.10.1582", 8357, kGapWeekday}, CalendarDay{"13.10.1582", 8357, kGapWeekday},
        CalendarDay{"14.10.1582", 8357, kGapWeekday}, CalendarDay{"15.10.1582", 0, "Freitag, 15. Oktober 1582"},
        CalendarDay{"16.10.1582", 0, "Samstag, 16. Oktober 1582"}, CalendarDay{"*.10.1582", 0, ""},
        CalendarDay{"00.10.1582", 0, ""}, CalendarDay{"05.10.1581", 0, "Donnerstag, 5. Oktober 1581"},
        CalendarDay{"05.10.1583", 0, "Mittwoch, 5. Oktober 1583"}));

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
  for (CalendarWalker walker; walker.year < 2900; walker.Next()) {
    ASSERT_EQ(DayOfWeek(walker.day, walker.month, walker.year), walker.weekday)
        << walker.day << "." << walker.month << "." << walker.year;
  }
}

TEST(WeekdayText, OnlySingleDaysBeforeTheYear2900) {
  for (const char* text : {"01.01.2900", "01.01.9999", "", "1850", "*.05.1850", "05.*.1850", "05.05.*", "00.05.1850",
                           "31.02.1850", "12.1850", "abc", "65537.01.1850"}) {
    EXPECT_EQ(WeekdayText(text), "") << text;
  }
  EXPECT_EQ(WeekdayText("01.03.1700"), "Montag, 1. M\xE4rz 1700");  // Windows-1252
}

}  // namespace
}  // namespace vl
