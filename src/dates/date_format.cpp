#include "dates/date_format.hpp"

#include <fmt/format.h>

namespace vl {
namespace {

std::string NumberPart(int value, const char* unknown, const char* separator) {
  if (value == -1) return std::string(unknown) + separator;
  return fmt::format("{:02d}{}", value, separator);
}

}  // namespace

std::string FormatDate(const DateValue* date) {
  if (!date) return "";
  if (date->day < 1 && date->month < 1 && date->year > 0) return fmt::format("{}", date->year);
  std::string text = NumberPart(date->day, "*", ".") + NumberPart(date->month, "*", ".") +
                     (date->year == -1 ? std::string("*") : fmt::format("{}", date->year));
  if (text == "*.*.*" || text == "00.00.0") return "";
  return text;
}

std::string FormatDate(const DateValue& date) { return FormatDate(&date); }

std::string FormatTime(const DateTimeValue* time) {
  if (!time) return "";
  std::string text = NumberPart(time->hour, "*", ":") + NumberPart(time->minute, "*", "");
  if (text == "*:*" || text == "00:00") return "";
  return text;
}

std::string FormatTime(const DateTimeValue& time) { return FormatTime(&time); }

}  // namespace vl
