#pragma once
// Weekday of a date: Julian calendar up to 4 October 1582, Gregorian from 15 October 1582.
#include <string>
#include <string_view>

namespace vl {

// 0 = Monday .. 6 = Sunday, for a complete date that ParseDate accepts.
int DayOfWeek(int day, int month, int year);

// "Freitag, 15. Oktober 1582" (Windows-1252) for a complete date "tt.mm.jjjj" before the year 2900;
// "Dieses Datum gibt es nicht!" for 5..14 October 1582; "" for anything else.
std::string WeekdayText(std::string_view text);

}  // namespace vl
