#pragma once
// Stored date and date-time values: signed 16-bit words, -1 for an unknown part.
#include <cstdint>

namespace vl {

enum : int16_t { kGregorian = 0, kRepublican = 1 };

struct DateValue {
  int16_t calendar = 0;
  int16_t day = 0;
  int16_t month = 0;
  int16_t year = 0;
  bool operator==(const DateValue&) const = default;
};

struct DateTimeValue {
  int16_t calendar = 0;
  int16_t day = 0;
  int16_t month = 0;
  int16_t year = 0;
  int16_t hour = 0;
  int16_t minute = 0;
  bool operator==(const DateTimeValue&) const = default;
  DateValue Date() const { return DateValue{calendar, day, month, year}; }
};

constexpr int kDateValueSize = 8;
constexpr int kDateTimeValueSize = 12;

DateValue ReadDateValue(const uint8_t* p);
void WriteDateValue(uint8_t* p, const DateValue& value);
DateTimeValue ReadDateTimeValue(const uint8_t* p);
void WriteDateTimeValue(uint8_t* p, const DateTimeValue& value);

// Result of CompareDates, read from B's point of view.
enum : int16_t { kNotComparable = -1, kSameDate = 0, kBEarlier = 1, kBLater = 2 };
int16_t CompareDates(const DateValue& a, const DateValue& b);

}  // namespace vl
