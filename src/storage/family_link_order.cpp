// Date order of children and unions, and the union index of each child link.
#include <optional>

#include "storage/person_index.hpp"

namespace vl {
namespace {

std::optional<DateValue> ReferenceDate(const PersonCard& child) {
  DateValue birth = child.birth.Date();
  DateValue baptism = child.baptism.Date();
  bool hasBirth = birth.year >= 1;
  bool hasBaptism = baptism.year >= 1;
  if (hasBirth && hasBaptism) {
    // the baptism unless the birth lies before it
    return CompareDates(baptism, birth) == kBEarlier ? birth : baptism;
  }
  if (hasBirth) return birth;
  if (hasBaptism) return baptism;
  return std::nullopt;
}

// Neighbour-swapping passes until one pass swaps nothing; CompareDates is not a strict
// order (a bare year equals every date of that year), so this keeps exactly the order the
// passes give rather than what a general sort would produce.
template <typename T, typename Before>
void SortByPasses(std::vector<T>& items, Before secondBeforeFirst) {
  if (items.size() < 2) return;
  bool swapped = true;
  while (swapped) {
    swapped = false;
    for (size_t i = 0; i + 1 < items.size(); ++i) {
      if (secondBeforeFirst(items[i], items[i + 1])) {
        std::swap(items[i], items[i + 1]);
        swapped = true;
      }
    }
  }
}

void SortChildren(PersonCard& card) {
  struct Keyed {
    ChildLink link;
    std::optional<DateValue> date;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(card.children.size());
  for (const ChildLink& link : card.children) {
    keyed.push_back({link, link.child ? ReferenceDate(*link.child) : std::nullopt});
  }
  SortByPasses(keyed, [](const Keyed& first, const Keyed& second) {
    if (first.date && !second.date) return true;
    return first.date && second.date && CompareDates(*first.date, *second.date) == kBEarlier;
  });
  for (size_t i = 0; i < keyed.size(); ++i) card.children[i] = keyed[i].link;
}

void SortUnions(PersonCard& card) {
  SortByPasses(card.unions, [](const UnionEntry& first, const UnionEntry& second) {
    return CompareDates(first.date.Date(), second.date.Date()) == kBEarlier;
  });
}

void AssignUnionIndexes(PersonCard& parent) {
  for (ChildLink& link : parent.children) {
    link.unionIndex = 0;
    if (link.child == nullptr) continue;
    uint16_t k = 1;
    for (const UnionEntry& entry : parent.unions) {
      if (entry.kind != 1) continue;
      bool fatherAndMother = link.child->father == &parent && link.child->mother == entry.spouse;
      bool motherAndFather = link.child->mother == &parent && link.child->father == entry.spouse;
      if (fatherAndMother || motherAndFather) link.unionIndex = k;
      ++k;
    }
  }
}

}  // namespace

void PersonIndex::NormaliseFamilyLinks() {
  for (auto& entry : cards_) {
    SortChildren(*entry.second);
    SortUnions(*entry.second);
  }
  for (auto& entry : cards_) AssignUnionIndexes(*entry.second);
}

}  // namespace vl
