#pragma once
// The French Republican calendar of the years I to XV (22.09.1792 to 23.09.1807).
#include <cstdint>

#include "dates/date_value.hpp"

namespace vl {

constexpr int kRepublicanYears = 15;
constexpr int kRepublicanMonths = 13;  // 13 = the complementary days

// Years III, VII, XI and XV have a sixth complementary day.
constexpr bool IsSextileYear(int year) { return year == 3 || year == 7 || year == 11 || year == 15; }
// 30 for months 1..12, 5 or 6 for month 13; 0 outside years 1..15 and months 1..13.
int RepublicanDaysInMonth(int month, int year);
bool IsRepublicanDate(int day, int month, int year);

// Gregorian day of month on which a Republican month begins (year 1..15, month 1..13); 0 outside.
int RepublicanMonthStart(int year, int month);

// 1: the value now holds the Republican date with calendar tag 1. -1: not convertible
// (a part unknown, 0 or not a real date, or outside the period); the value is then unusable.
int16_t GregorianToRepublican(DateValue& date);

// The Gregorian date (tag 0) of a Republican day, month and year; the empty date (all parts -1)
// when they name no Republican day.
DateValue RepublicanToGregorian(int day, int month, int year);

}  // namespace vl
