#include <gtest/gtest.h>

#include "common/cp1252.hpp"
#include "dates/calendar_names.hpp"
#include "dates/republican_calendar.hpp"

namespace vl {
namespace {

DateValue D(int day, int month, int year) {
  return DateValue{kGregorian, static_cast<int16_t>(day), static_cast<int16_t>(month), static_cast<int16_t>(year)};
}
DateValue R(int day, int month, int year) {
  return DateValue{kRepublican, static_cast<int16_t>(day), static_cast<int16_t>(month), static_cast<int16_t>(year)};
}

DateValue ToRepublican(DateValue date) {
  EXPECT_EQ(GregorianToRepublican(date), 1);
  return date;
}

bool Convertible(DateValue date) { return GregorianToRepublican(date) == 1; }

// An independent Gregorian day counter for the years around 1800.
void NextGregorianDay(int& day, int& month, int& year) {
  static const int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  const int length = (month == 2 && leap) ? 29 : kLengths[month - 1];
  if (++day > length) {
    day = 1;
    if (++month > 12) {
      month = 1;
      ++year;
    }
  }
}

void NextRepublicanDay(int& day, int& month, int& year) {
  const bool sextile = year == 3 || year == 7 || year == 11 || year == 15;
  const int length = month < 13 ? 30 : (sextile ? 6 : 5);
  if (++day > length) {
    day = 1;
    if (++month > 13) {
      month = 1;
      ++year;
    }
  }
}

TEST(RepublicanCalendar, EveryDayOfThePeriodBothWays) {
  int gd = 22, gm = 9, gy = 1792;
  int rd = 1, rm = 1, ry = 1;
  int days = 0;
  while (ry <= 15) {
    DateValue date = D(gd, gm, gy);
    ASSERT_EQ(GregorianToRepublican(date), 1) << gd << "." << gm << "." << gy;
    ASSERT_EQ(date, R(rd, rm, ry)) << gd << "." << gm << "." << gy;
    ASSERT_EQ(RepublicanToGregorian(rd, rm, ry), D(gd, gm, gy)) << rd << "." << rm << "." << ry;
    NextGregorianDay(gd, gm, gy);
    NextRepublicanDay(rd, rm, ry);
    ++days;
  }
  EXPECT_EQ(days, 11 * 365 + 4 * 366);
  EXPECT_EQ(D(gd, gm, gy), D(24, 9, 1807));
  EXPECT_FALSE(Convertible(D(gd, gm, gy)));
}

TEST(RepublicanCalendar, Borders) {
  EXPECT_EQ(ToRepublican(D(22, 9, 1792)), R(1, 1, 1));
  EXPECT_FALSE(Convertible(D(21, 9, 1792)));
  EXPECT_EQ(ToRepublican(D(23, 9, 1807)), R(6, 13, 15));
  EXPECT_FALSE(Convertible(D(24, 9, 1807)));
  EXPECT_FALSE(Convertible(D(1, 1, 1700)));
  EXPECT_FALSE(Convertible(D(1, 1, 1850)));
}

TEST(RepublicanCalendar, IncompleteOrImpossibleDatesAreNotConverted) {
  EXPECT_FALSE(Convertible(D(-1, 11, 1793)));
  EXPECT_FALSE(Convertible(D(0, 11, 1793)));
  EXPECT_FALSE(Convertible(D(4, -1, 1793)));
  EXPECT_FALSE(Convertible(D(4, 0, 1793)));
  EXPECT_FALSE(Convertible(D(4, 11, -1)));
  EXPECT_FALSE(Convertible(D(4, 11, 0)));
  EXPECT_FALSE(Convertible(D(31, 11, 1793)));
  EXPECT_FALSE(Convertible(D(29, 2, 1800)));
  EXPECT_FALSE(Convertible(D(1, 13, 1800)));
}

TEST(RepublicanCalendar, KnownDays) {
  EXPECT_EQ(ToRepublican(D(29, 2, 1796)), R(10, 6, 4));
  EXPECT_EQ(ToRepublican(D(1, 3, 1796)), R(11, 6, 4));
  EXPECT_EQ(ToRepublican(D(1, 3, 1797)), R(11, 6, 5));
  EXPECT_EQ(ToRepublican(D(5, 10, 1792)), R(14, 1, 1));
  EXPECT_EQ(ToRepublican(D(17, 9, 1807)), R(30, 12, 15));
  EXPECT_EQ(ToRepublican(D(22, 9, 1795)), R(6, 13, 3));
  EXPECT_EQ(ToRepublican(D(23, 9, 1795)), R(1, 1, 4));
  EXPECT_EQ(ToRepublican(D(9, 11, 1799)), R(18, 2, 8));
  EXPECT_EQ(RepublicanToGregorian(18, 2, 8), D(9, 11, 1799));
  EXPECT_EQ(RepublicanToGregorian(6, 13, 3), D(22, 9, 1795));
  EXPECT_EQ(RepublicanToGregorian(11, 4, 4), D(1, 1, 1796));
}

TEST(RepublicanCalendar, MonthStartTable) {
  const int yearOne[13] = {22, 22, 21, 21, 20, 19, 21, 20, 20, 19, 19, 18, 17};
  const int yearFour[13] = {23, 23, 22, 22, 21, 20, 21, 20, 20, 19, 19, 18, 17};
  for (int month = 1; month <= 13; ++month) {
    EXPECT_EQ(RepublicanMonthStart(1, month), yearOne[month - 1]) << month;
    EXPECT_EQ(RepublicanMonthStart(4, month), yearFour[month - 1]) << month;
  }
  EXPECT_EQ(RepublicanMonthStart(0, 1), 0);
  EXPECT_EQ(RepublicanMonthStart(16, 1), 0);
  EXPECT_EQ(RepublicanMonthStart(1, 14), 0);
}

TEST(RepublicanCalendar, SextileYearsAndInvalidDays) {
  for (int year = 1; year <= 15; ++year) {
    const bool sextile = year == 3 || year == 7 || year == 11 || year == 15;
    EXPECT_EQ(IsSextileYear(year), sextile) << year;
    EXPECT_EQ(RepublicanDaysInMonth(13, year), sextile ? 6 : 5) << year;
    EXPECT_EQ(RepublicanDaysInMonth(12, year), 30);
    EXPECT_EQ(IsRepublicanDate(6, 13, year), sextile) << year;
  }
  EXPECT_EQ(RepublicanToGregorian(6, 13, 2), D(-1, -1, -1));
  EXPECT_EQ(RepublicanToGregorian(31, 1, 2), D(-1, -1, -1));
  EXPECT_EQ(RepublicanToGregorian(0, 1, 2), D(-1, -1, -1));
  EXPECT_EQ(RepublicanToGregorian(1, 14, 2), D(-1, -1, -1));
  EXPECT_EQ(RepublicanToGregorian(1, 1, 16), D(-1, -1, -1));
  EXPECT_EQ(RepublicanToGregorian(1, 1, 0), D(-1, -1, -1));
}

TEST(CalendarNames, FromTheMessageTable) {
  EXPECT_EQ(Cp1252ToUtf8(GregorianMonthName(1)), "Januar");
  EXPECT_EQ(Cp1252ToUtf8(GregorianMonthName(3)), "März");
  EXPECT_EQ(Cp1252ToUtf8(GregorianMonthName(12)), "Dezember");
  EXPECT_EQ(GregorianMonthName(0), "");
  EXPECT_EQ(GregorianMonthName(13), "");
  const char* const months[] = {"Vendémiaire", "Brumaire", "Frimaire", "Nivôse",    "Pluviôse", "Ventôse",     "Germinal",
                                "Floréal",     "Prairial", "Messidor", "Thermidor", "Fructidor", "zusätzl. Tag"};
  for (int month = 1; month <= 13; ++month) EXPECT_EQ(Cp1252ToUtf8(RepublicanMonthName(month)), months[month - 1]);
  EXPECT_EQ(RepublicanMonthName(14), "");
  const char* const years[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII", "XIII", "XIV", "XV"};
  for (int year = 1; year <= 15; ++year) EXPECT_EQ(RepublicanYearName(year), std::string("Jahr ") + years[year - 1]);
  EXPECT_EQ(RepublicanYearName(0), "");
  EXPECT_EQ(RepublicanYearName(16), "");
}

}  // namespace
}  // namespace vl
