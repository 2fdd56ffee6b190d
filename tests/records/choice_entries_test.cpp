#include <gtest/gtest.h>

#include "common/scripted_prompter.hpp"
#include "records/choice_entries.hpp"
#include "storage/card_file.hpp"

namespace vl {
namespace {

TEST(ChoiceEntries, PersonsAreSortedAlphabeticallyWithUmlautsAmongTheirLetters) {
  ScriptedPrompter prompter;
  CardFile card(prompter);
  for (const char* name : {"Zander Paul", "\xC4hnlich Maria", "adler Otto", "Bauer Jakob"}) card.persons.Create(name, 4);
  card.persons.Create("", 0);
  auto entries = PersonChoiceEntries(card.persons, 9);
  SortChoiceEntries(entries);
  std::vector<std::string> texts;
  for (const auto& e : entries) texts.push_back(e.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"adler Otto", "\xC4hnlich Maria", "Bauer Jakob", "Zander Paul"}));
}

TEST(ChoiceEntries, IdentityLinesLeaveOutWhatIsNotKnown) {
  ScriptedPrompter prompter;
  CardFile card(prompter);
  PersonCard* p = card.persons.Create("Meier Anna", 5);
  p->birth = DateTimeValue{0, 1, 2, 1850, 0, 0};
  p->birthPlace = "Ulm";
  p->death = DateTimeValue{0, -1, -1, 1920, 0, 0};
  IdentityLines lines = IdentityOf(p);
  EXPECT_EQ(lines.name, "Meier Anna");
  EXPECT_EQ(lines.birth, "* 01.02.1850 (Ulm)");
  EXPECT_EQ(lines.baptism, "");
  EXPECT_EQ(lines.death, "\x86 1920");
  EXPECT_EQ(IdentityOf(nullptr), IdentityLines{});
}

}  // namespace
}  // namespace vl
