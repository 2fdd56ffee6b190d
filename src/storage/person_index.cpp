#include "storage/person_index.hpp"

#include <algorithm>

#include "common/cp1252.hpp"

namespace vl {

PersonIndex::PersonIndex(CardFileHeader& header, ModifiedFlag& modified, Prompter& prompter)
    : header_(header), modified_(modified), prompter_(prompter) {}

std::unique_ptr<PersonCard> PersonIndex::NewCard(std::string_view fullName, uint16_t surnameLength) const {
  auto card = std::make_unique<PersonCard>();
  card->fullName = fullName;
  card->surnameLength = surnameLength;
  card->boxStyle = header_.DefaultBoxStyle(kStyleUnknownSex);
  return card;
}

void PersonIndex::MarkUsed(uint16_t number) { ++useCount_[number]; }

void PersonIndex::MarkUnused(uint16_t number) {
  if (useCount_[number] > 0 && --useCount_[number] == 0 && number < freeHint_) freeHint_ = number;
}

uint32_t PersonIndex::LowestFreeNumber() {
  uint32_t candidate = std::max<uint32_t>(freeHint_, 1);
  while (candidate <= 0xFFFF && useCount_[candidate] > 0) ++candidate;
  freeHint_ = candidate;
  return candidate;
}

PersonCard* PersonIndex::Insert(std::unique_ptr<PersonCard> card) {
  uint16_t number = card->number;
  MarkUsed(number);
  // multimap places an equal key after the ones already present
  PersonCard* inserted = cards_.emplace(number, std::move(card))->second.get();
  IndexName(*inserted);
  return inserted;
}

void PersonIndex::IndexName(PersonCard& card) {
  if (!card.fullName.empty()) byName_.emplace(FoldedCp1252(card.fullName), &card);
}

void PersonIndex::UnindexName(const PersonCard& card) {
  auto [first, last] = byName_.equal_range(FoldedCp1252(card.fullName));
  for (auto it = first; it != last; ++it) {
    if (it->second == &card) {
      byName_.erase(it);
      return;
    }
  }
}

std::vector<PersonCard*> PersonIndex::FindByName(std::string_view fullName) const {
  std::vector<PersonCard*> found;
  if (fullName.empty()) return found;
  auto [first, last] = byName_.equal_range(FoldedCp1252(fullName));
  for (auto it = first; it != last; ++it) found.push_back(it->second);
  // Index order; a damaged file may repeat a number, then the creation rank decides.
  std::sort(found.begin(), found.end(), [](const PersonCard* a, const PersonCard* b) {
    return a->number != b->number ? a->number < b->number : a->rank < b->rank;
  });
  return found;
}

PersonCard* PersonIndex::Create(std::string_view fullName, uint16_t surnameLength) {
  uint32_t number = LowestFreeNumber();
  if (number > 0xFFFF) {
    prompter_.ShowError(Msg(8020));
    return nullptr;
  }
  header_.SetPersonCount(static_cast<uint16_t>(cards_.size() + 1));
  modified_.Set();
  auto card = NewCard(fullName, surnameLength);
  card->rank = header_.PersonCount();
  card->number = static_cast<uint16_t>(number);
  return Insert(std::move(card));
}

PersonCard* PersonIndex::CreateWithNumber(std::string_view fullName, uint16_t surnameLength, uint16_t number,
                                          uint16_t rank) {
  if (number == 0) {
    prompter_.ShowError(Msg(8020));
    return nullptr;
  }
  modified_.Set();
  linksInOrder_ = false;
  auto card = NewCard(fullName, surnameLength);
  card->number = number;
  card->rank = rank;
  return Insert(std::move(card));
}

PersonCard* PersonIndex::Find(uint16_t number) const {
  auto it = cards_.lower_bound(number);
  return it != cards_.end() && it->first == number ? it->second.get() : nullptr;
}

bool PersonIndex::NameEquals(std::string_view text, uint16_t number) const {
  const PersonCard* card = Find(number);
  return card != nullptr && EqualsNoCase(card->fullName, text);
}

bool PersonIndex::ReplaceText(std::string& field, std::string_view text, bool acceptEmpty) {
  if (text.empty() && !acceptEmpty) return false;
  if (!field.empty() && EqualsNoCase(field, text)) return false;
  field = text;
  modified_.Set();
  return true;
}

void PersonIndex::SetFullName(PersonCard& card, std::string_view text, uint16_t surnameLength) {
  if (text.empty() || (!card.fullName.empty() && EqualsNoCase(card.fullName, text))) return;
  UnindexName(card);
  ReplaceText(card.fullName, text, false);
  card.surnameLength = surnameLength;
  IndexName(card);
}
void PersonIndex::SetPhoto(PersonCard& card, std::string_view text) { ReplaceText(card.photo, text, false); }
void PersonIndex::SetProfession(PersonCard& card, std::string_view text) { ReplaceText(card.profession, text, false); }
void PersonIndex::SetProfessionPlace(PersonCard& card, std::string_view text) {
  ReplaceText(card.professionPlace, text, false);
}
void PersonIndex::SetNotes(PersonCard& card, std::string_view text) { ReplaceText(card.notes, text, false); }
void PersonIndex::SetNumberText(PersonCard& card, std::string_view text) { ReplaceText(card.numberText, text, true); }

void PersonIndex::SetDate(PersonCard& card, const DateTimeValue& value, std::string_view place, int kind) {
  DateTimeValue* date = nullptr;
  std::string* datePlace = nullptr;
  switch (kind) {
    case 0: date = &card.birth; datePlace = &card.birthPlace; break;
    case 2:
    case 5: date = &card.death; datePlace = &card.deathPlace; break;
    case 3: date = &card.baptism; datePlace = &card.baptismPlace; break;
    default: return;
  }
  modified_.Set();
  if (datePlace->empty() || !EqualsNoCase(*datePlace, place)) *datePlace = place;
  if (value.day >= 1 || value.month >= 1 || value.year >= 1) {
    date->day = value.day;
    date->month = value.month;
    date->year = value.year;
  }
  if (value.hour >= 1 || value.minute >= 1) {
    date->hour = value.hour;
    date->minute = value.minute;
  }
}

void PersonIndex::SetSex(PersonCard& card, char sex) {
  if (card.sex == sex) return;
  card.sex = sex;
  modified_.Set();
  if (sex == 'H') card.boxStyle = header_.DefaultBoxStyle(kStyleMale);
  if (sex == 'F') card.boxStyle = header_.DefaultBoxStyle(kStyleFemale);
}

void PersonIndex::SetCertificateSlot(PersonCard& card, uint16_t slot, int kind) {
  if (kind < 0 || kind >= 6) return;
  card.certificateSlots[static_cast<size_t>(kind)] = slot;
  modified_.Set();
}

bool PersonIndex::AddDocument(PersonCard& card, std::string_view description, std::string_view file) {
  if (file.empty()) return false;
  card.documents.insert(card.documents.begin(), AttachedDocument{std::string(description), std::string(file)});
  return true;
}

void PersonIndex::RemoveDocuments(PersonCard& card) { card.documents.clear(); }

void UnlinkPerson(PersonCard& card) {
  auto dropChildLinks = [&card](PersonCard* parent) {
    if (parent != nullptr) std::erase_if(parent->children, [&card](const ChildLink& l) { return l.child == &card; });
  };
  dropChildLinks(card.father);
  card.father = nullptr;
  dropChildLinks(card.mother);
  card.mother = nullptr;

  for (const ChildLink& link : card.children) {
    if (link.child == nullptr) continue;
    if (link.child->father == &card) link.child->father = nullptr;
    if (link.child->mother == &card) link.child->mother = nullptr;
  }
  card.children.clear();

  for (const UnionEntry& entry : card.unions) {
    PersonCard* spouse = entry.spouse;
    if (spouse == nullptr || spouse == &card) continue;
    // every union with this card goes, so that no spouse keeps a reference to it
    while (EraseUnion(*spouse, [&card](const UnionEntry& theirs) { return theirs.spouse == &card; })) {
    }
  }
  card.unions.clear();
}

void PersonIndex::Delete(PersonCard* card) {
  if (card == nullptr) return;
  modified_.Set();
  UnlinkPerson(*card);
  card->documents.clear();

  auto [first, last] = cards_.equal_range(card->number);
  auto it = std::find_if(first, last, [card](const auto& entry) { return entry.second.get() == card; });
  if (it == last) return;
  uint16_t rank = card->rank;
  uint16_t number = card->number;
  UnindexName(*card);
  cards_.erase(it);
  MarkUnused(number);
  header_.SetPersonCount(static_cast<uint16_t>(cards_.size()));
  for (auto& entry : cards_) {
    if (entry.second->rank > rank) --entry.second->rank;
  }
}

void PersonIndex::ClearVisitedMarks() {
  for (auto& entry : cards_) entry.second->visited = 0;
}

void PersonIndex::Clear() {
  linksInOrder_ = false;
  byName_.clear();
  cards_.clear();
  std::fill(useCount_.begin(), useCount_.end(), uint16_t{0});
  freeHint_ = 1;
}

}  // namespace vl
