#pragma once
// The plausibility checks run before a certificate or person card is saved. Refusals are shown
// as error or information boxes, warnings as continue boxes; the first failure ends a check.
#include <cstdint>
#include <string_view>

#include "common/prompter.hpp"
#include "storage/person_card.hpp"
#include "storage/person_index.hpp"

namespace vl {

// The number at the start of a text as atoi reads it (leading blanks, sign, digits), bounded.
long long LeadingNumber(std::string_view text);

// The text of an "Alter" field: empty passes; 0 or less is refused (8118); above 150 asks 8119.
bool CheckAgeField(std::string_view text, Prompter& prompter);

// The person's own events in order: baptism, death and unions against birth, death against
// baptism and unions. Fails when the number names no card.
bool CheckLifeOrder(const PersonIndex& index, uint16_t person, Prompter& prompter);
bool CheckLifeOrder(const PersonCard& person, Prompter& prompter);

// Father and mother against each other. Passes when either number names no card.
bool CheckParents(const PersonIndex& index, uint16_t father, uint16_t mother, Prompter& prompter);
bool CheckParents(const PersonCard& father, const PersonCard& mother, Prompter& prompter);

// The child's relations and dates against each parent present (0 for none). Fails when the
// child number names no card; a parent number that names no card counts as none.
bool CheckChildAgainstParents(const PersonIndex& index, uint16_t child, uint16_t father, uint16_t mother,
                              Prompter& prompter);
bool CheckChildAgainstParents(const PersonCard& child, const PersonCard* father, const PersonCard* mother,
                              Prompter& prompter);

// A couple of whom one is recorded as a child of the other (8236); false after the message.
bool CheckUnionRelation(const PersonCard& groom, const PersonCard& bride, Prompter& prompter);

}  // namespace vl
