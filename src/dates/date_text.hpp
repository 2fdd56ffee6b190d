#pragma once
// Dates as prose for chart boxes, search results and text lists (Windows-1252 text).
#include <string>

#include "dates/date_value.hpp"

namespace vl {

// "05.03.1850", "?.03.1850", "05. März 1850", "März 1850", "? März ?", "14. Brumaire Jahr II".
// With the Republican flag a complete date of the Republican period is written in that calendar.
std::string TreeDateText(const DateValue& date, bool monthNames, bool republican);

// Like TreeDateText, but unknown parts add nothing: "05.03.1850", " im März 1850", " im Jahre 1850".
std::string ListDateText(const DateValue& date, bool monthNames, bool republican);

}  // namespace vl
