#include "dates/republican_calendar.hpp"

#include <array>

#include "dates/calendar_rules.hpp"

namespace vl {
namespace {

constexpr int64_t kFirstDay = GregorianDayNumber(22, 9, 1792);

constexpr int RepublicanYearLength(int year) { return IsSextileYear(year) ? 366 : 365; }

// Day of the period (0 = 1 Vendémiaire I) on which a Republican month begins.
constexpr int64_t MonthStartOffset(int year, int month) {
  int64_t offset = 0;
  for (int y = 1; y < year; ++y) offset += RepublicanYearLength(y);
  return offset + 30 * (month - 1);
}

using StartTable = std::array<std::array<int8_t, kRepublicanMonths>, kRepublicanYears>;

constexpr StartTable BuildStartTable() {
  StartTable table{};
  for (int year = 1; year <= kRepublicanYears; ++year) {
    for (int month = 1; month <= kRepublicanMonths; ++month) {
      table[year - 1][month - 1] =
          static_cast<int8_t>(GregorianFromDayNumber(kFirstDay + MonthStartOffset(year, month)).day);
    }
  }
  return table;
}

constexpr StartTable kMonthStarts = BuildStartTable();
constexpr int64_t kLastDay = kFirstDay + MonthStartOffset(kRepublicanYears + 1, 1) - 1;

bool IsGregorianDate(int day, int month, int year) {
  return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(month, year) && year >= 1;
}

}  // namespace

int RepublicanDaysInMonth(int month, int year) {
  if (year < 1 || year > kRepublicanYears || month < 1 || month > kRepublicanMonths) return 0;
  if (month < 13) return 30;
  return IsSextileYear(year) ? 6 : 5;
}

bool IsRepublicanDate(int day, int month, int year) { return day >= 1 && day <= RepublicanDaysInMonth(month, year); }

int RepublicanMonthStart(int year, int month) {
  if (year < 1 || year > kRepublicanYears || month < 1 || month > kRepublicanMonths) return 0;
  return kMonthStarts[year - 1][month - 1];
}

int16_t GregorianToRepublican(DateValue& date) {
  if (!IsGregorianDate(date.day, date.month, date.year)) return -1;
  const int64_t dayNumber = GregorianDayNumber(date.day, date.month, date.year);
  if (dayNumber < kFirstDay || dayNumber > kLastDay) return -1;
  int64_t offset = dayNumber - kFirstDay;
  int year = 1;
  while (offset >= RepublicanYearLength(year)) {
    offset -= RepublicanYearLength(year);
    ++year;
  }
  date.calendar = kRepublican;
  date.day = static_cast<int16_t>(offset % 30 + 1);
  date.month = static_cast<int16_t>(offset / 30 + 1);
  date.year = static_cast<int16_t>(year);
  return 1;
}

DateValue RepublicanToGregorian(int day, int month, int year) {
  if (!IsRepublicanDate(day, month, year)) return DateValue{kGregorian, -1, -1, -1};
  int gregorianYear = 1791 + year + (month >= 5 ? 1 : 0);
  int gregorianMonth = month <= 4 ? month + 8 : month - 4;
  int gregorianDay = RepublicanMonthStart(year, month) + day - 1;
  const int length = DaysInMonth(gregorianMonth, gregorianYear);
  if (gregorianDay > length) {
    gregorianDay -= length;
    if (++gregorianMonth > 12) {
      gregorianMonth = 1;
      ++gregorianYear;
    }
  }
  return DateValue{kGregorian, static_cast<int16_t>(gregorianDay), static_cast<int16_t>(gregorianMonth),
                   static_cast<int16_t>(gregorianYear)};
}

}  // namespace vl
