#include "dates/date_text.hpp"

#include <fmt/format.h>

#include "dates/calendar_names.hpp"
#include "dates/republican_calendar.hpp"

namespace vl {
namespace {

// Mode 0 digits, 1 Gregorian month names, 2 Republican (the month-name flag no longer matters).
struct DateForText {
  int mode = 0;
  DateValue date;
  bool dayKnown = false;
  bool monthKnown = false;
  bool yearKnown = false;
};

DateForText Prepare(const DateValue& date, bool monthNames, bool republican) {
  DateForText prepared{monthNames ? 1 : 0, date};
  if (republican) {
    DateValue converted = date;
    if (GregorianToRepublican(converted) == 1) {
      prepared.mode = 2;
      prepared.date = converted;
    }
  }
  prepared.dayKnown = prepared.date.day != -1 && prepared.date.day != 0;
  prepared.monthKnown = prepared.date.month != -1 && prepared.date.month != 0;
  prepared.yearKnown = prepared.date.year != -1 && prepared.date.year != 0;
  return prepared;
}

std::string DayPart(const DateForText& d) {
  return fmt::format("{:02d}{}", d.date.day, d.mode == 0 ? "." : ". ");
}

std::string MonthPart(const DateForText& d) {
  if (d.mode == 0) return fmt::format("{:02d}.", d.date.month);
  if (d.mode == 1) return GregorianMonthName(d.date.month) + " ";
  return RepublicanMonthName(d.date.month) + " ";
}

std::string YearPart(const DateForText& d) {
  if (d.mode == 2) return RepublicanYearName(d.date.year);
  return fmt::format("{}", d.date.year);
}

}  // namespace

std::string TreeDateText(const DateValue& date, bool monthNames, bool republican) {
  const DateForText d = Prepare(date, monthNames, republican);
  const char* unknown = d.mode == 0 ? "?." : "? ";
  if (!d.dayKnown && !d.monthKnown && !d.yearKnown) return "";
  if (!d.dayKnown && !d.monthKnown) return YearPart(d);
  if (!d.dayKnown && d.monthKnown && d.yearKnown && d.mode == 1) {
    return GregorianMonthName(d.date.month) + " " + YearPart(d);
  }
  std::string text = d.dayKnown ? DayPart(d) : unknown;
  text += d.monthKnown ? MonthPart(d) : unknown;
  text += d.yearKnown ? YearPart(d) : "?";
  return text;
}

std::string ListDateText(const DateValue& date, bool monthNames, bool republican) {
  const DateForText d = Prepare(date, monthNames, republican);
  if (!d.dayKnown && !d.monthKnown && !d.yearKnown) return "";
  if (!d.dayKnown && !d.monthKnown) return " im " + (d.mode == 2 ? YearPart(d) : "Jahre " + YearPart(d));
  if (!d.dayKnown && d.monthKnown && d.yearKnown && d.mode == 1) {
    return " im " + GregorianMonthName(d.date.month) + " " + YearPart(d);
  }
  std::string text;
  if (d.dayKnown) text += DayPart(d);
  if (d.monthKnown) text += MonthPart(d);
  if (d.yearKnown) text += YearPart(d);
  return text;
}

}  // namespace vl
