#pragma once
// Which fields of a certificate record link to person cards, by kind and role, under the
// short names the entry windows use ("E", "P", "M", "C1", "EX", "EE", "PX", "MX", "PE", "ME",
// "T1".."T4").
#include <span>
#include <string_view>

#include "records/record_field.hpp"

namespace vl {

enum class LinkRole {
  MainPerson,   // "E": child or deceased
  Father,       // "P"
  Mother,       // "M"
  Spouse,       // "C1": spouse of the deceased (burial)
  Groom,        // "EX"
  Bride,        // "EE"
  GroomFather,  // "PX"
  GroomMother,  // "MX"
  BrideFather,  // "PE"
  BrideMother,  // "ME"
  Witness,      // "T1".."T4": witnesses or godparents
};

struct PersonLinkField {
  const char* name;
  LinkRole role;
  U16Field link;       // the person number, 0 for none
  bool keyPerson;      // the same number also goes to the header's key person field
  NameFields names;    // where the linked person's surname and given names stand
};

// The links of a kind in a fixed order: main persons, parents, spouse, witnesses.
std::span<const PersonLinkField> PersonLinksOfKind(int kind);
// nullptr when the kind has no link of that name.
const PersonLinkField* FindPersonLink(int kind, std::string_view name);

}  // namespace vl
