#pragma once
// Person cards in a card file of their own, and a scripted prompter for the checks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/scripted_prompter.hpp"
#include "storage/card_file.hpp"

namespace vl::test {

inline DateTimeValue DT(int day, int month, int year) {
  return DateTimeValue{0, static_cast<int16_t>(day), static_cast<int16_t>(month), static_cast<int16_t>(year), -1, -1};
}
inline DateTimeValue Year(int year) { return DT(-1, -1, year); }
inline const DateTimeValue kNoDate = DT(-1, -1, -1);

class PlausibilityTest : public ::testing::Test {
 protected:
  // fullName in Windows-1252, surname first
  PersonCard& Person(const std::string& fullName, char sex = ' ') {
    PersonCard* card = file.persons.Create(fullName, static_cast<uint16_t>(fullName.find(' ')));
    card->sex = sex;
    return *card;
  }

  static void AddUnionOn(PersonCard& person, PersonCard* spouse, DateTimeValue date, uint16_t kind = 1) {
    UnionEntry entry;
    entry.spouse = spouse;
    entry.date = date;
    entry.kind = kind;
    person.unions.push_back(entry);
  }

  // Father or mother of the child on both sides of the link.
  static void MakeParent(PersonCard& parent, PersonCard& child, bool asFather) {
    (asFather ? child.father : child.mother) = &parent;
    parent.children.push_back(ChildLink{&child, 0});
  }

  std::vector<int> Ids() const { return prompter.Ids(); }

  ScriptedPrompter storagePrompter;
  CardFile file{storagePrompter};
  ScriptedPrompter prompter{true};  // continue unless a test queues a cancel
};

}  // namespace vl::test
