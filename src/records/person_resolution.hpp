#pragma once
// Finding the person cards that the blocks of a certificate name: by the link the window holds,
// else by full name (asking through the homonym window), else a new card.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/prompter.hpp"
#include "records/certificate_record.hpp"
#include "records/record_field.hpp"
#include "storage/person_index.hpp"

namespace vl {

// What a block resolved to. refused: the homonym window gave no answer; the save stops.
struct Resolved {
  PersonCard* person = nullptr;
  bool refused = false;
  bool created = false;
};

// The card meant by fullName: none for an empty name or when no card carries it; otherwise
// the homonym window decides (an existing card, none for a new one, or refused).
Resolved ResolveByName(PersonIndex& persons, Prompter& prompter, std::string_view role, const std::string& fullName);

// Everything a resolution needs to know about one block of the record.
struct BlockToResolve {
  std::string_view role;  // "main", "father", ...
  NameFields names;
  U16Field link;
  uint16_t changedBit;    // the block's bit in the modification word
  char sex;               // given to the card: 'H', 'F'
};

// The main person (child, deceased): the linked card when it exists (renamed to the block's
// name when that differs), else by name when the link names no card or the name changed, else
// none; none becomes a new card. Sets the link and the sex.
Resolved ResolveMainPerson(PersonIndex& persons, Prompter& prompter, CertificateRecord& record,
                           const BlockToResolve& block, uint16_t changed);

// A parent: the linked card when its name is the block's, else by name when linked or the name
// changed. An empty block keeps `existing` (the parent the main person already has) and the
// link. A found card gets the link and the sex; none with a name becomes a new card.
Resolved ResolveParent(PersonIndex& persons, Prompter& prompter, CertificateRecord& record,
                       const BlockToResolve& block, uint16_t changed, PersonCard* existing);

// The homonym window's text: "Es gibt bereits 2 Person(en), \ndie den gleichen Namen  haben" (the
// format's blank and the word's own).
std::string HomonymCountText(size_t count);

}  // namespace vl
