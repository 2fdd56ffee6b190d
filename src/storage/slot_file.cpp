#include "storage/slot_file.hpp"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "common/byte_io.hpp"
#include "common/file_io.hpp"
#include "common/file_names.hpp"
#include "common/messages.hpp"
#include "storage/card_file_names.hpp"

namespace vl {
namespace {

int64_t RecordOffset(int slot, int recordSize) {
  return static_cast<int64_t>(kSlotFileHeaderSize) + static_cast<int64_t>(slot) * recordSize;
}

// The bytes the operations read: what a running transaction plans for the file, else the file.
class SlotFileSource {
 public:
  SlotFileSource(const SlotFileContext& ctx, const std::filesystem::path& path) {
    if (ctx.transaction) planned_ = ctx.transaction->Planned(path);
    if (planned_) return;
    auto found = FindFileNoCase(ctx.dataDir, SlotFileName(ctx.kind, ctx.cardFileNumber));
    if (found) file_.emplace(*found, OpenFile::Mode::Read);
  }

  // nullopt when the file is missing, unreadable or shorter than a header.
  std::optional<SlotFileHeader> Header() const {
    std::vector<uint8_t> bytes(kSlotFileHeaderSize);
    if (!Read(bytes.data(), bytes.size(), 0)) return std::nullopt;
    return SlotFileHeader::FromBytes(bytes);
  }

  bool Read(uint8_t* out, size_t size, int64_t offset) const {
    if (planned_) {
      if (offset < 0 || static_cast<uint64_t>(offset) + size > planned_->size()) return false;
      std::copy_n(planned_->begin() + offset, size, out);
      return true;
    }
    return file_ && file_->ReadAt(out, size, offset);
  }

