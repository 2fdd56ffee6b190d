#include "records/life_bounds.hpp"

#include <algorithm>
#include <limits>

#include "dates/life_estimates.hpp"

namespace vl {
namespace {

int LatestUnionYear(const PersonCard& card) {
  int latest = 0;
  for (const UnionEntry& entry : card.unions) latest = std::max<int>(latest, entry.date.year);
  return latest;
}

// The year the estimate was derived from and the years it added, by source code.
int SourceYearPlusMargin(const PersonCard& card, int16_t source) {
  switch (source) {
    case 2: return LatestUnionYear(card) + 100;
    case 3: return card.birth.year + 150;
    case 4: return card.baptism.year + 150;
    default: return 0;
  }
}

}  // namespace

std::optional<LifeBound> EarliestBound(const PersonCard& card) {
  // Source years are 1 or more, so subtracting 100 or 150 always stays within 16 bits.
  LifeBound bound;
  bound.source = EarliestBirthEstimate(card, bound.date);
  if (bound.source < 1 || bound.source > 4) return std::nullopt;
  return bound;
}

std::optional<LifeBound> LatestBound(const PersonCard& card) {
  LifeBound bound;
  bound.source = LatestLifeEstimate(card, bound.date);
  if (bound.source < 1 || bound.source > 4) return std::nullopt;
  if (SourceYearPlusMargin(card, bound.source) > std::numeric_limits<int16_t>::max()) return std::nullopt;
  return bound;
}

}  // namespace vl
