#include "dates/date_parse.hpp"

#include <vector>

#include "dates/calendar_rules.hpp"

namespace vl {
namespace {

// Far beyond every accepted range; an over-long number saturates here instead of wrapping
// round to a plausible 16-bit value.
constexpr int64_t kSaturated = int64_t{1} << 40;

// Optional sign and the digits after it; reading stops at the first other character; no digits gives 0.
int64_t ReadDecimal(std::string_view text) {
  size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  int64_t value = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
    value = value * 10 + (text[pos] - '0');
    if (value > kSaturated) value = kSaturated;
  }
  return negative ? -value : value;
}

// A part of a date or time: "*" is unknown (-1), a negative number counts as 0.
int64_t ReadPart(std::string_view token) {
  if (token == "*") return -1;
  int64_t value = ReadDecimal(token);
  return value < 0 ? 0 : value;
}

// Tokens between separators; runs of separators and separators at either end give no empty token.
std::vector<std::string_view> Tokens(std::string_view text, char separator) {
  std::vector<std::string_view> tokens;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find(separator, pos);
    if (end == std::string_view::npos) end = text.size();
    if (end > pos) tokens.push_back(text.substr(pos, end - pos));
    pos = end + 1;
  }
  return tokens;
}

bool InRangeOrUnknown(int64_t value, int64_t low, int64_t high) { return value == -1 || (value >= low && value <= high); }

DateTextReading Refused(DateTextStatus status) {
  DateTextReading reading;
  reading.status = status;
  return reading;
}

bool DayFitsMonth(int64_t day, int64_t month, int64_t year) {
  if (month == -1 || day == -1) return true;
  if (month == 2) {
    const int limit = (year != -1 && IsLeapYear(static_cast<int>(year))) ? 29 : 28;
    return day <= limit;
  }
  return day <= DaysInMonth(static_cast<int>(month), 2001);
}

}  // namespace

DateTextReading ReadDateText(std::string_view text) {
  if (text.empty()) return DateTextReading{};
  const auto tokens = Tokens(text, '.');
  if (tokens.empty()) return Refused(DateTextStatus::BadFormat);
  const int64_t day = ReadPart(tokens[0]);
  if (tokens.size() == 1) {
    // A bare number is a year; it must fit a positive 16-bit value.
    const int64_t year = ReadDecimal(text);
    if (year < 1 || year > INT16_MAX) return Refused(DateTextStatus::BadFormat);
    return DateTextReading{DateTextStatus::Accepted, -1, -1, static_cast<int16_t>(year)};
  }
  const int64_t month = ReadPart(tokens[1]);
  if (tokens.size() == 2) return Refused(DateTextStatus::BadFormat);
  const int64_t year = ReadPart(tokens[2]);
  if (!InRangeOrUnknown(day, 0, 31) || !InRangeOrUnknown(month, 1, 12) || !InRangeOrUnknown(year, 1, 9999)) {
    return Refused(DateTextStatus::PartOutOfRange);
  }
  if (!DayFitsMonth(day, month, year)) return Refused(DateTextStatus::DayNotInMonth);
  if (year == 1582 && month == 10 && day >= 5 && day <= 14) return Refused(DateTextStatus::GregorianGap);
  return DateTextReading{DateTextStatus::Accepted, static_cast<int16_t>(day), static_cast<int16_t>(month),
                         static_cast<int16_t>(year)};
}

int DateTextMessageId(DateTextStatus status) {
  switch (status) {
    case DateTextStatus::BadFormat: return 8261;
    case DateTextStatus::PartOutOfRange: return 8262;
    case DateTextStatus::DayNotInMonth: return 8263;
    case DateTextStatus::GregorianGap: return 8357;
    case DateTextStatus::Accepted:
    case DateTextStatus::Empty: break;
  }
  return 0;
}

namespace {

template <typename Value>
int16_t ParseDateInto(Value& date, std::string_view text, Prompter* prompter) {
  const DateTextReading reading = ReadDateText(text);
  if (reading.status != DateTextStatus::Accepted && reading.status != DateTextStatus::Empty) {
    if (prompter) prompter->ShowInformation(Msg(DateTextMessageId(reading.status)));
    return kParseRejected;
  }
  date.day = reading.day;
  date.month = reading.month;
  date.year = reading.year;
  return reading.status == DateTextStatus::Empty ? kParseEmpty : kParseAccepted;
}

}  // namespace

int16_t ParseDate(DateValue& date, std::string_view text, Prompter* prompter) {
  return ParseDateInto(date, text, prompter);
}

int16_t ParseDate(DateTimeValue& date, std::string_view text, Prompter* prompter) {
  return ParseDateInto(date, text, prompter);
}

int16_t ParseTime(DateTimeValue& time, std::string_view text, Prompter* prompter) {
  if (text.empty()) {
    time.hour = -1;
    time.minute = -1;
    return kParseEmpty;
  }
  const auto tokens = Tokens(text, ':');
  if (tokens.size() < 2) {
    if (prompter) prompter->ShowInformation(Msg(8264));
    return kParseRejected;
  }
  const int64_t hour = ReadPart(tokens[0]);
  const int64_t minute = ReadPart(tokens[1]);
  if (!InRangeOrUnknown(hour, 0, 23) || !InRangeOrUnknown(minute, 0, 59)) {
    if (prompter) prompter->ShowInformation(Msg(8265));
    return kParseRejected;
  }
  time.hour = static_cast<int16_t>(hour);
  time.minute = static_cast<int16_t>(minute);
  return kParseAccepted;
}

}  // namespace vl
