#include <gtest/gtest.h>

#include "common/cp1252.hpp"
#include "dates/calendar_names.hpp"
#include "dates/republican_calendar.hpp"

namespace vl {
namespace {

DateValue D(int day, int month, int year) {
  return DateValue{0, static_cast<int16_t>(day), static_cast<int16_t>(month), static_cast<int16_t>(year)};
}
DateValue R(int day, int month, int year) {
  return DateValue{1, static_cast<int16_t>(day), static_cast<int16_t>(month), static_cast<int16_t>(year)};
}

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
}

struct Conversion {
  DateValue gregorian;
  DateValue republican;  // day -1: not convertible
};

TEST(RepublicanCalendar, KnownDaysBothWaysAndBorders) {
  const DateValue none = R(-1, -1, -1);
  const Conversion rows[] = {
      {D(22, 9, 1792), R(1, 1, 1)},   {D(21, 9, 1792), none},         {D(23, 9, 1807), R(6, 13, 15)},
      {D(24, 9, 1807), none},         {D(1, 1, 1700), none},          {D(1, 1, 1850), none},
      {D(29, 2, 1796), R(10, 6, 4)},  {D(1, 3, 1796), R(11, 6, 4)},   {D(1, 3, 1797), R(11, 6, 5)},
      {D(5, 10, 1792), R(14, 1, 1)},  {D(17, 9, 1807), R(30, 12, 15)}, {D(22, 9, 1795), R(6, 13, 3)},
      {D(23, 9, 1795), R(1, 1, 4)},   {D(9, 11, 1799), R(18, 2, 8)},  {D(1, 1, 1796), R(11, 4, 4)},
      // Incomplete or impossible dates are never converted.
      {D(-1, 11, 1793), none},        {D(0, 11, 1793), none},         {D(4, -1, 1793), none},
      {D(4, 0, 1793), none},          {D(4, 11, -1), none},           {D(4, 11, 0), none},
      {D(31, 11, 1793), none},        {D(29, 2, 1800), none},         {D(1, 13, 1800), none},
  };
  for (const Conversion& row : rows) {
    SCOPED_TRACE(testing::Message() << row.gregorian.day << "." << row.gregorian.month << "." << row.gregorian.year);
    DateValue date = row.gregorian;
    if (row.republican.day == -1) {
      EXPECT_EQ(GregorianToRepublican(date), -1);
      continue;
    }
    EXPECT_EQ(GregorianToRepublican(date), 1);
    EXPECT_EQ(date, row.republican);
    EXPECT_EQ(RepublicanToGregorian(row.republican.day, row.republican.month, row.republican.year), row.gregorian);
  }
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
  const int invalid[][3] = {{6, 13, 2}, {31, 1, 2}, {0, 1, 2}, {1, 14, 2}, {1, 1, 16}, {1, 1, 0}};
  for (const auto& [day, month, year] : invalid) EXPECT_EQ(RepublicanToGregorian(day, month, year), D(-1, -1, -1));
}

TEST(CalendarNames, FromTheMessageTable) {
  const char* const gregorian[] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                   "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
  for (int month = 1; month <= 12; ++month) EXPECT_EQ(Cp1252ToUtf8(GregorianMonthName(month)), gregorian[month - 1]);
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
