#include "records/choice_entries.hpp"

#include <algorithm>
#include <array>

#include "common/cp1252.hpp"
#include "dates/date_format.hpp"
#include "records/certificate_record.hpp"
#include "records/record_names.hpp"
#include "storage/card_file_names.hpp"
#include "storage/slot_file.hpp"

namespace vl {
namespace {

constexpr int kPersonOverviewKind = 6;
constexpr int kTreeKind = 8;
constexpr int kPersonCardKind = 9;
constexpr int kPossibleParentsKind = 11;

// Open and delete titles in kind order.
constexpr std::array<std::array<int, 2>, kKindCount> kCertificateTitles = {{
    {8091, 8092},  // birth
    {8099, 8100},  // civil marriage
    {8095, 8096},  // death
    {8093, 8094},  // baptism
    {8101, 8102},  // church wedding
    {8097, 8098},  // burial
}};

bool MayBeAPossibleParent(const PersonCard& person) {
  if (person.father != nullptr && person.mother != nullptr) return false;
  return person.birth.year >= 1 || person.baptism.year >= 1 || person.death.year >= 1;
}

// Nothing known about an event leaves its line empty rather than showing a bare "~  ()".
std::string EventLine(const char* mark, const DateTimeValue& date, const std::string& place) {
  std::string dateText = FormatDate(date.Date());
  if (dateText.empty() && place.empty()) return {};
  std::string line = std::string(mark) + " " + dateText;
  if (!place.empty()) line += " (" + place + ")";
  return line;
}

}  // namespace

bool IsCertificateChoiceKind(int kind) { return kind >= 0 && kind < kKindCount; }

bool IsPersonChoiceKind(int kind) {
  return kind == kPersonOverviewKind || kind == kTreeKind || kind == kPersonCardKind || kind == kPossibleParentsKind;
}

int ChoiceTitleMessage(const ChoiceParameter& parameter) {
  if (IsCertificateChoiceKind(parameter.kind)) {
    return kCertificateTitles[static_cast<size_t>(parameter.kind)][parameter.open ? 0 : 1];
  }
  if (parameter.kind == kTreeKind) return 8108;
  if (IsPersonChoiceKind(parameter.kind)) return 8103;
  return 0;
}

std::optional<std::vector<ChoiceEntry>> CertificateChoiceEntries(SlotFile& file) {
  std::vector<ChoiceEntry> entries;
  const int kind = file.Kind();
  int visited = file.ForEachCertificate([&](const SlotEntry& entry, std::span<const uint8_t> bytes) {
    auto record = CertificateRecord::FromBytes(kind, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    if (!record) return;
    entries.push_back(ChoiceEntry{ChoiceEntryText(*record), entry.slot, record->KeyPerson(), nullptr});
  });
  if (visited < 0) return std::nullopt;
  return entries;
}

std::vector<ChoiceEntry> PersonChoiceEntries(const PersonIndex& persons, int kind) {
  std::vector<ChoiceEntry> entries;
  for (PersonCard& person : persons) {
    if (person.fullName.empty()) continue;
    if (kind == kPossibleParentsKind && !MayBeAPossibleParent(person)) continue;
    entries.push_back(ChoiceEntry{person.fullName, -1, person.number, &person});
  }
  return entries;
}

void SortChoiceEntries(std::vector<ChoiceEntry>& entries) {
  std::stable_sort(entries.begin(), entries.end(),
                   [](const ChoiceEntry& a, const ChoiceEntry& b) { return CompareForSorting(a.text, b.text) < 0; });
}

IdentityLines IdentityOf(const PersonCard* person) {
  IdentityLines lines;
  if (person == nullptr) return lines;
  lines.name = person->fullName;
  lines.birth = EventLine("*", person->birth, person->birthPlace);
  lines.baptism = EventLine("~", person->baptism, person->baptismPlace);
  lines.death = EventLine("\x86", person->death, person->deathPlace);  // dagger in Windows-1252
  if (person->father != nullptr) lines.father = person->father->fullName;
  if (person->mother != nullptr) lines.mother = person->mother->fullName;
  int civil = 0;
  for (const UnionEntry& entry : person->unions) {
    if (entry.kind != kCivilMarriage) continue;
    std::string name = entry.spouse != nullptr ? entry.spouse->fullName : std::string();
    if (civil == 0) lines.spouse1 = std::move(name);
    if (civil == 1) lines.spouse2 = std::move(name);
    if (++civil == 2) break;
  }
  return lines;
}

}  // namespace vl
