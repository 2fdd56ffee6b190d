// Fuzz target: dates and times as typed into date fields, and what the program does with the
// dates it accepted. The input is two texts separated by the first line break.
#include <string>
#include <string_view>

#include "common/scripted_prompter.hpp"
#include "dates/date_format.hpp"
#include "dates/date_parse.hpp"
#include "dates/date_text.hpp"
#include "dates/republican_calendar.hpp"
#include "dates/weekday.hpp"
#include "fuzz_support.hpp"

namespace vl::fuzz {
namespace {

// Parts no text can produce, to see whether a refused text changed anything.
constexpr DateValue kUntouchedDate{7, 77, 77, 7777};
constexpr int16_t kUntouchedTime = 99;

bool Between(int value, int low, int high) { return value >= low && value <= high; }
bool PartInRange(int value, int low, int high) { return value == -1 || Between(value, low, high); }
bool Complete(const DateValue& d) { return d.day >= 1 && d.month >= 1 && d.year >= 1; }

int OnlyMessage(const ScriptedPrompter& prompter) {
  Require(prompter.shown.size() == 1, "a refused text is reported once");
  return prompter.shown.front().id;
}

// The formatted text of a date reads back as a date that formats the same.
void CheckFormatReadsBack(const DateValue& date) {
  const std::string text = FormatDate(date);
  DateValue again{};
  Require(ParseDate(again, text, nullptr) != kParseRejected, "a formatted date is accepted");
  Require(FormatDate(again) == text, "a formatted date formats the same after reading");
}

void CheckRepublicanRoundTrip(const DateValue& date) {
  DateValue republican = date;
  if (GregorianToRepublican(republican) != 1) return;
  Require(republican.calendar == kRepublican && IsRepublicanDate(republican.day, republican.month, republican.year),
          "a converted date is a Republican date");
  Require(RepublicanToGregorian(republican.day, republican.month, republican.year) == date,
          "a Republican date converts back to the Gregorian one");
}

void CheckWeekday(const DateValue& date, std::string_view text) {
  const std::string weekday = WeekdayText(text);
  Require(weekday.empty() == !(Complete(date) && date.year < 2900), "exactly complete dates before 2900 have a weekday");
  if (Complete(date)) Require(Between(DayOfWeek(date.day, date.month, date.year), 0, 6), "a weekday is 0..6");
  Require(WeekdayText(FormatDate(date)) == weekday, "the formatted date names the same weekday");
}

void ExerciseDateTexts(const DateValue& date) {
  for (bool monthNames : {false, true}) {
    for (bool republican : {false, true}) {
      TreeDateText(date, monthNames, republican);
      ListDateText(date, monthNames, republican);
    }
  }
}

void CheckAcceptedDate(const DateValue& date, std::string_view text) {
  if (date.day == -1 && date.month == -1) {
    Require(PartInRange(date.year, 1, 32767), "a year alone is positive");
  } else {
    Require(PartInRange(date.day, 0, 31) && PartInRange(date.month, 1, 12) && PartInRange(date.year, 1, 9999),
            "an accepted date has its parts in range");
  }
  DateTimeValue withTime{};
  Require(ParseDate(withTime, text, nullptr) == kParseAccepted && withTime.Date() == DateValue{0, date.day, date.month, date.year},
          "a date reads the same into a date with time");
  Require(CompareDates(date, date) == (date.year > 0 ? kSameDate : kNotComparable), "a date equals itself");
  CheckFormatReadsBack(date);
  CheckRepublicanRoundTrip(date);
  CheckWeekday(date, text);
  ExerciseDateTexts(date);
}

// The date read from text (the empty date when it was refused); calendar Gregorian.
DateValue CheckDate(std::string_view text) {
  ScriptedPrompter prompter;
  DateValue date = kUntouchedDate;
  const int16_t result = ParseDate(date, text, &prompter);
  if (result == kParseRejected) {
    Require(date == kUntouchedDate, "a refused date changes nothing");
    const DateTextStatus status = ReadDateText(text).status;
    Require(OnlyMessage(prompter) == DateTextMessageId(status) && DateTextMessageId(status) != 0,
            "a refused date is reported with the message of its fault");
    return DateValue{kGregorian, -1, -1, -1};
  }
  Require(prompter.Empty(), "an accepted date shows no message");
  Require(date.calendar == kUntouchedDate.calendar, "reading a date leaves the calendar tag alone");
  date.calendar = kGregorian;
  if (text.empty()) {
    Require(result == kParseEmpty && date == DateValue{kGregorian, -1, -1, -1}, "an empty text is the unknown date");
    return date;
  }
  Require(result == kParseAccepted, "a text is either accepted or refused");
  CheckAcceptedDate(date, text);
  return date;
}

void CheckTime(std::string_view text) {
  ScriptedPrompter prompter;
  DateTimeValue time{};
  time.hour = kUntouchedTime;
  time.minute = kUntouchedTime;
  const int16_t result = ParseTime(time, text, &prompter);
  if (result == kParseRejected) {
    Require(time.hour == kUntouchedTime && time.minute == kUntouchedTime, "a refused time changes nothing");
    const int id = OnlyMessage(prompter);
    Require(id == 8264 || id == 8265, "a refused time is reported with 8264 or 8265");
    return;
  }
  Require(result == (text.empty() ? kParseEmpty : kParseAccepted), "a time is accepted, empty or refused");
  Require(PartInRange(time.hour, 0, 23) && PartInRange(time.minute, 0, 59), "an accepted time has its parts in range");
  const std::string formatted = FormatTime(time);
  DateTimeValue again{};
  Require(ParseTime(again, formatted, nullptr) != kParseRejected && FormatTime(again) == formatted,
          "a formatted time formats the same after reading");
}

constexpr int16_t Mirrored(int16_t comparison) {
  if (comparison == kBEarlier) return kBLater;
  if (comparison == kBLater) return kBEarlier;
  return comparison;
}

void FuzzOne(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const size_t lineBreak = input.find('\n');
  const std::string_view first = input.substr(0, lineBreak);
  const std::string_view second = lineBreak == std::string_view::npos ? std::string_view() : input.substr(lineBreak + 1);

  const DateValue a = CheckDate(first);
  const DateValue b = CheckDate(second);
  Require(CompareDates(b, a) == Mirrored(CompareDates(a, b)), "comparing the other way round gives the mirrored answer");
  CheckTime(first);
  CheckTime(second);
}

}  // namespace
}  // namespace vl::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::fuzz::FuzzOne(data, size);
  return 0;
}
