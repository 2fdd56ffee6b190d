// Fuzz target: the person-card file FICHES.nnn as opening a card file reads it. The first two
// input bytes are the person count of an otherwise valid header; the rest is the file.
#include <algorithm>
#include <unordered_set>

#include "common/byte_io.hpp"
#include "common/scripted_prompter.hpp"
#include "fuzz_support.hpp"
#include "storage/card_file.hpp"
#include "storage/card_file_store.hpp"
#include "storage/family_link_repair.hpp"

namespace vl::fuzz {
namespace {

std::vector<uint8_t> HeaderWithPersonCount(uint16_t count) {
  CardFileHeader header;
  header.PrepareForNewCardFile(kFuzzNow);
  header.SetTitle("Kartei");
  header.SetPersonCount(count);
  return std::vector<uint8_t>(header.Raw().begin(), header.Raw().end());
}

int Load(const std::filesystem::path& dir, CardFile& card, Prompter& prompter) {
  const FixedClock clock(kFuzzNow);
  return LoadHeaderAndPersons(StoreContext{dir, prompter, clock}, card, 1);
}

// Links may be missing, but never point at anything but a card of the index.
void CheckLinksPointIntoIndex(const PersonIndex& persons) {
  std::unordered_set<const PersonCard*> cards;
  for (const PersonCard& card : persons) cards.insert(&card);
  auto valid = [&cards](const PersonCard* link) { return link == nullptr || cards.count(link) > 0; };
  for (const PersonCard& card : persons) {
    Require(valid(card.father) && valid(card.mother), "father and mother are cards of the index");
    for (const ChildLink& link : card.children) Require(valid(link.child), "every child is a card of the index");
    for (const UnionEntry& entry : card.unions) Require(valid(entry.spouse), "every spouse is a card of the index");
  }
}

// Both sides of every link agree, as everything that walks or deletes links relies on.
void CheckLinksAreMirrored(const PersonIndex& persons) {
  Require(!FindFamilyLinkDamage(persons).has_value(), "every family link is recorded on both cards");
}

// A damaged file may give two cards one number; links by number then reach only the first.
bool HasRepeatedNumbers(const PersonIndex& persons) {
  std::unordered_set<uint16_t> numbers;
  for (const PersonCard& card : persons) {
    if (!numbers.insert(card.number).second) return true;
  }
  return false;
}

void CheckCards(const PersonIndex& persons, uint16_t count) {
  Require(persons.Count() <= count, "no more person cards than the header announces");
  uint16_t previous = 0;
  for (const PersonCard& card : persons) {
    Require(card.number != 0, "no person card has number 0");
    Require(card.number >= previous, "the index is in ascending person number");
    previous = card.number;
    Require(card.notes.size() <= 800, "person notes hold at most 800 bytes");
    for (const std::string& title : TitlesOf(card)) Require(title.size() <= 80, "a title holds at most 80 bytes");
    for (const AttachedDocument& doc : card.documents) Require(!doc.file.empty(), "every document names a file");
  }
  CheckLinksPointIntoIndex(persons);
}

// Everything of a card that is not a link to another card.
bool SameOwnFields(const PersonCard& a, const PersonCard& b) {
  auto documents = [](const PersonCard& c) {
    std::vector<std::pair<std::string, std::string>> list;
    for (const AttachedDocument& doc : c.documents) list.emplace_back(doc.description, doc.file);
    return list;
  };
  return a.fullName == b.fullName && a.surnameLength == b.surnameLength && a.number == b.number &&
         a.rank == b.rank && a.numberText == b.numberText && a.photo == b.photo && a.profession == b.profession &&
         a.professionPlace == b.professionPlace && a.notes == b.notes && a.titles == b.titles && a.sex == b.sex &&
         a.birth == b.birth && a.birthPlace == b.birthPlace && a.baptism == b.baptism &&
         a.baptismPlace == b.baptismPlace && a.death == b.death && a.deathPlace == b.deathPlace &&
         a.certificateSlots == b.certificateSlots && a.boxStyle == b.boxStyle && documents(a) == documents(b);
}

// Saving and opening again gives every named card back unchanged, in the same order; cards
// without a name are not saved.
void CheckSaveAndReopen(const std::filesystem::path& dir, CardFile& loaded, ScriptedPrompter& prompter) {
  const FixedClock clock(kFuzzNow);
  Require(SaveHeaderAndPersons(StoreContext{dir, prompter, clock}, loaded) == 1, "a loaded card file can be saved");
  ScriptedPrompter reopenPrompter;
  CardFile reopened(reopenPrompter);
  Require(Load(dir, reopened, reopenPrompter) == 1, "a saved card file opens again");
  Require(reopenPrompter.Empty() || HasRepeatedNumbers(loaded.persons), "a saved card file opens without a message");
  CheckLinksAreMirrored(reopened.persons);
  auto next = reopened.persons.begin();
  for (const PersonCard& card : loaded.persons) {
    if (card.fullName.empty()) continue;
    Require(next != reopened.persons.end(), "every named card is saved");
    Require(SameOwnFields(card, *next), "a saved card opens with the same fields");
    ++next;
  }
  Require(next == reopened.persons.end(), "only the named cards are saved");
  CheckCards(reopened.persons, reopened.header.PersonCount());
}

void FuzzOne(const uint8_t* data, size_t size) {
  if (size < 2) return;
  const uint16_t count = GetU16(data);
  const std::filesystem::path& dir = FreshDataDir();
  WriteInputFile(dir, "DOSSIER.001", HeaderWithPersonCount(count));
  WriteInputFile(dir, "FICHES.001", std::span<const uint8_t>(data + 2, size - 2));

  ScriptedPrompter prompter;
  CardFile card(prompter);
  Require(Load(dir, card, prompter) == 1, "a card file with a sound header always opens");
  CheckCards(card.persons, count);
  CheckLinksAreMirrored(card.persons);
  CheckSaveAndReopen(dir, card, prompter);
  card.persons.NormaliseFamilyLinks();
  CheckLinksPointIntoIndex(card.persons);
  // Deleting a card takes every link to it along.
  while (!card.persons.Empty()) {
    card.persons.Delete(&*card.persons.begin());
    CheckLinksAreMirrored(card.persons);
  }
}

}  // namespace
}  // namespace vl::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::fuzz::FuzzOne(data, size);
  return 0;
}
