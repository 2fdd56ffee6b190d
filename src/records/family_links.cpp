#include "records/family_links.hpp"

#include <algorithm>

#include "common/cp1252.hpp"
#include "records/plausibility_checks.hpp"

namespace vl {
namespace {

// 1-based position of the first union with `spouse`; 0 when there is none.
uint16_t UnionPosition(const PersonCard& person, const PersonCard* spouse) {
  for (size_t i = 0; i < person.unions.size(); ++i) {
    if (person.unions[i].spouse == spouse) return static_cast<uint16_t>(i + 1);
  }
  return 0;
}

std::vector<ChildLink>::iterator FindChildLink(PersonCard& parent, const PersonCard& child) {
  return std::find_if(parent.children.begin(), parent.children.end(),
                      [&child](const ChildLink& link) { return link.child == &child; });
}

// Makes `parent` the child's father or mother (`slot` is child.father or child.mother).
// A parent's child list holds one link per child even when the card is recorded as both of its
// parents, so a link is dropped only when the old parent no longer is either.
bool AttachParent(PersonCard& child, PersonCard*& slot, PersonCard* parent, uint16_t unionIndex) {
  if (parent == nullptr || slot == parent || parent == &child) return false;
  PersonCard* old = slot;
  slot = parent;
  if (old != nullptr && old != child.father && old != child.mother) {
    auto it = FindChildLink(*old, child);
    if (it != old->children.end()) old->children.erase(it);
  }
  auto existing = FindChildLink(*parent, child);
  if (existing != parent->children.end()) {
    existing->unionIndex = unionIndex;
  } else {
    parent->children.push_back(ChildLink{&child, unionIndex});
  }
  return true;
}

// The new entry takes the place of the first entry of the same spouse and kind, else goes at
// the end; returns its 1-based position.
uint16_t PutUnion(PersonCard& person, UnionEntry entry) {
  auto& unions = person.unions;
  auto same = std::find_if(unions.begin(), unions.end(), [&entry](const UnionEntry& u) {
    return u.spouse == entry.spouse && u.kind == entry.kind;
  });
  if (same != unions.end()) {
    *same = std::move(entry);
    return static_cast<uint16_t>(same - unions.begin() + 1);
  }
  unions.push_back(std::move(entry));
  return static_cast<uint16_t>(unions.size());
}

void RenumberChildren(PersonCard& owner, const PersonCard& groom, const PersonCard& bride, uint16_t index,
                      bool church) {
  for (ChildLink& link : owner.children) {
    const PersonCard* child = link.child;
    if (child == nullptr) continue;
    if (child->father == &groom && child->mother == &bride) {
      link.unionIndex = index;
    } else if ((child->father == &groom && child->mother == nullptr) ||
               (child->father == nullptr && child->mother == &bride)) {
      link.unionIndex = church ? index : 0;
    }
  }
}

// Removes the first union with `spouse`; its 1-based position, 0 when there was none.
}  // namespace

void LinkChildToParents(PersonCard& child, PersonCard* father, PersonCard* mother, ChildLinkMode mode,
                        ModifiedFlag& modified) {
  uint16_t fatherIndex = 0;
  uint16_t motherIndex = 0;
  if (father != nullptr && mother != nullptr && mode == ChildLinkMode::Normal) {
    fatherIndex = UnionPosition(*father, mother);
    motherIndex = UnionPosition(*mother, father);
  }
  bool changed = AttachParent(child, child.father, father, fatherIndex);
  changed = AttachParent(child, child.mother, mother, motherIndex) || changed;
  if (changed) modified.Set();
}

int AddUnion(PersonCard& groom, bool church, UnionEntry forGroom, UnionEntry forBride, ModifiedFlag& modified,
             Prompter& prompter) {
  PersonCard* bride = forGroom.spouse;
  if (bride == nullptr) return -1;
  // A union of a card with itself would make it its own spouse.
  if (bride == &groom) {
    prompter.ShowInformation(Msg(8179));
    return -1;
  }
  if (!CheckUnionRelation(groom, *bride, prompter)) return -1;
  if (groom.sex == 'F') {
    prompter.ShowInformation(Msg(8237, Cp1252ToUtf8(groom.fullName)));
    return -1;
  }
  if (bride->sex == 'H') {
    prompter.ShowInformation(Msg(8238, Cp1252ToUtf8(bride->fullName)));
    return -1;
  }
  // Both sides record the same union: its kind is the groom's entry's.
  forBride.kind = forGroom.kind;
  forBride.spouse = &groom;
  uint16_t groomIndex = PutUnion(groom, std::move(forGroom));
  uint16_t brideIndex = PutUnion(*bride, std::move(forBride));
  RenumberChildren(groom, groom, *bride, groomIndex, church);
  RenumberChildren(*bride, groom, *bride, brideIndex, church);
  modified.Set();
  return 1;
}

int RemoveUnion(PersonCard& a, PersonCard& b, ModifiedFlag& modified, Prompter& prompter) {
  if (&a == &b) {
    prompter.ShowInformation(Msg(8179));
    return -1;
  }
  const bool fromA = EraseUnion(a, [&b](const UnionEntry& entry) { return entry.spouse == &b; });
  const bool fromB = EraseUnion(b, [&a](const UnionEntry& entry) { return entry.spouse == &a; });
  if (!fromA && !fromB) return -1;
  modified.Set();
  return 1;
}

}  // namespace vl
