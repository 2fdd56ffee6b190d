#include "storage/slot_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "common/byte_io.hpp"
#include "common/file_names.hpp"
#include "common/messages.hpp"
#include "storage/card_file_names.hpp"

namespace vl {
namespace {

// An open file descriptor with whole-transfer positioned reads and writes; closed on scope exit.
class PositionedFile {
 public:
  PositionedFile(const std::filesystem::path& path, int flags) : fd_(::open(path.c_str(), flags | O_CLOEXEC, 0644)) {}
  ~PositionedFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  PositionedFile(const PositionedFile&) = delete;
  PositionedFile& operator=(const PositionedFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }

  // False on an error or when the file ends before size bytes.
  bool ReadAt(uint8_t* out, size_t size, off_t offset) const {
    while (size > 0) {
      ssize_t n = ::pread(fd_, out, size, offset);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      out += n;
      size -= static_cast<size_t>(n);
      offset += n;
    }
    return true;
  }

  bool WriteAt(const uint8_t* data, size_t size, off_t offset) const {
    while (size > 0) {
      ssize_t n = ::pwrite(fd_, data, size, offset);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      data += n;
      size -= static_cast<size_t>(n);
      offset += n;
    }
    return true;
  }

  // Makes the data written so far durable before anything written later.
  bool Sync() const { return ::fdatasync(fd_) == 0; }

 private:
  int fd_;
};

std::optional<SlotFileHeader> ReadHeaderFrom(const PositionedFile& file) {
  std::vector<uint8_t> bytes(kSlotFileHeaderSize);
  if (!file.ReadAt(bytes.data(), bytes.size(), 0)) return std::nullopt;
  return SlotFileHeader::FromBytes(bytes);
}

bool WriteHeaderTo(const PositionedFile& file, const SlotFileHeader& header) {
  return file.WriteAt(header.Bytes().data(), header.Bytes().size(), 0);
}

bool WriteChangeStampTo(const PositionedFile& file, const TimeStamp& now) {
  uint8_t stamp[kTimeStampSize];
  WriteTimeStamp(stamp, now);
  return file.WriteAt(stamp, sizeof stamp, SlotFileHeader::kChangedOffset);
}

off_t RecordOffset(int slot, int recordSize) {
  return static_cast<off_t>(kSlotFileHeaderSize) + static_cast<off_t>(slot) * recordSize;
}

// Opens the existing file (found in any case) and reads its header; header stays empty when
// either fails. A header cut short is as unusable as a missing file.
void OpenWithHeader(const SlotFileContext& ctx, int flags, std::optional<PositionedFile>& file,
                    std::optional<SlotFileHeader>& header) {
  auto found = FindFileNoCase(ctx.dataDir, SlotFileName(ctx.kind, ctx.cardFileNumber));
  if (!found) return;
  file.emplace(*found, flags);
  if (file->IsOpen()) header = ReadHeaderFrom(*file);
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
  int n = UsableCount();
  entries.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) entries.push_back({OrderSlot(i), KeyPerson(i)});
  return entries;
}

// ---- SlotFile ----

std::filesystem::path SlotFile::Path() const {
  return PathForWriting(ctx_.dataDir, SlotFileName(ctx_.kind, ctx_.cardFileNumber));
}

int SlotFile::RecordSize() const { return InfoOfKind(ctx_.kind).recordSize; }

void SlotFile::ShowOpenFailure() const { ctx_.prompter.ShowError(Msg(8004, Path().string())); }
void SlotFile::ShowWriteFailure() const { ctx_.prompter.ShowError(Msg(8016, Path().string())); }

int SlotFile::Create(const uint8_t* ownerBlock) {
  std::filesystem::path path = Path();
  if (FileExistsNoCase(ctx_.dataDir, SlotFileName(ctx_.kind, ctx_.cardFileNumber)) &&
      !ctx_.prompter.AskYesNo(Msg(8009, path.string()))) {
    return -1;
  }
  PositionedFile file(path, O_RDWR | O_CREAT | O_TRUNC);
  if (!file.IsOpen()) {
    ShowOpenFailure();
    return -1;
  }
  SlotFileHeader header = SlotFileHeader::Empty(ownerBlock, RecordSize(), ctx_.clock.Now());
  if (!WriteHeaderTo(file, header)) {
    ShowWriteFailure();
    return -1;
  }
  return 1;
}

std::optional<SlotFileHeader> SlotFile::ReadHeader() {
  std::optional<PositionedFile> file;
  std::optional<SlotFileHeader> header;
  OpenWithHeader(ctx_, O_RDONLY, file, header);
  if (!header) ShowOpenFailure();
  return header;
}

int SlotFile::Write(std::span<uint8_t> record, int slot) {
  if (record.size() != static_cast<size_t>(RecordSize())) {
    throw std::invalid_argument("certificate record of the wrong size");
  }
  std::optional<PositionedFile> file;
  std::optional<SlotFileHeader> header;
  OpenWithHeader(ctx_, O_RDWR, file, header);
  if (!header) {
    ShowOpenFailure();
    return -1;
  }
  TimeStamp now = ctx_.clock.Now();
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
    slot = *free;
    header->SetOrderSlot(n, static_cast<uint16_t>(slot));
    header->SetKeyPerson(n, GetU16(&record[kRecordKeyPersonOffset]));
    header->SetCount(static_cast<int16_t>(n + 1));
    header->SetMapByte(slot, kSlotInUse);
    WriteTimeStamp(&record[kRecordCreatedOffset], now);
  } else if (!header->InUse(slot)) {
    ctx_.prompter.ShowError(Msg(8012));
    // A slot beyond the map can never become valid; writing it would only grow the file.
    if (!InMap(slot)) return -1;
  }
  WriteTimeStamp(&record[kRecordChangedOffset], now);
  header->SetLastChange(now);

