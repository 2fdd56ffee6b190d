#pragma once
// Linking children to parents and spouses to each other, keeping child lists, union lists and
// union indexes of both sides consistent.
#include "common/prompter.hpp"
#include "storage/modified_flag.hpp"
#include "storage/person_card.hpp"

namespace vl {

enum class ChildLinkMode {
  Normal,         // union indexes point at the parents' union with each other
  OutsideUnion,   // a child not born in the parents' union: union indexes 0
};

// Makes father and mother (each may be null: that side is kept) the parents of the child,
// moving the child out of the child list of a parent it had before.
void LinkChildToParents(PersonCard& child, PersonCard* father, PersonCard* mother, ChildLinkMode mode,
                        ModifiedFlag& modified);

// Adds the union of the groom with forGroom.spouse (the bride) to both union lists, replacing
// an entry of the same couple and kind in place. Both entries take forGroom's kind (1 civil
// marriage, 4 church wedding); the church flag only decides how the couple's children are
// renumbered. 1 added, -1 refused after a message.
int AddUnion(PersonCard& groom, bool church, UnionEntry forGroom, UnionEntry forBride, ModifiedFlag& modified,
             Prompter& prompter);

// Removes the first union of a with b and of b with a. 1 removed, -1 when there was none or
// both are the same card (8179).
int RemoveUnion(PersonCard& a, PersonCard& b, ModifiedFlag& modified, Prompter& prompter);

}  // namespace vl
