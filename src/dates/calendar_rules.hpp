#pragma once
// Month lengths, leap years and day numbers of the Gregorian and Julian calendars.
#include <cstdint>

namespace vl {

// Julian rule up to 1582 (every fourth year), Gregorian rule from 1583 on.
constexpr bool IsLeapYear(int year) {
  if (year % 4 != 0) return false;
  if (year <= 1582) return true;
  return year % 100 != 0 || year % 400 == 0;
}

// Length of a month 1..12 of the given year; 0 for any other month.
constexpr int DaysInMonth(int month, int year) {
  constexpr int8_t kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kLengths[month - 1];
}

// Julian day number of a date of the proleptic Gregorian calendar.
constexpr int64_t GregorianDayNumber(int day, int month, int year) {
  const int64_t a = (14 - month) / 12;
  const int64_t y = year + 4800 - a;
  const int64_t m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

// Julian day number of a date of the proleptic Julian calendar.
constexpr int64_t JulianDayNumber(int day, int month, int year) {
  const int64_t a = (14 - month) / 12;
  const int64_t y = year + 4800 - a;
  const int64_t m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 - 32083;
}

struct CivilDate {
  int day = 0;
  int month = 0;
  int year = 0;
};

// Inverse of GregorianDayNumber.
constexpr CivilDate GregorianFromDayNumber(int64_t dayNumber) {
  const int64_t a = dayNumber + 32044;
  const int64_t b = (4 * a + 3) / 146097;
  const int64_t c = a - 146097 * b / 4;
  const int64_t d = (4 * c + 3) / 1461;
  const int64_t e = c - 1461 * d / 4;
  const int64_t m = (5 * e + 2) / 153;
  return CivilDate{static_cast<int>(e - (153 * m + 2) / 5 + 1), static_cast<int>(m + 3 - 12 * (m / 10)),
                   static_cast<int>(100 * b + d - 4800 + m / 10)};
}

}  // namespace vl
