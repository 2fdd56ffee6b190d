#pragma once
// Names of months and years from the message table, as Windows-1252 text like every text the core keeps.
#include <string>

namespace vl {

// "Januar" .. "Dezember" for 1..12; "" for any other number.
std::string GregorianMonthName(int month);
// "Vendémiaire" .. "Fructidor" for 1..12, "zusätzl. Tag" for 13; "" for any other number.
std::string RepublicanMonthName(int month);
// "Jahr I" .. "Jahr XV" for 1..15; "" for any other number.
std::string RepublicanYearName(int year);

}  // namespace vl
