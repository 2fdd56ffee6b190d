#pragma once
// Dates and times as they appear in entry fields.
#include <string>

#include "dates/date_value.hpp"

namespace vl {

// "05.03.1850", "*.03.1850", "1850" for a bare year; "" for none, the empty date and the zero date.
std::string FormatDate(const DateValue* date);
std::string FormatDate(const DateValue& date);
// "14:05", "*:30"; "" for none, an unknown time and 00:00.
std::string FormatTime(const DateTimeValue* time);
std::string FormatTime(const DateTimeValue& time);

}  // namespace vl
