// Fuzz target: the card-file header DOSSIER.nnn as the card-file list and opening read it.
// The input is the whole header file; the person-card file beside it holds no records.
#include <algorithm>
#include <string>

#include "common/byte_io.hpp"
#include "common/scripted_prompter.hpp"
#include "fuzz_support.hpp"
#include "storage/card_file.hpp"
#include "storage/card_file_store.hpp"

namespace vl::fuzz {
namespace {

const std::string kHeaderName = "DOSSIER.001";
constexpr size_t kSavedOffset = 252;
constexpr size_t kPersonCountOffset = 432;
constexpr size_t kNotesLengthOffset = 454;

// The working notes behind the header: as many bytes as the header announces (at most 1999)
// and the file still holds.
std::string NotesIn(std::span<const uint8_t> file) {
  size_t announced = std::min<size_t>(GetU16(file.data() + kNotesLengthOffset), kMaxNotesBytes);
  size_t held = std::min(announced, file.size() - kHeaderSize);
  return std::string(reinterpret_cast<const char*>(file.data() + kHeaderSize), held);
}

bool SameBytesOutside(const CardFileHeader::Bytes& a, const CardFileHeader::Bytes& b,
                      std::initializer_list<std::pair<size_t, size_t>> skipped) {
  for (size_t i = 0; i < kHeaderSize; ++i) {
    bool skip = std::any_of(skipped.begin(), skipped.end(),
                            [i](const auto& range) { return i >= range.first && i < range.first + range.second; });
    if (!skip && a[i] != b[i]) return false;
  }
  return true;
}

void CheckReadHeaderOnly(const std::filesystem::path& dir, std::span<const uint8_t> file) {
  ScriptedPrompter prompter;
  CardFileHeader header;
  int result = ReadHeaderOnly(dir / kHeaderName, header, prompter);
  Require(result == (file.size() >= kHeaderSize ? 1 : -1), "ReadHeaderOnly accepts exactly files of 456 bytes or more");
  if (result < 0) {
    Require(prompter.Ids() == std::vector<int>{8015}, "a short header file is reported with 8015");
    return;
  }
  Require(std::equal(header.Raw().begin(), header.Raw().end(), file.begin()), "the header holds the file's first 456 bytes");
}

// Saving what was loaded keeps every header byte except the saved stamp, the person count and
// the notes length, and keeps the notes.
void CheckSaveKeepsHeader(const StoreContext& ctx, CardFile& card) {
  const CardFileHeader::Bytes loaded = card.header.Raw();
  Require(SaveHeaderAndPersons(ctx, card) == 1, "a loaded card file can be saved");
  std::vector<uint8_t> saved = FileBytes(ctx.dataDir, kHeaderName);
  Require(saved.size() == kHeaderSize + card.notes.size(), "the saved header is followed by exactly the notes");
  CardFileHeader reread;
  std::copy_n(saved.begin(), kHeaderSize, reread.Raw().begin());
  Require(SameBytesOutside(loaded, reread.Raw(), {{kSavedOffset, kTimeStampSize}, {kPersonCountOffset, 2}, {kNotesLengthOffset, 2}}),
          "saving changes no header byte but the saved stamp, person count and notes length");
  Require(reread.Saved() == kFuzzNow, "the saved stamp is the clock's time");
  Require(reread.PersonCount() == 0, "a card file without person cards is saved with person count 0");
  Require(NotesIn(saved) == card.notes, "the saved notes are the loaded ones");
}

void CheckLoad(const std::filesystem::path& dir, std::span<const uint8_t> file) {
  ScriptedPrompter prompter;
  const FixedClock clock(kFuzzNow);
  const StoreContext ctx{dir, prompter, clock};
  CardFile card(prompter);
  int result = LoadHeaderAndPersons(ctx, card, 1);
  const bool older = file.size() >= kHeaderSize && GetU16(file.data()) < 150;
  Require(result == (file.size() >= kHeaderSize && !older ? 1 : -1),
          "opening accepts exactly header files of 456 bytes or more of version 150 or above");
  Require(!older || (prompter.shown.size() == 1 && prompter.shown[0].text.find("Kartei älterer Versionen importieren") !=
                                                        std::string::npos),
          "an older card file is refused with the name of the command that converts it");
  Require(card.persons.Empty(), "a person-card file without records gives no person cards");
  if (result < 0) return;
  Require(std::equal(card.header.Raw().begin(), card.header.Raw().end(), file.begin()),
          "the opened header holds the file's first 456 bytes");
  Require(card.notes == NotesIn(file), "the notes are the announced bytes behind the header, as far as present");
  CheckSaveKeepsHeader(ctx, card);
}

void FuzzOne(const uint8_t* data, size_t size) {
  const std::filesystem::path& dir = FreshDataDir();
  std::span<const uint8_t> file(data, size);
  WriteInputFile(dir, kHeaderName, file);
  WriteInputFile(dir, "FICHES.001", std::vector<uint8_t>(4, 0));
  CheckReadHeaderOnly(dir, file);
  CheckLoad(dir, file);
}

}  // namespace
}  // namespace vl::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::fuzz::FuzzOne(data, size);
  return 0;
}
