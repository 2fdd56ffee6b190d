#pragma once
// What the choice dialog offers: the stored certificates of a kind or the person cards, the
// dialog's title by kind and mode, and the short identification of the chosen person.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "storage/person_index.hpp"

namespace vl {

class SlotFile;

// The dialog's parameter: the mode in the upper 16 bits (1 choose to open, 0 choose to
// delete), the kind in the lower 16 bits (certificate kinds 0..5, person kinds 6, 8, 9, 11).
constexpr int kChoiceOpenMode = 0x10000;

struct ChoiceParameter {
  bool open = false;
  int kind = 0;
  static ChoiceParameter From(int value) { return ChoiceParameter{(value >> 16) == 1, value & 0xFFFF}; }
};

bool IsCertificateChoiceKind(int kind);
bool IsPersonChoiceKind(int kind);

// Message number of the dialog title; 0 for a kind the dialog does not know.
int ChoiceTitleMessage(const ChoiceParameter& parameter);

struct ChoiceEntry {
  std::string text;              // Windows-1252
  int slot = -1;                 // certificate kinds
  uint16_t keyPerson = 0;        // certificate kinds: the record's key person number
  PersonCard* person = nullptr;  // person kinds
};

// Every stored certificate of the file's kind in storage order (slots marked in use only),
// named by its main person or, for marriages, "groom - bride". nullopt after 8004.
std::optional<std::vector<ChoiceEntry>> CertificateChoiceEntries(SlotFile& file);

// Person cards with a name, in index order. Kind 11 (possible parents) keeps only those that
// lack a father or a mother and have a birth, baptism or death year of 1 or more.
std::vector<ChoiceEntry> PersonChoiceEntries(const PersonIndex& persons, int kind);

// Alphabetical as CompareForSorting orders texts (case ignored, umlauts with their base letters).
void SortChoiceEntries(std::vector<ChoiceEntry>& entries);

// The lines of the short identification ("Kurzidentifikation"), Windows-1252; all empty
// without a person.
struct IdentityLines {
  std::string name;
  std::string birth;    // "* date (place)"; the place part only when known, empty when nothing is
  std::string baptism;  // "~ date (place)"
  std::string death;    // "† date (place)"
  std::string father;
  std::string mother;
  std::string spouse1;  // spouses of the first two civil marriages
  std::string spouse2;
  bool operator==(const IdentityLines&) const = default;
};

IdentityLines IdentityOf(const PersonCard* person);

}  // namespace vl
