#pragma once
// How early a person can have been born and how late the life can have ended, from incomplete data.
#include <cstdint>

#include "dates/date_value.hpp"
#include "storage/person_card.hpp"

namespace vl {

// Source codes: 1 birth, 2 baptism, 3 earliest union minus 100 years, 4 death minus 150 years; -1 none.
// Day, month and year of the out-value are set to 0 first; its calendar tag is left alone.
int16_t EarliestBirthEstimate(const PersonCard& card, DateValue& estimate);

// Source codes: 1 death, 2 latest union plus 100 years, 3 birth plus 150, 4 baptism plus 150; -1 none.
int16_t LatestLifeEstimate(const PersonCard& card, DateValue& estimate);

}  // namespace vl
