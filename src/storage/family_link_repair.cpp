#include "storage/family_link_repair.hpp"

#include <map>
#include <set>
#include <tuple>
#include <unordered_set>
#include <utility>

namespace vl {
namespace {

using ParentChild = std::pair<const PersonCard*, const PersonCard*>;
// card, spouse and kind: a couple has at most one union of each kind, whatever slot each side
// records for its certificate
using UnionKey = std::tuple<const PersonCard*, const PersonCard*, uint16_t>;

struct PairHash {
  size_t operator()(const ParentChild& p) const {
    return std::hash<const void*>()(p.first) * 31 + std::hash<const void*>()(p.second);
  }
};

bool NamesAsParent(const PersonCard& child, const PersonCard* parent) {
  return child.father == parent || child.mother == parent;
}

size_t DropSelfLinks(PersonCard& card) {
  size_t dropped = 0;
  for (PersonCard** parent : {&card.father, &card.mother}) {
    if (*parent != &card) continue;
    *parent = nullptr;
    ++dropped;
  }
  dropped += std::erase_if(card.unions, [&card](const UnionEntry& u) { return u.spouse == &card; });
  return dropped;
}

// Keeps each child once, and only when the child names this card as a parent. A link to a
// person number that no card has is no damage (a card without a name is never saved): it goes
// without being counted.
size_t DropUnconfirmedChildren(PersonCard& parent) {
  std::erase_if(parent.children, [](const ChildLink& link) { return link.child == nullptr; });
  std::unordered_set<const PersonCard*> seen;
  return std::erase_if(parent.children, [&](const ChildLink& link) {
    return !NamesAsParent(*link.child, &parent) || !seen.insert(link.child).second;
  });
}

size_t AddMissingChildLinks(PersonIndex& persons) {
  std::unordered_set<ParentChild, PairHash> linked;
  for (const PersonCard& parent : persons) {
    for (const ChildLink& link : parent.children) linked.insert({&parent, link.child});
  }
  size_t added = 0;
  for (PersonCard& child : persons) {
    for (PersonCard* parent : {child.father, child.mother}) {
      if (parent != nullptr && linked.insert({parent, &child}).second) {
        parent->children.push_back(ChildLink{&child, 0});
        ++added;
      }
    }
  }
  return added;
}

std::map<UnionKey, size_t> CountUnions(const PersonIndex& persons) {
  std::map<UnionKey, size_t> counts;
  for (const PersonCard& card : persons) {
    for (const UnionEntry& u : card.unions) {
      if (u.spouse != nullptr) ++counts[{&card, u.spouse, u.kind}];
    }
  }
  return counts;
}

// A union entry that the spouse does not record as often is copied to the spouse, in index
// and list order, so the result does not depend on where the cards lie in memory.
size_t AddMissingUnions(PersonIndex& persons) {
  std::map<UnionKey, size_t> counts = CountUnions(persons);
  std::map<UnionKey, size_t> seen;
  std::vector<std::pair<PersonCard*, UnionEntry>> missing;
  for (PersonCard& card : persons) {
    for (const UnionEntry& u : card.unions) {
      if (u.spouse == nullptr) continue;
      size_t occurrence = ++seen[{&card, u.spouse, u.kind}];
      auto mirrored = counts.find({u.spouse, &card, u.kind});
      if (mirrored != counts.end() && occurrence <= mirrored->second) continue;
      UnionEntry mirror = u;
      mirror.spouse = &card;
      missing.emplace_back(u.spouse, std::move(mirror));
    }
  }
  for (auto& [spouse, entry] : missing) spouse->unions.push_back(std::move(entry));
  return missing.size();
}

}  // namespace

size_t RepairFamilyLinks(PersonIndex& persons) {
  size_t repairs = 0;
  for (PersonCard& card : persons) repairs += DropSelfLinks(card);
  for (PersonCard& card : persons) repairs += DropUnconfirmedChildren(card);
  repairs += AddMissingChildLinks(persons);
  repairs += AddMissingUnions(persons);
  if (repairs > 0) persons.Modified().Set();
  return repairs;
}

std::optional<std::string> FindFamilyLinkDamage(const PersonIndex& persons) {
  std::unordered_set<const PersonCard*> cards;
  for (const PersonCard& card : persons) cards.insert(&card);
  auto inIndex = [&cards](const PersonCard* p) { return p == nullptr || cards.count(p) > 0; };
  auto name = [](const PersonCard& card) { return "person " + std::to_string(card.number); };

  std::unordered_set<ParentChild, PairHash> childLinks;
  for (const PersonCard& card : persons) {
    if (!inIndex(card.father) || !inIndex(card.mother)) return name(card) + ": parent outside the index";
    if (card.father == &card || card.mother == &card) return name(card) + ": own parent";
    for (const ChildLink& link : card.children) {
      if (link.child == nullptr || !cards.count(link.child)) return name(card) + ": child outside the index";
      if (!childLinks.insert({&card, link.child}).second) return name(card) + ": child listed twice";
      if (!NamesAsParent(*link.child, &card)) return name(card) + ": child does not name it as parent";
    }
    for (const UnionEntry& u : card.unions) {
      if (!inIndex(u.spouse)) return name(card) + ": spouse outside the index";
      if (u.spouse == &card) return name(card) + ": married to itself";
    }
  }
  for (const PersonCard& card : persons) {
    for (const PersonCard* parent : {card.father, card.mother}) {
      if (parent != nullptr && !childLinks.count({parent, &card})) return name(card) + ": parent lacks child link";
    }
  }
  std::map<UnionKey, size_t> counts = CountUnions(persons);
  for (const auto& [key, count] : counts) {
    const auto& [card, spouse, kind] = key;
    auto mirrored = counts.find({spouse, card, kind});
    if (mirrored == counts.end() || mirrored->second != count) return name(*card) + ": union not mirrored";
  }
  return std::nullopt;
}

}  // namespace vl
