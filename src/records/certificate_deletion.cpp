#include "records/certificate_deletion.hpp"

#include <algorithm>
#include <vector>

#include "storage/card_file_names.hpp"
#include "storage/slot_file.hpp"

namespace vl {
namespace {

bool IsMarriageKind(int kind) { return kind == kCivilMarriage || kind == kChurchWedding; }

PersonCard* SpouseOfCertifiedUnion(const PersonCard& person, int kind, int slot) {
  for (const UnionEntry& entry : person.unions) {
    if (entry.kind == kind && entry.slot == slot) return entry.spouse;
  }
  return nullptr;
}

// Day, month, year, hour and minute become 0 (the calendar tag stays); the place is emptied.
void ClearEvent(DateTimeValue& date, std::string& place) {
  date.day = 0;
  date.month = 0;
  date.year = 0;
  date.hour = 0;
  date.minute = 0;
  place.clear();
}

void ClearEventOfKind(PersonCard& person, int kind) {
  switch (kind) {
    case kBirth:
      ClearEvent(person.birth, person.birthPlace);
      break;
    case kDeath:
    case kBurial:
      ClearEvent(person.death, person.deathPlace);
      break;
    case kBaptism:
      ClearEvent(person.baptism, person.baptismPlace);
      break;
    default:
      break;
  }
}

// Removes from person's list the union with spouse that the certificate (kind, slot) backs.
void EraseCertifiedUnion(PersonCard& person, const PersonCard& spouse, int kind, int slot) {
  EraseUnion(person, [&](const UnionEntry& entry) {
    return entry.spouse == &spouse && entry.kind == kind && entry.slot == slot;
  });
}

// The person keeps a slot reference of this kind only when it names another certificate
// (for marriages: the one saved last may be a later marriage's).
bool DropSlotReference(CardFile& card, PersonCard* person, int kind, int slot) {
  if (person == nullptr || person->certificateSlots[static_cast<size_t>(kind)] != slot) return false;
  card.persons.SetCertificateSlot(*person, kNoSlot, kind);
  return true;
}

}  // namespace

CertificatePersons FindCertificatePersons(const PersonIndex& persons, int kind, int slot, uint16_t keyPersonNumber) {
  PersonCard* listed = keyPersonNumber != 0 ? persons.Find(keyPersonNumber) : nullptr;
  if (!IsMarriageKind(kind)) return CertificatePersons{listed, nullptr};
  if (listed == nullptr) return CertificatePersons{};
  return CertificatePersons{SpouseOfCertifiedUnion(*listed, kind, slot), listed};
}

namespace {

// What a deletion changes in memory once the slot file has let the certificate go.
void ForgetCertificate(CardFile& card, int kind, int slot, const CertificatePersons& persons) {
  // The counter counts stored certificates, whoever they belonged to.
  const uint16_t count = card.header.CertificateCount(kind);
  if (count > 0) card.header.SetCertificateCount(kind, static_cast<uint16_t>(count - 1));

  PersonCard* key = persons.keyPerson;
  PersonCard* second = persons.secondPerson;
  if (DropSlotReference(card, key, kind, slot) && !IsMarriageKind(kind)) ClearEventOfKind(*key, kind);
  if (IsMarriageKind(kind)) {
    DropSlotReference(card, second, kind, slot);
    if (key != nullptr && second != nullptr && key != second) {
      EraseCertifiedUnion(*key, *second, kind, slot);
      EraseCertifiedUnion(*second, *key, kind, slot);
    }
  }
  card.modified.Set();
}

SlotFile SlotFileOf(CardFile& card, const DeletionContext& ctx, int kind, FileTransaction* transaction) {
  SlotFileContext slots{ctx.dataDir, card.number, kind, ctx.prompter, ctx.clock, &card.modified};
  slots.transaction = transaction;
  return SlotFile(slots);
}

struct PlannedDeletion {
  int kind;
  int slot;
  CertificatePersons persons;
};

// The person's own certificates and those of its unions, each once.
std::vector<PlannedDeletion> CertificatesOf(PersonCard& person) {
  std::vector<PlannedDeletion> planned;
  auto add = [&planned](int kind, int slot, CertificatePersons persons) {
    bool listed = std::any_of(planned.begin(), planned.end(),
                              [&](const PlannedDeletion& p) { return p.kind == kind && p.slot == slot; });
    if (!listed) planned.push_back({kind, slot, persons});
  };
  for (int kind : {kBirth, kDeath, kBaptism, kBurial}) {
    const uint16_t slot = person.certificateSlots[static_cast<size_t>(kind)];
    if (slot != kNoSlot) add(kind, slot, CertificatePersons{&person, nullptr});
  }
  for (const UnionEntry& entry : person.unions) {
    if (entry.slot == kNoSlot || !IsMarriageKind(entry.kind)) continue;
    add(entry.kind, entry.slot, CertificatePersons{&person, entry.spouse});
  }
  return planned;
}

}  // namespace

int DeleteCertificate(CardFile& card, const DeletionContext& ctx, int kind, int slot,
                      const CertificatePersons& persons) {
  if (kind < 0 || kind >= kKindCount) return -1;
  if (SlotFileOf(card, ctx, kind, ctx.transaction).Delete(slot) < 0) return -1;
  ForgetCertificate(card, kind, slot, persons);
  return slot;
}

int DeletePerson(CardFile& card, const DeletionContext& ctx, PersonCard& person) {
  const std::vector<PlannedDeletion> planned = CertificatesOf(person);
  // Every certificate goes, or none: a refusal in the middle leaves files and cards as they were.
  FileTransaction own(ctx.dataDir);
  FileTransaction& transaction = ctx.transaction ? *ctx.transaction : own;
  for (const PlannedDeletion& deletion : planned) {
    if (SlotFileOf(card, ctx, deletion.kind, &transaction).Delete(deletion.slot) < 0) {
      transaction.Discard();
      return -1;
    }
  }
  if (!ctx.transaction && !own.Commit()) {
    ctx.prompter.ShowError(Msg(8016, own.FailedPath().string()));
    return -1;
  }
  for (const PlannedDeletion& deletion : planned) ForgetCertificate(card, deletion.kind, deletion.slot, deletion.persons);
  card.persons.Delete(&person);
  card.persons.NormaliseFamilyLinks();
  card.modified.Set();
  return 1;
}

}  // namespace vl