  // The record reaches the disk before the header that marks its slot, so a crash in
  // between leaves at worst an unused record, never a marked slot without its record.
  if (!file->WriteAt(record.data(), record.size(), RecordOffset(slot, RecordSize())) || !file->Sync() ||
      !WriteHeaderTo(*file, *header)) {
    ShowWriteFailure();
    return -1;
  }
  if (ctx_.modified) ctx_.modified->Set();
  return slot;
}

int SlotFile::Read(int slot, std::vector<uint8_t>& record) {
  if (IsNewSlot(slot)) return -1;
  std::optional<PositionedFile> file;
  std::optional<SlotFileHeader> header;
  OpenWithHeader(ctx_, O_RDONLY, file, header);
  if (!header) {
    ShowOpenFailure();
    return -1;
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(RecordSize()));
  if (!header->InUse(slot) || !file->ReadAt(bytes.data(), bytes.size(), RecordOffset(slot, RecordSize()))) {
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
  std::optional<PositionedFile> file;
  std::optional<SlotFileHeader> header;
  OpenWithHeader(ctx_, O_RDWR, file, header);
  if (!header) {
    if (reportOpenFailure) ShowOpenFailure();
    return -1;
  }
  TimeStamp now = ctx_.clock.Now();
  int k = header->InUse(slot) ? header->IndexOfSlot(slot) : -1;
  if (k < 0) {
    ctx_.prompter.ShowError(Msg(8012));
    if (!WriteChangeStampTo(*file, now)) ShowWriteFailure();
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
  if (!WriteHeaderTo(*file, *header)) {
    ShowWriteFailure();
    return -1;
  }
  if (ctx_.modified) ctx_.modified->Set();
  return slot;
}

int SlotFile::ForEachCertificate(const Visitor& visit) {
  std::optional<PositionedFile> file;
  std::optional<SlotFileHeader> header;
  OpenWithHeader(ctx_, O_RDONLY, file, header);
  if (!header) {
    ShowOpenFailure();
    return -1;
  }
  int visited = 0;
  std::vector<uint8_t> record(static_cast<size_t>(RecordSize()));
  for (const SlotEntry& entry : header->Entries()) {
    if (!header->InUse(entry.slot)) continue;
    if (!file->ReadAt(record.data(), record.size(), RecordOffset(entry.slot, RecordSize()))) {
      ctx_.prompter.ShowError(Msg(8013));
      continue;
    }
    visit(entry, record);
    ++visited;
  }
  return visited;
}

}  // namespace vl
