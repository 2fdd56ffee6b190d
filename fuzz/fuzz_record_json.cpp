// Fuzz target: a certificate typed in as JSON (the input of add-certificate) and, for the kinds
// that save, its save into a fresh card file. The first byte chooses the kind, the rest is JSON.
#include <nlohmann/json.hpp>

#include <string>

#include "common/scripted_prompter.hpp"
#include "fuzz_support.hpp"
#include "records/certificate_save.hpp"
#include "records/record_json_input.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/family_link_repair.hpp"

namespace vl::fuzz {
namespace {

void SaveIntoFreshCardFile(CertificateRecord& record, const RecordInputResult& applied) {
  ScriptedPrompter prompter(true);
  prompter.QueueHomonymAnswer({HomonymAnswer::New, 0});
  const FixedClock clock(kFuzzNow);
  CardFile card(prompter);
  card.number = 1;
  card.header.SetTitle("Fuzz");
  Require(CreateCardFile(StoreContext{FreshDataDir(), prompter, clock}, card) == 1, "a card file can be created");
  const CertificateRecord before = CertificateRecord::New(record.Kind());
  const auto changed =
      static_cast<uint16_t>(ChangedBitsBetween(before, record, true, !applied.dates.empty()) | kChangedOther);
  CertificateEntry entry{record, -1, changed, applied.dates};
  const CertificateSaveResult result =
      SaveCertificate(CertificateSaveContext{card, FreshDataDir(), prompter, clock, nullptr, {}}, entry);
  Require(!FindFamilyLinkDamage(card.persons), "a save leaves every family link sound");
  Require(result.created.size() <= 3, "a child certificate creates at most child, father and mother");
  if (!result.saved) return;
  Require(result.slot == 0 && record.IsStored(), "the first certificate of a card file is stored in slot 0");
  Require(card.header.CertificateCount(record.Kind()) == 1, "the stored certificate is counted");
  const PersonCard* child = card.persons.Find(record.KeyPerson());
  Require(child != nullptr && child->certificateSlots[static_cast<size_t>(record.Kind())] == 0,
          "the main person refers to the stored certificate");
}

void FuzzOne(const uint8_t* data, size_t size) {
  if (size == 0) return;
  const int kind = data[0] % 6;
  const nlohmann::json input = nlohmann::json::parse(data + 1, data + size, nullptr, false);
  if (input.is_discarded()) return;
  CertificateRecord record = CertificateRecord::New(kind);
  ScriptedPrompter prompter(true);
  const RecordInputResult applied = ApplyRecordJson(input, record, prompter);
  Require(record.Size() == CertificateRecord::New(kind).Size(), "applying fields keeps the record's size");
  if (applied.status == RecordInputResult::WrongUsage) Require(!applied.problem.empty(), "wrong usage says what");
  if (applied.status == RecordInputResult::Applied && (kind == 0 || kind == 3)) {
    SaveIntoFreshCardFile(record, applied);
  }
}

}  // namespace
}  // namespace vl::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::fuzz::FuzzOne(data, size);
  return 0;
}
