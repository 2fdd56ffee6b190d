#pragma once
// Reading dates ("tt.mm.jjjj", "*" for an unknown part) and times ("hh:mm") typed by the user.
#include <cstdint>
#include <string_view>

#include "common/prompter.hpp"
#include "dates/date_value.hpp"

namespace vl {

// Results of ParseDate and ParseTime.
enum : int16_t { kParseAccepted = 1, kParseRejected = -1, kParseEmpty = -2 };

enum class DateTextStatus { Accepted, Empty, BadFormat, PartOutOfRange, DayNotInMonth, GregorianGap };

struct DateTextReading {
  DateTextStatus status = DateTextStatus::Empty;
  int16_t day = -1;
  int16_t month = -1;
  int16_t year = -1;
};

// Reads a date text without telling anybody; day, month and year are valid for Accepted and Empty.
DateTextReading ReadDateText(std::string_view text);
// Message number that tells the user why a date text was refused; 0 for Accepted and Empty.
int DateTextMessageId(DateTextStatus status);

// Writes day, month and year only when the text is accepted (1) or empty (-2, all parts -1).
// A refused text (-1) is reported in an information box when a prompter is given; the caller
// then gives the focus back to its window.
int16_t ParseDate(DateValue& date, std::string_view text, Prompter* prompter);
int16_t ParseDate(DateTimeValue& date, std::string_view text, Prompter* prompter);

// Writes hour and minute only when the text is accepted (1) or empty (-2, both -1).
// The caller moves the focus back to its window on every refusal, also without a prompter.
int16_t ParseTime(DateTimeValue& time, std::string_view text, Prompter* prompter);

}  // namespace vl
