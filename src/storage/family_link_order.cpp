// Date order of children and unions, and the union index of each child link.
#include <algorithm>
#include <optional>
#include <functional>

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

bool UnknownPart(int16_t part) { return part <= 0; }

// Stable sort of items[begin, end) by key, where items whose key is unknown stay in their places
// and the others are sorted between them: a part that is not known compares as equal to every
// value, so neighbour swaps can never carry an item past it. `then` refines each run of equal keys.
template <typename T, typename Key, typename Then>
void SortBetweenUnknown(std::vector<T>& items, size_t begin, size_t end, Key key, Then then) {
  size_t segment = begin;
  for (size_t i = begin; i <= end; ++i) {
    if (i < end && !UnknownPart(key(items[i]))) continue;
    std::stable_sort(items.begin() + segment, items.begin() + i,
                     [&key](const T& a, const T& b) { return key(a) < key(b); });
    for (size_t run = segment; run < i;) {
      size_t runEnd = run + 1;
      while (runEnd < i && key(items[runEnd]) == key(items[run])) ++runEnd;
      then(run, runEnd);
      run = runEnd;
    }
    segment = i + 1;
  }
}

// Orders items[begin, end), all with a known year, exactly as repeated passes of neighbour swaps
// do when they swap whenever CompareDates says that the second lies before the first. Because a
// missing month or day compares as equal, that relation is no order; but passes never swap two
// items it calls equal, so the result is: by year; within a year, the items of unknown month
// where they were among that year's items and the others sorted by month between them; within a
// month the same by day. This takes O(n log n) where the passes take O(n^2).
template <typename T, typename DateOf>
void OrderLikeNeighbourPasses(std::vector<T>& items, size_t begin, size_t end, DateOf dateOf) {
  std::stable_sort(items.begin() + begin, items.begin() + end,
                   [&dateOf](const T& a, const T& b) { return dateOf(a).year < dateOf(b).year; });
  auto month = [&dateOf](const T& item) { return dateOf(item).month; };
  auto day = [&dateOf](const T& item) { return dateOf(item).day; };
  auto byDay = [&](size_t from, size_t to) { SortBetweenUnknown(items, from, to, day, [](size_t, size_t) {}); };
  auto byMonth = [&](size_t from, size_t to) { SortBetweenUnknown(items, from, to, month, byDay); };
  for (size_t run = begin; run < end;) {
    size_t runEnd = run + 1;
    while (runEnd < end && dateOf(items[runEnd]).year == dateOf(items[run]).year) ++runEnd;
    byMonth(run, runEnd);
    run = runEnd;
  }
}

// Children without a reference date come first in their order, then the others by date.
// True when the second child lies before the first, as the passes see it.
bool ChildSwaps(const ChildLink& first, const ChildLink& second) {
  auto a = first.child ? ReferenceDate(*first.child) : std::nullopt;
  auto b = second.child ? ReferenceDate(*second.child) : std::nullopt;
  return a && (!b || CompareDates(*a, *b) == kBEarlier);
}

bool UnionSwaps(const UnionEntry& first, const UnionEntry& second) {
  return CompareDates(first.date.Date(), second.date.Date()) == kBEarlier;
}

// A list in which no pass would swap anything is already in its final order (the common case).
template <typename T, typename Swaps>
bool NoPassWouldSwap(const std::vector<T>& items, Swaps swaps) {
  return std::adjacent_find(items.begin(), items.end(), swaps) == items.end();
}

void SortChildren(PersonCard& card) {
  if (NoPassWouldSwap(card.children, ChildSwaps)) return;
  struct Keyed {
    ChildLink link;
    std::optional<DateValue> date;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(card.children.size());
  for (const ChildLink& link : card.children) {
    keyed.push_back({link, link.child ? ReferenceDate(*link.child) : std::nullopt});
  }
  auto dated = std::stable_partition(keyed.begin(), keyed.end(), [](const Keyed& k) { return !k.date; });
  OrderLikeNeighbourPasses(keyed, static_cast<size_t>(dated - keyed.begin()), keyed.size(),
                           [](const Keyed& k) { return *k.date; });
  for (size_t i = 0; i < keyed.size(); ++i) card.children[i] = keyed[i].link;
}

// A union whose year is unknown compares with nothing, so it never moves and nothing passes it.
void SortUnions(PersonCard& card) {
  if (NoPassWouldSwap(card.unions, UnionSwaps)) return;
  auto dateOf = [](const UnionEntry& entry) { return entry.date.Date(); };
  size_t segment = 0;
  for (size_t i = 0; i <= card.unions.size(); ++i) {
    if (i < card.unions.size() && card.unions[i].date.year >= 1) continue;
    OrderLikeNeighbourPasses(card.unions, segment, i, dateOf);
    segment = i + 1;
  }
}

// The union index counts civil marriages only; a later matching union overrides an earlier one.
void AssignUnionIndexes(PersonCard& parent) {
  if (parent.children.empty()) return;
  // (spouse, position among the civil marriages), the last one of each spouse found first
  std::vector<std::pair<const PersonCard*, uint16_t>> civil;
  uint16_t k = 1;
  for (const UnionEntry& entry : parent.unions) {
    if (entry.kind == 1) civil.emplace_back(entry.spouse, k++);
  }
  std::sort(civil.begin(), civil.end(), [](const auto& a, const auto& b) {
    return std::less<const PersonCard*>()(a.first, b.first) || (a.first == b.first && a.second > b.second);
  });
  auto indexWith = [&civil](const PersonCard* spouse) -> uint16_t {
    auto it = std::lower_bound(civil.begin(), civil.end(), spouse, [](const auto& entry, const PersonCard* key) {
      return std::less<const PersonCard*>()(entry.first, key);
    });
    return it != civil.end() && it->first == spouse ? it->second : 0;
  };
  for (ChildLink& link : parent.children) {
    link.unionIndex = 0;
    if (link.child == nullptr || civil.empty()) continue;
    if (link.child->father == &parent) link.unionIndex = std::max(link.unionIndex, indexWith(link.child->mother));
    if (link.child->mother == &parent) link.unionIndex = std::max(link.unionIndex, indexWith(link.child->father));
  }
}

}  // namespace

void PersonIndex::NormaliseFamilyLinks() {
  for (auto& entry : cards_) {
    SortChildren(*entry.second);
    SortUnions(*entry.second);
  }
  for (auto& entry : cards_) AssignUnionIndexes(*entry.second);
  linksInOrder_ = true;
}

void PersonIndex::NormaliseFamilyLinksAround(const std::vector<PersonCard*>& touched) {
  if (!linksInOrder_) {
    NormaliseFamilyLinks();
    return;
  }
  // A card's dates order its parents' child lists, so the parents are touched as well.
  std::vector<PersonCard*> cards;
  for (PersonCard* card : touched) {
    if (card == nullptr) continue;
    cards.insert(cards.end(), {card, card->father, card->mother});
  }
  std::erase(cards, nullptr);
  std::sort(cards.begin(), cards.end(), std::less<PersonCard*>());
  cards.erase(std::unique(cards.begin(), cards.end()), cards.end());
  for (PersonCard* card : cards) {
    SortChildren(*card);
    SortUnions(*card);
  }
  for (PersonCard* card : cards) AssignUnionIndexes(*card);
}

}  // namespace vl
