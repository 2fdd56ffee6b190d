#pragma once
// A parent's life span as the plausibility checks see it: the two estimates with their source codes.
#include <cstdint>
#include <optional>

#include "dates/date_value.hpp"
#include "storage/person_card.hpp"

namespace vl {

struct LifeBound {
  DateValue date;
  int16_t source = -1;  // 1..4 as the estimates give it
};

// EarliestBirthEstimate, or nullopt when nothing is known.
std::optional<LifeBound> EarliestBound(const PersonCard& card);

// LatestLifeEstimate, or nullopt when nothing is known or when the estimate's year would lie
// beyond 32767: such an estimate cannot be held in a 16-bit year and says nothing.
std::optional<LifeBound> LatestBound(const PersonCard& card);

}  // namespace vl
