#include "common/clock.hpp"

#include <ctime>

#include "common/byte_io.hpp"

namespace vl {

TimeStamp ReadTimeStamp(const uint8_t* p) {
  return TimeStamp{GetI16(p), GetI16(p + 2), GetI16(p + 4), GetI16(p + 6), GetI16(p + 8)};
}

void WriteTimeStamp(uint8_t* p, const TimeStamp& stamp) {
  PutI16(p, stamp.day);
  PutI16(p + 2, stamp.month);
  PutI16(p + 4, stamp.year);
  PutI16(p + 6, stamp.hour);
  PutI16(p + 8, stamp.minute);
}

TimeStamp SystemClock::Now() const {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return TimeStamp{static_cast<int16_t>(local.tm_mday), static_cast<int16_t>(local.tm_mon + 1),
                   static_cast<int16_t>(local.tm_year), static_cast<int16_t>(local.tm_hour),
                   static_cast<int16_t>(local.tm_min)};
}

}  // namespace vl