 private:
  const std::vector<uint8_t>* planned_ = nullptr;
  std::optional<OpenFile> file_;
};

void StoreHeader(std::vector<uint8_t>& content, const SlotFileHeader& header) {
  std::copy(header.Bytes().begin(), header.Bytes().end(), content.begin());
}

void StoreAt(std::vector<uint8_t>& content, int64_t offset, std::span<const uint8_t> bytes) {
  size_t end = static_cast<size_t>(offset) + bytes.size();
  if (content.size() < end) content.resize(end, 0);
  std::copy(bytes.begin(), bytes.end(), content.begin() + offset);
}

bool InMap(int slot) { return slot >= 0 && slot < kMaxSlots; }

}  // namespace

// ---- SlotFileHeader ----

SlotFileHeader::SlotFileHeader() : bytes_(kSlotFileHeaderSize, 0) {}

SlotFileHeader SlotFileHeader::Empty(const uint8_t* ownerBlock, int recordSize, const TimeStamp& now) {
  SlotFileHeader header;
  header.SetVersion(kFormatVersion);
  header.SetOwnerBlock(ownerBlock);
  header.SetCreated(now);
  header.SetLastChange(now);
  header.SetCount(0);
  header.SetRecordSize(static_cast<uint16_t>(recordSize));
  header.SetMaxSlots(kMaxSlots);
  std::fill_n(header.bytes_.begin() + kMapOffset, kMaxSlots, kSlotFree);
  return header;
}

std::optional<SlotFileHeader> SlotFileHeader::FromBytes(std::span<const uint8_t> bytes) {
  if (bytes.size() != static_cast<size_t>(kSlotFileHeaderSize)) return std::nullopt;
  SlotFileHeader header;
  std::copy(bytes.begin(), bytes.end(), header.bytes_.begin());
  return header;
}

uint16_t SlotFileHeader::Version() const { return GetU16(&bytes_[kVersionOffset]); }
void SlotFileHeader::SetVersion(uint16_t version) { PutU16(&bytes_[kVersionOffset], version); }

std::span<const uint8_t> SlotFileHeader::OwnerBlock() const {
  return std::span<const uint8_t>(bytes_).subspan(kOwnerOffset, kOwnerBlockSize);
}
void SlotFileHeader::SetOwnerBlock(const uint8_t* ownerBlock) {
  std::copy_n(ownerBlock, kOwnerBlockSize, bytes_.begin() + kOwnerOffset);
}

TimeStamp SlotFileHeader::Created() const { return ReadTimeStamp(&bytes_[kCreatedOffset]); }
void SlotFileHeader::SetCreated(const TimeStamp& stamp) { WriteTimeStamp(&bytes_[kCreatedOffset], stamp); }
TimeStamp SlotFileHeader::LastChange() const { return ReadTimeStamp(&bytes_[kChangedOffset]); }
void SlotFileHeader::SetLastChange(const TimeStamp& stamp) { WriteTimeStamp(&bytes_[kChangedOffset], stamp); }

int16_t SlotFileHeader::Count() const { return GetI16(&bytes_[kCountOffset]); }
void SlotFileHeader::SetCount(int16_t count) { PutI16(&bytes_[kCountOffset], count); }
uint16_t SlotFileHeader::RecordSize() const { return GetU16(&bytes_[kRecordSizeOffset]); }
void SlotFileHeader::SetRecordSize(uint16_t size) { PutU16(&bytes_[kRecordSizeOffset], size); }
int16_t SlotFileHeader::MaxSlots() const { return GetI16(&bytes_[kMaxSlotsOffset]); }
void SlotFileHeader::SetMaxSlots(int16_t max) { PutI16(&bytes_[kMaxSlotsOffset], max); }

uint16_t SlotFileHeader::OrderSlot(int index) const { return GetU16(&bytes_.at(kOrderTableOffset + 2 * index)); }
void SlotFileHeader::SetOrderSlot(int index, uint16_t slot) { PutU16(&bytes_.at(kOrderTableOffset + 2 * index), slot); }
uint16_t SlotFileHeader::KeyPerson(int index) const { return GetU16(&bytes_.at(kKeyPersonTableOffset + 2 * index)); }
void SlotFileHeader::SetKeyPerson(int index, uint16_t person) {
  PutU16(&bytes_.at(kKeyPersonTableOffset + 2 * index), person);
}
uint8_t SlotFileHeader::MapByte(int slot) const { return bytes_.at(kMapOffset + slot); }
void SlotFileHeader::SetMapByte(int slot, uint8_t value) { bytes_.at(kMapOffset + slot) = value; }

bool SlotFileHeader::InUse(int slot) const { return InMap(slot) && MapByte(slot) == kSlotInUse; }

int SlotFileHeader::UsableCount() const { return std::clamp<int>(Count(), 0, kMaxSlots); }
int SlotFileHeader::UsableMaxSlots() const { return std::clamp<int>(MaxSlots(), 0, kMaxSlots); }

std::optional<int> SlotFileHeader::FirstFreeSlot() const {
  int max = UsableMaxSlots();
  for (int s = 0; s < max; ++s) {
    if (MapByte(s) != kSlotInUse) return s;
  }
  return std::nullopt;
}

int SlotFileHeader::IndexOfSlot(int slot) const {
  int n = UsableCount();
  for (int i = 0; i < n; ++i) {
    if (OrderSlot(i) == slot) return i;
  }
  return -1;
}

std::vector<SlotEntry> SlotFileHeader::Entries() const {
  std::vector<SlotEntry> entries;
  std::vector<bool> listed(0x10000, false);
  int n = UsableCount();
  for (int i = 0; i < n; ++i) {
    uint16_t slot = OrderSlot(i);
    if (listed[slot]) continue;  // a damaged table may name a slot more than once
    listed[slot] = true;
    entries.push_back({slot, KeyPerson(i)});
  }
  return entries;
}

bool SlotFileHeader::HasRepeatedEntries() const { return Entries().size() < static_cast<size_t>(UsableCount()); }

// ---- SlotFile ----

std::filesystem::path SlotFile::Path() const {
  return PathForWriting(ctx_.dataDir, SlotFileName(ctx_.kind, ctx_.cardFileNumber));
}

int SlotFile::RecordSize() const { return InfoOfKind(ctx_.kind).recordSize; }

void SlotFile::ShowOpenFailure() const { ctx_.prompter.ShowError(Msg(8004, Path().string())); }
void SlotFile::ShowWriteFailure() const { ctx_.prompter.ShowError(Msg(8016, Path().string())); }

int SlotFile::Change(const std::function<int(FileTransaction&)>& change) {
  FileTransaction own(ctx_.dataDir);
  int result = change(ctx_.transaction ? *ctx_.transaction : own);
  if (result < 0) return result;
  if (!ctx_.transaction && !own.Commit()) {
    ShowWriteFailure();
    return -1;
  }
  return result;
}

int SlotFile::MarkModifiedWhenStored(int result) {
  if (result >= 0 && ctx_.modified) ctx_.modified->Set();
  return result;
}

int SlotFile::Create(const uint8_t* ownerBlock) {
  std::filesystem::path path = Path();
  if (FileExistsNoCase(ctx_.dataDir, SlotFileName(ctx_.kind, ctx_.cardFileNumber)) &&
      !ctx_.prompter.AskYesNo(Msg(8009, path.string()))) {
    return -1;
  }
  SlotFileHeader header = SlotFileHeader::Empty(ownerBlock, RecordSize(), ctx_.clock.Now());
  return Change([&](FileTransaction& transaction) {
    transaction.Replace(path, header.Bytes());
    return 1;
  });
}

std::optional<SlotFileHeader> SlotFile::ReadHeader() {
  auto header = SlotFileSource(ctx_, Path()).Header();
  if (!header) ShowOpenFailure();
  return header;
}

std::vector<uint8_t>* SlotFile::ContentWithHeader(FileTransaction& transaction, std::optional<SlotFileHeader>& header) {
  std::vector<uint8_t>* content = nullptr;
  if (FindFileNoCase(ctx_.dataDir, SlotFileName(ctx_.kind, ctx_.cardFileNumber)) || transaction.Planned(Path())) {
    content = transaction.Content(Path());
  }
  if (content) header = SlotFileHeader::FromBytes(std::span<const uint8_t>(*content).first(
                   std::min<size_t>(content->size(), kSlotFileHeaderSize)));
  return header ? content : nullptr;
}

int SlotFile::Write(std::span<uint8_t> record, int slot) {
  if (record.size() != static_cast<size_t>(RecordSize())) {
    throw std::invalid_argument("certificate record of the wrong size");
  }
  return MarkModifiedWhenStored(Change([&](FileTransaction& transaction) {
    std::optional<SlotFileHeader> header;
    std::vector<uint8_t>* content = ContentWithHeader(transaction, header);
    if (!content) {
      ShowOpenFailure();
      return -1;
    }
    TimeStamp now = ctx_.clock.Now();
    int target = slot;
    if (IsNewSlot(slot)) {
      std::optional<int> free = header->FirstFreeSlot();
      int n = header->UsableCount();
      // A damaged count could leave no table entry for the new slot; that is a full file too.
      if (!free || n >= kMaxSlots) {
        std::string kindName(MessageText(InfoOfKind(ctx_.kind).counterMessage));
        ctx_.prompter.ShowError(Msg(8010, kindName, static_cast<int>(header->MaxSlots())));
        ctx_.prompter.ShowError(Msg(8011));
        return -1;
      }
      target = *free;
      header->SetOrderSlot(n, static_cast<uint16_t>(target));
      header->SetKeyPerson(n, GetU16(&record[kRecordKeyPersonOffset]));
      header->SetCount(static_cast<int16_t>(n + 1));
      header->SetMapByte(target, kSlotInUse);
      WriteTimeStamp(&record[kRecordCreatedOffset], now);
    } else if (!header->InUse(slot)) {
      ctx_.prompter.ShowError(Msg(8012));
      // A slot beyond the map can never become valid; writing it would only grow the file.
      if (!InMap(slot)) return -1;
    }
    WriteTimeStamp(&record[kRecordChangedOffset], now);
    header->SetLastChange(now);
    StoreHeader(*content, *header);
    StoreAt(*content, RecordOffset(target, RecordSize()), record);
    return target;
  }));
}

int SlotFile::Read(int slot, std::vector<uint8_t>& record) {
  if (IsNewSlot(slot)) return -1;
  SlotFileSource source(ctx_, Path());
  auto header = source.Header();
  if (!header) {
    ShowOpenFailure();
    return -1;
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(RecordSize()));
  if (!header->InUse(slot) || !source.Read(bytes.data(), bytes.size(), RecordOffset(slot, RecordSize()))) {
    ctx_.prompter.ShowError(Msg(8013));
    return -1;
  }
  record = std::move(bytes);
  return 1;
}

int SlotFile::Delete(int slot) { return DeleteImpl(slot, true); }
int SlotFile::DeleteSilently(int slot) { return DeleteImpl(slot, false); }

int SlotFile::DeleteImpl(int slot, bool reportOpenFailure) {
  if (IsNewSlot(slot)) return -1;
  bool renewStampOnly = false;
  int result = Change([&](FileTransaction& transaction) {
    std::optional<SlotFileHeader> header;
    std::vector<uint8_t>* content = ContentWithHeader(transaction, header);
    if (!content) {
      if (reportOpenFailure) ShowOpenFailure();
      return -1;
    }
    TimeStamp now = ctx_.clock.Now();
    int k = header->InUse(slot) ? header->IndexOfSlot(slot) : -1;
    if (k < 0) {
      ctx_.prompter.ShowError(Msg(8012));
      renewStampOnly = true;
      return -1;
    }
    int n = header->UsableCount();
    header->SetMapByte(slot, kSlotFree);
    if (k < n - 1) {
      for (int i = k; i < n - 1; ++i) {
        header->SetOrderSlot(i, header->OrderSlot(i + 1));
        header->SetKeyPerson(i, header->KeyPerson(i + 1));
      }
      header->SetOrderSlot(n - 1, 0);
    } else {
      header->SetOrderSlot(k, 0);
      header->SetKeyPerson(k, 0);
    }
    header->SetCount(static_cast<int16_t>(n - 1));
    header->SetLastChange(now);
    StoreHeader(*content, *header);
    return slot;
  });
  // A refused deletion still tells the file that it was looked at, unless it is part of a
  // larger change that the refusal abandons as a whole.
  if (renewStampOnly && !ctx_.transaction) RenewChangeStamp();
  return MarkModifiedWhenStored(result);
}

void SlotFile::RenewChangeStamp() {
  FileTransaction own(ctx_.dataDir);
  std::optional<SlotFileHeader> header;
  std::vector<uint8_t>* content = ContentWithHeader(own, header);
  if (!content) return;
  header->SetLastChange(ctx_.clock.Now());
  StoreHeader(*content, *header);
  if (!own.Commit()) ShowWriteFailure();
}

int SlotFile::ForEachCertificate(const Visitor& visit) {
  SlotFileSource source(ctx_, Path());
  auto header = source.Header();
  if (!header) {
    ShowOpenFailure();
    return -1;
  }
  if (header->HasRepeatedEntries()) ctx_.prompter.ShowError(Msg(8012));
  int visited = 0;
  std::vector<uint8_t> record(static_cast<size_t>(RecordSize()));
  for (const SlotEntry& entry : header->Entries()) {
    if (!header->InUse(entry.slot)) continue;
    if (!source.Read(record.data(), record.size(), RecordOffset(entry.slot, RecordSize()))) {
      ctx_.prompter.ShowError(Msg(8013));
      continue;
    }
    visit(entry, record);
    ++visited;
  }
  return visited;
}

}  // namespace vl
