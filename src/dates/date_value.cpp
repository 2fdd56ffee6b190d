#include "dates/date_value.hpp"

#include "common/byte_io.hpp"

namespace vl {

DateValue ReadDateValue(const uint8_t* p) { return DateValue{GetI16(p), GetI16(p + 2), GetI16(p + 4), GetI16(p + 6)}; }

void WriteDateValue(uint8_t* p, const DateValue& v) {
  PutI16(p, v.calendar);
  PutI16(p + 2, v.day);
  PutI16(p + 4, v.month);
  PutI16(p + 6, v.year);
}

DateTimeValue ReadDateTimeValue(const uint8_t* p) {
  return DateTimeValue{GetI16(p), GetI16(p + 2), GetI16(p + 4), GetI16(p + 6), GetI16(p + 8), GetI16(p + 10)};
}

void WriteDateTimeValue(uint8_t* p, const DateTimeValue& v) {
  WriteDateValue(p, v.Date());
  PutI16(p + 8, v.hour);
  PutI16(p + 10, v.minute);
}

int16_t CompareDates(const DateValue& a, const DateValue& b) {
  if (a.year <= 0 || b.year <= 0) return kNotComparable;
  if (a.day == b.day && a.month == b.month && a.year == b.year) return kSameDate;
  if (b.year != a.year) return b.year > a.year ? kBLater : kBEarlier;
  if (a.month <= 0 || b.month <= 0) return kSameDate;
  if (b.month != a.month) return b.month > a.month ? kBLater : kBEarlier;
  if (a.day <= 0 || b.day <= 0) return kSameDate;
  return b.day > a.day ? kBLater : kBEarlier;
}

}  // namespace vl
