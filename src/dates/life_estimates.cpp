#include "dates/life_estimates.hpp"

#include <algorithm>
#include <optional>

namespace vl {
namespace {

// Years stay within 16 bits; a shifted year that would not fit sticks at the border.
int16_t ShiftedYear(int16_t year, int years) {
  return static_cast<int16_t>(std::clamp(year + years, static_cast<int>(INT16_MIN), static_cast<int>(INT16_MAX)));
}

bool HasYear(const DateTimeValue& date) { return date.year >= 1; }

void CopyDate(const DateTimeValue& from, DateValue& to, int years) {
  to.day = from.day;
  to.month = from.month;
  to.year = ShiftedYear(from.year, years);
}

void ClearDate(DateValue& date) {
  date.day = 0;
  date.month = 0;
  date.year = 0;
}

// The union date that CompareDates puts furthest towards `wanted` (earlier or later).
std::optional<DateValue> ExtremeUnionDate(const PersonCard& card, int16_t wanted) {
  std::optional<DateValue> best;
  for (const UnionEntry& entry : card.unions) {
    if (!HasYear(entry.date)) continue;
    const DateValue date = entry.date.Date();
    if (!best || CompareDates(*best, date) == wanted) best = date;
  }
  return best;
}

}  // namespace

int16_t EarliestBirthEstimate(const PersonCard& card, DateValue& estimate) {
  ClearDate(estimate);
  if (HasYear(card.birth)) {
    CopyDate(card.birth, estimate, 0);
    return 1;
  }
  if (HasYear(card.baptism)) {
    CopyDate(card.baptism, estimate, 0);
    return 2;
  }
  if (auto earliest = ExtremeUnionDate(card, kBEarlier)) {
    estimate.day = earliest->day;
    estimate.month = earliest->month;
    estimate.year = ShiftedYear(earliest->year, -100);
    return 3;
  }
  if (HasYear(card.death)) {
    CopyDate(card.death, estimate, -150);
    return 4;
  }
  return -1;
}

int16_t LatestLifeEstimate(const PersonCard& card, DateValue& estimate) {
  ClearDate(estimate);
  if (HasYear(card.death)) {
    CopyDate(card.death, estimate, 0);
    return 1;
  }
  if (auto latest = ExtremeUnionDate(card, kBLater)) {
    estimate.day = latest->day;
    estimate.month = latest->month;
    estimate.year = ShiftedYear(latest->year, 100);
    return 2;
  }
  if (HasYear(card.birth)) {
    estimate.year = ShiftedYear(card.birth.year, 150);
    return 3;
  }
  if (HasYear(card.baptism)) {
    estimate.year = ShiftedYear(card.baptism.year, 150);
    return 4;
  }
  return -1;
}

}  // namespace vl
