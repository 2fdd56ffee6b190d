#pragma once
// Slot files: the certificates of one kind of one card file, each in a fixed slot behind a
// 50268-byte header with the storage order (table A), the key persons (table B) and the
// allocation map.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "common/clock.hpp"
#include "common/file_transaction.hpp"
#include "common/prompter.hpp"
#include "storage/modified_flag.hpp"

namespace vl {

constexpr int kSlotFileHeaderSize = 50268;
constexpr int kMaxSlots = 10000;
constexpr int kOwnerBlockSize = 240;
constexpr uint8_t kSlotInUse = 'X';
constexpr uint8_t kSlotFree = ' ';

// Offsets inside every certificate record that the slot layer reads or sets.
constexpr int kRecordKeyPersonOffset = 122;
constexpr int kRecordCreatedOffset = 124;
constexpr int kRecordChangedOffset = 134;

// One stored certificate as table A and B list it.
struct SlotEntry {
  int slot = 0;
  uint16_t keyPerson = 0;
  bool operator==(const SlotEntry&) const = default;
};

// The header bytes with accessors. Values are read as stored; the walking helpers never
// look past the 10000 table entries or map bytes, however damaged the counts are.
class SlotFileHeader {
 public:
  static constexpr int kVersionOffset = 0;
  static constexpr int kOwnerOffset = 2;
  static constexpr int kCreatedOffset = 242;
  static constexpr int kChangedOffset = 252;
  static constexpr int kCountOffset = 262;
  static constexpr int kRecordSizeOffset = 264;
  static constexpr int kMaxSlotsOffset = 266;
  static constexpr int kOrderTableOffset = 268;
  static constexpr int kKeyPersonTableOffset = 20268;
  static constexpr int kMapOffset = 40268;

  // All bytes zero.
  SlotFileHeader();
  // The header of a new, empty slot file.
  static SlotFileHeader Empty(const uint8_t* ownerBlock, int recordSize, const TimeStamp& now);
  // nullopt unless exactly kSlotFileHeaderSize bytes are given.
  static std::optional<SlotFileHeader> FromBytes(std::span<const uint8_t> bytes);

  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  uint8_t* Data() { return bytes_.data(); }

  uint16_t Version() const;
  void SetVersion(uint16_t version);
  std::span<const uint8_t> OwnerBlock() const;
  void SetOwnerBlock(const uint8_t* ownerBlock);
  TimeStamp Created() const;
  void SetCreated(const TimeStamp& stamp);
  TimeStamp LastChange() const;
  void SetLastChange(const TimeStamp& stamp);
  int16_t Count() const;
  void SetCount(int16_t count);
  uint16_t RecordSize() const;
  void SetRecordSize(uint16_t size);
  int16_t MaxSlots() const;
  void SetMaxSlots(int16_t max);

  // Table entries 0..9999; the index is the caller's to check.
  uint16_t OrderSlot(int index) const;
  void SetOrderSlot(int index, uint16_t slot);
  uint16_t KeyPerson(int index) const;
  void SetKeyPerson(int index, uint16_t person);
  uint8_t MapByte(int slot) const;
  void SetMapByte(int slot, uint8_t value);

  // A slot outside the map is never in use.
  bool InUse(int slot) const;
  // Count clamped to 0..10000; the number of meaningful table entries.
  int UsableCount() const;
  // Maximum clamped to 0..10000; the slots that allocation may hand out.
  int UsableMaxSlots() const;
  // The first slot below the maximum whose map byte is not 'X'.
  std::optional<int> FirstFreeSlot() const;
  // Index of the first table A entry naming slot, or -1.
  int IndexOfSlot(int slot) const;
  // The stored certificates in storage order (table A with table B), each slot once.
  std::vector<SlotEntry> Entries() const;
  // True when table A names a slot more than once (a damaged file).
  bool HasRepeatedEntries() const;

 private:
  std::vector<uint8_t> bytes_;
};

// Where a slot file lies and whom its operations tell. Every operation opens the file,
// reads the header from it, works and closes the file again; nothing is cached.
struct SlotFileContext {
  std::filesystem::path dataDir;
  int cardFileNumber = 0;
  int kind = 0;  // certificate kind 0..5
  Prompter& prompter;
  const Clock& clock;
  ModifiedFlag* modified = nullptr;  // set by writes and deletions when given
  // When given, changes become part of it and reach the disk with its commit; reads see them.
  FileTransaction* transaction = nullptr;
};

class SlotFile {
 public:
  explicit SlotFile(SlotFileContext context) : ctx_(std::move(context)) {}

  // Slot value of "not stored yet": -1, and 0xFFFF as the person cards keep it.
  static bool IsNewSlot(int slot) { return slot < 0 || slot == 0xFFFF; }

  // The path the file has or will get (upper-case name unless a file of another case exists).
  std::filesystem::path Path() const;
  int Kind() const { return ctx_.kind; }
  int RecordSize() const;

  // Creates (or, after question 8009, replaces) the empty file; ownerBlock is the 240 bytes at
  // offsets 2..241 of the card-file header. 1 or -1.
  int Create(const uint8_t* ownerBlock);
  // Stores record (exactly RecordSize() bytes) in slot, or in a newly allocated slot when slot
  // is new. Sets the record's stamps in the caller's buffer. Returns the slot used, or -1.
  int Write(std::span<uint8_t> record, int slot);
  // Reads the record of slot into record (resized to RecordSize()). 1 or -1; a new slot
  // returns -1 without a message.
  int Read(int slot, std::vector<uint8_t>& record);
  // Frees slot and removes it from the tables. Returns the slot, or -1.
  int Delete(int slot);
  // As Delete, but a file that cannot be opened is not reported.
  int DeleteSilently(int slot);
  // The current header, or nullopt after 8004.
  std::optional<SlotFileHeader> ReadHeader();

  // Calls visit for every stored certificate in storage order with its table entry and record,
  // reading the header once. A listed slot whose record is missing shows 8013 and is skipped;
  // a slot that table A names more than once is visited once, after 8012.
  // Returns the number of certificates visited, or -1 when the file cannot be read.
  using Visitor = std::function<void(const SlotEntry& entry, std::span<const uint8_t> record)>;
  int ForEachCertificate(const Visitor& visit);

 private:
  int DeleteImpl(int slot, bool reportOpenFailure);
  // Runs change in the context's transaction, or in one of its own that it commits (8016 when
  // that fails). A change that returns -1 is not committed.
  int Change(const std::function<int(FileTransaction&)>& change);
  // The planned content of the file with its header; nullptr when it cannot be read.
  std::vector<uint8_t>* ContentWithHeader(FileTransaction& transaction, std::optional<SlotFileHeader>& header);
  void RenewChangeStamp();
  // Sets the card file's modified flag when result is a stored slot; returns result.
  int MarkModifiedWhenStored(int result);
  void ShowOpenFailure() const;
  void ShowWriteFailure() const;

  SlotFileContext ctx_;
};

}  // namespace vl
