#include "storage/card_file_store.hpp"

#include <algorithm>
#include <set>

#include "common/cp1252.hpp"
#include "common/file_io.hpp"
#include "common/file_names.hpp"
#include "storage/card_file_names.hpp"
#include "storage/list_file.hpp"
#include "storage/person_file_reader.hpp"
#include "storage/slot_file.hpp"

namespace vl {
namespace {

std::string Text(int id) { return std::string(MessageText(id)); }

void SetLine(ProgressWindow* progress, int line, const std::string& text) {
  if (progress) progress->SetLine(line, text);
}

void SetPercent(ProgressWindow* progress, int percent) {
  if (progress) progress->SetPercent(percent);
}

// Asks before replacing an existing file; false when the user declines.
bool MayReplace(const StoreContext& ctx, const std::string& name, int question) {
  if (!FileExistsNoCase(ctx.dataDir, name)) return true;
  return ctx.prompter.AskYesNo(Msg(question, PathForWriting(ctx.dataDir, name).string()));
}

int CreateHeaderFile(const StoreContext& ctx, CardFile& card) {
  std::string name = HeaderFileName(card.number);
  if (!MayReplace(ctx, name, 8014)) return -1;
  card.header.PrepareForNewCardFile(ctx.clock.Now());
  std::vector<uint8_t> bytes(card.header.Raw().begin(), card.header.Raw().end());
  std::filesystem::path path = PathForWriting(ctx.dataDir, name);
  if (!WriteFileAtomically(path, bytes)) {
    ctx.prompter.ShowError(Msg(8016, path.string()));
    return -1;
  }
  return 1;
}

int CreateEmptyPersonFile(const StoreContext& ctx, int number) {
  std::string name = PersonFileName(number);
  if (!MayReplace(ctx, name, 8009)) return -1;
  std::filesystem::path path = PathForWriting(ctx.dataDir, name);
  if (!WriteFileAtomically(path, std::vector<uint8_t>(4, 0))) {
    ctx.prompter.ShowError(Msg(8004, path.string()));
    return -1;
  }
  return 1;
}

}  // namespace

int ChooseNewCardFileNumber(const StoreContext& ctx) {
  std::set<int> taken;
  for (const std::string& name : FileNamesWithPrefixNoCase(ctx.dataDir, "DOSSIER.")) {
    if (auto number = NumberOfHeaderFileName(name)) taken.insert(*number);
  }
  for (int n = 1; n <= kMaxCardFileNumber; ++n) {
    if (!taken.count(n)) return n;
  }
  ctx.prompter.ShowError(Msg(8005));
  return -1;
}

int CreateFileSet(const StoreContext& ctx, CardFile& card) {
  if (card.number < 1 || card.number > kMaxCardFileNumber) {
    ctx.prompter.ShowError(Msg(8017));
    return -1;
  }
  ProgressWindow* progress = ctx.progress;
  SetLine(progress, 0, Text(8025));
  SetPercent(progress, ProgressWindow::kReset);
  SetLine(progress, 1, Text(8063));
  SetLine(progress, 2, "");
  if (CreateHeaderFile(ctx, card) < 0) return -1;

  SetPercent(progress, 10);
  SetLine(progress, 1, Text(8064));
  for (int kind = 0; kind < kKindCount; ++kind) {
    SetLine(progress, 2, Text(InfoOfKind(kind).counterMessage));
    SlotFile slots(SlotFileContext{ctx.dataDir, card.number, kind, ctx.prompter, ctx.clock, nullptr});
    if (slots.Create(card.header.OwnerBlock()) < 0) return -1;
    SetPercent(progress, 20 + 10 * kind);
  }

  SetLine(progress, 2, Text(8058));
  if (CreateEmptyPersonFile(ctx, card.number) < 0) return -1;

  ListFileContext lists{ctx.dataDir, card.number, ctx.prompter, ctx.clock, nullptr};
  SetPercent(progress, 80);
  SetLine(progress, 1, Text(8071));
  SetLine(progress, 2, Text(8073));
  if (CreateListFile(lists, kPlaceListPrefix, card.header.OwnerBlock(), "Orte", card.places) < 0) return -1;
  SetPercent(progress, 90);
  SetLine(progress, 2, Text(8074));
  if (CreateListFile(lists, kProfessionListPrefix, card.header.OwnerBlock(), "Berufe", card.professions) < 0) {
    return -1;
  }
  SetPercent(progress, 100);
  return 1;
}

int SaveHeaderAndPersons(const StoreContext& ctx, CardFile& card) {
  if (card.number < 1 || card.number > kMaxCardFileNumber) {
    ctx.prompter.ShowError(Msg(8017));
    return -1;
  }
  size_t named = 0;
  for (const PersonCard& person : card.persons) named += person.fullName.empty() ? 0 : 1;
  if (card.notes.size() > kMaxNotesBytes) card.notes.resize(kMaxNotesBytes);
  card.header.SetPersonCount(static_cast<uint16_t>(named));
  card.header.SetNotesLength(static_cast<uint16_t>(card.notes.size()));
  card.header.SetSaved(ctx.clock.Now());

  std::vector<uint8_t> headerBytes(card.header.Raw().begin(), card.header.Raw().end());
  headerBytes.insert(headerBytes.end(), card.notes.begin(), card.notes.end());
  StagedFile header(PathForWriting(ctx.dataDir, HeaderFileName(card.number)));
  if (!header.Stage(headerBytes)) {
    ctx.prompter.ShowError(Msg(8016, header.Target().string()));
    return -1;
  }

  SetLine(ctx.progress, 0, Text(8057));
  SetLine(ctx.progress, 1, Text(8058));
  SetLine(ctx.progress, 2, "");
  SetPercent(ctx.progress, ProgressWindow::kReset);
  StagedFile persons(PathForWriting(ctx.dataDir, PersonFileName(card.number)));
  if (!persons.Stage(SerialisePersons(card.persons, ctx.progress))) {
    ctx.prompter.ShowError(Msg(8004, persons.Target().string()));
    return -1;
  }

  // Both new files are on disk; only now are the old ones replaced.
  KeepBackup(persons.Target(), PathForWriting(ctx.dataDir, PersonBackupFileName(card.number)));
  if (!header.Commit()) {
    ctx.prompter.ShowError(Msg(8016, header.Target().string()));
    return -1;
  }
  if (!persons.Commit()) {
    ctx.prompter.ShowError(Msg(8004, persons.Target().string()));
    return -1;
  }
  return 1;
}

int ReadHeaderOnly(const std::filesystem::path& path, CardFileHeader& header, Prompter& prompter) {
  auto bytes = ReadWholeFile(path);
  if (!bytes || bytes->size() < kHeaderSize) {
    prompter.ShowError(Msg(8015, path.string()));
    return -1;
  }
  std::copy_n(bytes->begin(), kHeaderSize, header.Raw().begin());
  return 1;
}

}  // namespace vl
