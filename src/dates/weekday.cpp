#include "dates/weekday.hpp"

#include "common/cp1252.hpp"
#include "common/messages.hpp"
#include "dates/calendar_names.hpp"
#include "dates/calendar_rules.hpp"
#include "dates/date_parse.hpp"

namespace vl {

int DayOfWeek(int day, int month, int year) {
  const bool julian = year < 1582 || (year == 1582 && (month < 10 || (month == 10 && day < 15)));
  const int64_t dayNumber = julian ? JulianDayNumber(day, month, year) : GregorianDayNumber(day, month, year);
  return static_cast<int>(dayNumber % 7);
}

std::string WeekdayText(std::string_view text) {
  const DateTextReading reading = ReadDateText(text);
  // The gap is refused by the date reading itself; here it deserves its own answer.
  if (reading.status == DateTextStatus::GregorianGap) return Utf8ToCp1252(Msg(8266).text);
  if (reading.status != DateTextStatus::Accepted) return "";
  // A bare year, an unknown part or a day typed as 0 names no single day.
  if (reading.day < 1 || reading.month < 1 || reading.year < 1) return "";
  if (reading.year >= 2900) return "";
  const int weekday = DayOfWeek(reading.day, reading.month, reading.year);
  return Utf8ToCp1252(
      Msg(8267 + weekday, reading.day, Cp1252ToUtf8(GregorianMonthName(reading.month)), reading.year).text);
}

}  // namespace vl
