// Fuzz target: a slot file as the certificate windows read and change it, damaged or not.
// Input: one byte choosing the certificate kind, two bytes naming the slot that is rewritten
// and deleted (little-endian; 65535 means none), then the whole slot file.
#include <algorithm>
#include <optional>

#include "common/byte_io.hpp"
#include "common/scripted_prompter.hpp"
#include "fuzz_support.hpp"
#include "storage/card_file_names.hpp"
#include "storage/slot_file.hpp"

namespace vl::fuzz {
namespace {

constexpr size_t kPrefixSize = 3;
constexpr uint16_t kKeyPerson = 4711;

bool Contains(const std::vector<int>& ids, int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

SlotFileHeader RequireHeader(SlotFile& slots) {
  std::optional<SlotFileHeader> header = slots.ReadHeader();
  Require(header.has_value(), "a slot file keeps a readable header after every change");
  return *header;
}

std::vector<uint8_t> RecordFilledWith(SlotFile& slots, uint8_t fill) {
  std::vector<uint8_t> record(static_cast<size_t>(slots.RecordSize()), fill);
  PutU16(&record[kRecordKeyPersonOffset], kKeyPerson);
  return record;
}

void CheckReadsAsStored(SlotFile& slots, int slot, const std::vector<uint8_t>& expected) {
  std::vector<uint8_t> record;
  Require(slots.Read(slot, record) == 1 && record == expected, "a slot reads back what was written or visited");
}

// Every visited certificate is in use, listed in table A, and reads the same through Read.
void CheckVisits(SlotFile& slots, const SlotFileHeader& header) {
  const std::vector<SlotEntry> listed = header.Entries();
  int seen = 0;
  int visited = slots.ForEachCertificate([&](const SlotEntry& entry, std::span<const uint8_t> record) {
    Require(header.InUse(entry.slot), "only slots in use are visited");
    Require(std::find(listed.begin(), listed.end(), entry) != listed.end(), "only listed certificates are visited");
    Require(record.size() == static_cast<size_t>(slots.RecordSize()), "a visited record has the kind's size");
    CheckReadsAsStored(slots, entry.slot, std::vector<uint8_t>(record.begin(), record.end()));
    ++seen;
  });
  Require(visited == seen, "ForEachCertificate counts the certificates it visited");
  Require(visited <= header.UsableCount(), "no more certificates visited than listed");
}

// A new certificate goes to the first free slot and to the end of both tables; only a full
// file refuses it. Returns the slot or -1.
int CheckWriteNew(SlotFile& slots, ScriptedPrompter& prompter) {
  const SlotFileHeader before = RequireHeader(slots);
  const int n = before.UsableCount();
  const std::optional<int> free = before.FirstFreeSlot();
  std::vector<uint8_t> record = RecordFilledWith(slots, 0x5A);
  int slot = slots.Write(record, -1);
  if (!free || n >= kMaxSlots) {
    Require(slot == -1 && Contains(prompter.Ids(), 8010), "a full slot file refuses a new certificate with 8010");
    return -1;
  }
  Require(slot == *free, "a new certificate takes the first free slot");
  const SlotFileHeader after = RequireHeader(slots);
  Require(after.InUse(slot) && after.Count() == n + 1, "a new certificate is marked and counted");
  Require(after.OrderSlot(n) == slot && after.KeyPerson(n) == kKeyPerson, "a new certificate ends both tables");
  CheckReadsAsStored(slots, slot, record);
  return slot;
}

// Rewriting a slot in use keeps the tables; a slot outside the map is refused.
void CheckRewrite(SlotFile& slots, int slot) {
  const SlotFileHeader before = RequireHeader(slots);
  std::vector<uint8_t> record = RecordFilledWith(slots, 0xA5);
  int result = slots.Write(record, slot);
  if (slot >= kMaxSlots) {
    Require(result == -1, "a slot beyond the map is never written");
    return;
  }
  Require(result == slot, "a slot inside the map is written");
  const SlotFileHeader after = RequireHeader(slots);
  Require(after.Count() == before.Count(), "rewriting a certificate does not count it again");
  if (before.InUse(slot)) CheckReadsAsStored(slots, slot, record);
}

// Deleting frees a listed slot in use and shortens the tables by one; anything else is refused.
void CheckDelete(SlotFile& slots, int slot) {
  const SlotFileHeader before = RequireHeader(slots);
  const bool stored = before.InUse(slot) && before.IndexOfSlot(slot) >= 0;
  int result = slots.Delete(slot);
  Require(result == (stored ? slot : -1), "exactly a listed slot in use can be deleted");
  if (!stored) return;
  const SlotFileHeader after = RequireHeader(slots);
  Require(!after.InUse(slot), "a deleted slot is free");
  Require(after.Count() == before.UsableCount() - 1, "deleting counts one certificate less");
}

void FuzzOne(const uint8_t* data, size_t size) {
  if (size < kPrefixSize) return;
  const int kind = data[0] % kKindCount;
  const int namedSlot = GetU16(data + 1);
  std::span<const uint8_t> file(data + kPrefixSize, size - kPrefixSize);
  const std::filesystem::path& dir = FreshDataDir();
  WriteInputFile(dir, SlotFileName(kind, 1), file);

  ScriptedPrompter prompter;
  const FixedClock clock(kFuzzNow);
  SlotFile slots(SlotFileContext{dir, 1, kind, prompter, clock});
  std::optional<SlotFileHeader> header = slots.ReadHeader();
  Require(header.has_value() == (file.size() >= static_cast<size_t>(kSlotFileHeaderSize)),
          "a slot file is readable exactly when it holds a whole header");
  if (!header) return;
  Require(std::equal(header->Bytes().begin(), header->Bytes().end(), file.begin()), "the header is the file's first bytes");

  CheckVisits(slots, *header);
  int written = CheckWriteNew(slots, prompter);
  if (!SlotFile::IsNewSlot(namedSlot)) {
    CheckRewrite(slots, namedSlot);
    CheckDelete(slots, namedSlot);
  }
  if (written >= 0 && written != namedSlot) CheckDelete(slots, written);
  CheckVisits(slots, RequireHeader(slots));
}

}  // namespace
}  // namespace vl::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::fuzz::FuzzOne(data, size);
  return 0;
}
