#pragma once
// Time stamps as stored in every header and record, taken from an injectable clock.
#include <cstdint>

namespace vl {

// Five signed 16-bit fields (10 bytes on disk); year counts from 1900.
struct TimeStamp {
  int16_t day = 0;
  int16_t month = 0;
  int16_t year = 0;
  int16_t hour = 0;
  int16_t minute = 0;
  bool operator==(const TimeStamp&) const = default;
};

constexpr int kTimeStampSize = 10;
TimeStamp ReadTimeStamp(const uint8_t* p);
void WriteTimeStamp(uint8_t* p, const TimeStamp& stamp);

class Clock {
 public:
  virtual ~Clock() = default;
  virtual TimeStamp Now() const = 0;
};

// The local time of the machine.
class SystemClock final : public Clock {
 public:
  TimeStamp Now() const override;
};

// Always the same instant; for tests and reproducible output.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(TimeStamp now) : now_(now) {}
  TimeStamp Now() const override { return now_; }
  void Set(TimeStamp now) { now_ = now; }

 private:
  TimeStamp now_;
};

}  // namespace vl
