#include "records/certificate_save.hpp"

#include "common/cp1252.hpp"
#include "common/messages.hpp"
#include "dates/date_parse.hpp"
#include "records/certificate_layouts.hpp"
#include "records/certificate_save_steps.hpp"
#include "storage/slot_file.hpp"

namespace vl {
namespace {

bool ParseTypedDates(SaveRun& run) {
  for (const TypedDate& typed : run.entry.dates) {
    DateTimeValue value = run.entry.record.Get(typed.field);
    if (ParseDate(value, typed.date, &run.ctx.prompter) == kParseRejected) return false;
    if (typed.withTime && ParseTime(value, typed.time, &run.ctx.prompter) == kParseRejected) return false;
    run.entry.record.Set(typed.field, value);
  }
  return true;
}

// The slot the certificate goes to, or nullopt when the user declined to replace. A new
// certificate replaces the slot owner's certificate of the kind after the question; a stored
// one stays in its own slot, and a person who no longer is its main person loses the reference.
std::optional<uint16_t> TargetSlot(SaveRun& run, CertificateKindSteps& steps, PersonCard& owner,
                                   uint16_t previousKeyPerson) {
  const int kind = run.entry.record.Kind();
  const uint16_t ownerSlot = owner.certificateSlots[static_cast<size_t>(kind)];
  const bool stored = run.entry.slot >= 0;
  const uint16_t ownSlot = stored ? static_cast<uint16_t>(run.entry.slot) : kNoSlot;
  if (ownerSlot != kNoSlot && ownerSlot != ownSlot &&
      !run.ctx.prompter.AskYesNo(Msg(steps.ReplaceQuestion(), Cp1252ToUtf8(owner.fullName)))) {
    return std::nullopt;
  }
  if (!stored) return ownerSlot;
  PersonCard* previous = run.ctx.card.persons.Find(previousKeyPerson);
  if (previous != nullptr && previous != &owner && previous->certificateSlots[static_cast<size_t>(kind)] == ownSlot) {
    run.ctx.card.persons.SetCertificateSlot(*previous, kNoSlot, kind);
  }
  return ownSlot;
}

// Writes the record with its stored flag set; the flag stays set only when the write succeeded,
// so that a retry after a failure asks and counts as for a new certificate.
int WriteRecord(SaveRun& run, uint16_t slot) {
  CertificateRecord& record = run.entry.record;
  const bool wasStored = record.IsStored();
  record.MarkStored();
  SlotFile file(SlotFileContext{run.ctx.dataDir, run.ctx.card.number, record.Kind(), run.ctx.prompter,
                                run.ctx.clock, &run.ctx.card.modified, run.ctx.transaction});
  const int written = record.Write(file, slot == kNoSlot ? -1 : slot);
  if (written < 0 && !wasStored) record.Set(certificate_header::kStored, 0);
  return written;
}

CertificateSaveResult ResultOf(const SaveRun& run, bool saved, int slot) {
  CertificateSaveResult result;
  result.saved = saved;
  result.slot = slot;
  for (const auto& [role, person] : run.persons) {
    if (person != nullptr) result.persons[role] = person->number;
  }
  for (const PersonCard* person : run.created) result.created.push_back(person->number);
  return result;
}

}  // namespace

bool SaveRun::Take(const std::string& role, const Resolved& resolved) {
  if (resolved.refused) return false;
  persons[role] = resolved.person;
  if (resolved.created) created.push_back(resolved.person);
  return true;
}

CertificateSaveResult SaveCertificate(const CertificateSaveContext& ctx, CertificateEntry& entry) {
  SaveRun run{ctx, entry, {}, {}};
  if (entry.changed == 0) return ResultOf(run, true, entry.slot);
  const int kind = entry.record.Kind();
  std::unique_ptr<CertificateKindSteps> steps = StepsOfKind(kind);
  if (!steps) return ResultOf(run, false, entry.slot);

  CardFileHeader& header = ctx.card.header;
  const uint16_t counter = header.CertificateCount(kind);
  const uint16_t previousKeyPerson = entry.record.KeyPerson();
  steps->AddPlaces(run);
  if (!ParseTypedDates(run) || !steps->CheckNames(run)) return ResultOf(run, false, entry.slot);
  if (!steps->ResolvePersons(run)) return ResultOf(run, false, entry.slot);
  steps->CopyIntoCards(run);
  if (!steps->Check(run)) return ResultOf(run, false, entry.slot);

  PersonCard* owner = steps->SlotOwner(run);
  if (owner == nullptr) return ResultOf(run, false, entry.slot);
  const std::optional<uint16_t> target = TargetSlot(run, *steps, *owner, previousKeyPerson);
  if (!target) return ResultOf(run, false, entry.slot);
  // The counter counts stored certificates: only a new slot raises it.
  if (*target == kNoSlot) header.SetCertificateCount(kind, static_cast<uint16_t>(counter + 1));
  entry.record.SetKeyPerson(owner->number);

  const int slot = WriteRecord(run, *target);
  if (slot < 0) {
    ctx.prompter.ShowError(Msg(8006));
    header.SetCertificateCount(kind, counter);
    return ResultOf(run, false, entry.slot);
  }
  entry.slot = slot;
  steps->AfterWrite(run, static_cast<uint16_t>(slot));
  if (ctx.chartsChanged) ctx.chartsChanged();
  ctx.card.modified.Set();
  return ResultOf(run, true, slot);
}

}  // namespace vl
