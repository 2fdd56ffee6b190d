#pragma once
// The in-memory person card with its family links.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dates/date_value.hpp"

namespace vl {

constexpr int kBoxStyleSize = 46;
using BoxStyle = std::array<uint8_t, kBoxStyleSize>;

constexpr uint16_t kNoSlot = 0xFFFF;
constexpr size_t kMaxNotesLength = 800;
constexpr size_t kMaxTitleLength = 80;
constexpr int kTitleCount = 5;

struct PersonCard;

struct UnionEntry {
  PersonCard* spouse = nullptr;
  DateTimeValue date;
  std::string place;
  uint16_t slot = kNoSlot;
  uint16_t kind = 1;  // 1 civil marriage, 4 church wedding
};

struct ChildLink {
  PersonCard* child = nullptr;
  uint16_t unionIndex = 0;  // 1-based among the parent's civil-marriage unions; 0 for none
};

struct AttachedDocument {
  std::string description;
  std::string file;
};

// Texts are Windows-1252 bytes. Links between cards do not own; the person index owns all cards.
struct PersonCard {
  std::string fullName;  // changed only through PersonIndex::SetFullName (it keeps a name index)
  uint16_t surnameLength = 0;
  uint16_t number = 0;
  uint16_t rank = 0;
  std::string numberText;
  std::string photo;
  std::string profession;
  std::string professionPlace;
  std::string notes;
  std::vector<uint8_t> titles = std::vector<uint8_t>(kTitleCount, 0);  // five length-prefixed groups
  char sex = ' ';
  DateTimeValue birth;
  std::string birthPlace;
  DateTimeValue death;
  std::string deathPlace;
  DateTimeValue baptism;
  std::string baptismPlace;
  std::vector<UnionEntry> unions;
  std::vector<ChildLink> children;
  PersonCard* father = nullptr;
  PersonCard* mother = nullptr;
  std::vector<AttachedDocument> documents;  // in the order shown; attaching appends
  std::array<uint16_t, 6> certificateSlots = {kNoSlot, kNoSlot, kNoSlot, kNoSlot, kNoSlot, kNoSlot};
  BoxStyle boxStyle{};
  uint8_t visited = 0;
};

// Removes the first of the person's unions that `matches` accepts. The union indexes of the
// person's child links count civil marriages only, so they are renumbered only when a civil
// marriage goes: links to it become 0, links to later ones move down. false when none matched.
bool EraseUnion(PersonCard& person, const std::function<bool(const UnionEntry&)>& matches);

// The five titles of a card, split from their length-prefixed groups.
std::array<std::string, kTitleCount> TitlesOf(const PersonCard& card);
// Builds the groups from five texts, each cut to 80 bytes.
std::vector<uint8_t> TitleGroups(const std::array<std::string, kTitleCount>& titles);

}  // namespace vl
