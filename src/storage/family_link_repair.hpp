#pragma once
// Bringing the two sides of every family link into agreement after loading a damaged or foreign
// file. A child's own father and mother are taken as true: a parent's child link that the child
// does not confirm is dropped, a parent the child names gets the missing child link. A union
// recorded by one spouse only is copied to the other. Links of a card to itself are dropped.
#include <cstddef>
#include <optional>
#include <string>

#include "storage/person_index.hpp"

namespace vl {

// Returns the number of links that were dropped or completed.
size_t RepairFamilyLinks(PersonIndex& persons);

// The first link that is one-sided, repeated, pointing to itself or to a card outside the index,
// described for a test failure; nullopt when every link is sound.
std::optional<std::string> FindFamilyLinkDamage(const PersonIndex& persons);

}  // namespace vl
