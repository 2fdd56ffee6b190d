#include "storage/card_file_store.hpp"

#include <algorithm>
#include <set>

#include "common/byte_io.hpp"
#include "common/cp1252.hpp"
#include "common/file_io.hpp"
#include "common/file_transaction.hpp"
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

int CreateHeaderFile(const StoreContext& ctx, CardFile& card, FileTransaction& transaction) {
  std::string name = HeaderFileName(card.number);
  if (!MayReplace(ctx, name, 8014)) return -1;
  card.header.PrepareForNewCardFile(ctx.clock.Now());
  transaction.Replace(PathForWriting(ctx.dataDir, name),
                      std::vector<uint8_t>(card.header.Raw().begin(), card.header.Raw().end()));
  return 1;
}

int CreateEmptyPersonFile(const StoreContext& ctx, int number, FileTransaction& transaction) {
  std::string name = PersonFileName(number);
  if (!MayReplace(ctx, name, 8009)) return -1;
  transaction.Replace(PathForWriting(ctx.dataDir, name), std::vector<uint8_t>(4, 0));
  return 1;
}

// Commits a transaction of the operation's own (8016 naming the file that failed); the caller's
// transaction is left to the caller.
int CommitOwn(const StoreContext& ctx, FileTransaction& own) {
  if (ctx.transaction || own.Commit()) return 1;
  ctx.prompter.ShowError(Msg(8016, own.FailedPath().string()));
  return -1;
}

int StageFileSet(const StoreContext& ctx, CardFile& card, FileTransaction& transaction) {
  ProgressWindow* progress = ctx.progress;
  SetLine(progress, 0, Text(8025));
  SetPercent(progress, ProgressWindow::kReset);
  SetLine(progress, 1, Text(8063));
  SetLine(progress, 2, "");
  if (CreateHeaderFile(ctx, card, transaction) < 0) return -1;

  SetPercent(progress, 10);
  SetLine(progress, 1, Text(8064));
  for (int kind = 0; kind < kKindCount; ++kind) {
    SetLine(progress, 2, Text(InfoOfKind(kind).counterMessage));
    SlotFileContext slotContext{ctx.dataDir, card.number, kind, ctx.prompter, ctx.clock, nullptr};
    slotContext.transaction = &transaction;
    if (SlotFile(slotContext).Create(card.header.OwnerBlock()) < 0) return -1;
    SetPercent(progress, 20 + 10 * kind);
  }

  SetLine(progress, 2, Text(8058));
  if (CreateEmptyPersonFile(ctx, card.number, transaction) < 0) return -1;

  ListFileContext lists{ctx.dataDir, card.number, ctx.prompter, ctx.clock, nullptr, &transaction};
  SetPercent(progress, 80);
  SetLine(progress, 1, Text(8071));
  SetLine(progress, 2, Text(8073));
  if (CreateListFile(lists, kPlaceListPrefix, card.header.OwnerBlock(), "Orte", card.places) < 0) return -1;
  SetPercent(progress, 90);
  SetLine(progress, 2, Text(8074));
  if (CreateListFile(lists, kProfessionListPrefix, card.header.OwnerBlock(), "Berufe", card.professions) < 0) {
    return -1;
  }
  return 1;
}

}  // namespace

int ChooseNewCardFileNumber(const StoreContext& ctx) {
  RecoverInterruptedChanges(ctx.dataDir);
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
  // Nothing of the new card file reaches the disk unless all of it does.
  FileTransaction own(ctx.dataDir);
  FileTransaction& transaction = ctx.transaction ? *ctx.transaction : own;
  if (StageFileSet(ctx, card, transaction) < 0) {
    transaction.Discard();
    return -1;
  }
  if (CommitOwn(ctx, own) < 0) return -1;
  SetPercent(ctx.progress, 100);
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

  FileTransaction own(ctx.dataDir);
  FileTransaction& transaction = ctx.transaction ? *ctx.transaction : own;
  std::vector<uint8_t> headerBytes(card.header.Raw().begin(), card.header.Raw().end());
  headerBytes.insert(headerBytes.end(), card.notes.begin(), card.notes.end());
  transaction.Replace(PathForWriting(ctx.dataDir, HeaderFileName(card.number)), std::move(headerBytes));

  SetLine(ctx.progress, 0, Text(8057));
  SetLine(ctx.progress, 1, Text(8058));
  SetLine(ctx.progress, 2, "");
  SetPercent(ctx.progress, ProgressWindow::kReset);
  std::filesystem::path persons = PathForWriting(ctx.dataDir, PersonFileName(card.number));
  transaction.CopyFrom(PathForWriting(ctx.dataDir, PersonBackupFileName(card.number)), persons);
  transaction.Replace(persons, SerialisePersons(card.persons, ctx.progress));
  return CommitOwn(ctx, own);
}

Message OlderFormatMessage(int number, int version) {
  return DirectText(FormatPrintf(
      "Die Kartei %03d stammt aus einer älteren Programmversion (Version %d) und kann so nicht geöffnet "
      "werden. Übernehmen Sie sie mit „Kartei älterer Versionen importieren“.",
      number, version));
}

bool RefuseOlderFormat(const StoreContext& ctx, int number) {
  auto path = FindFileNoCase(ctx.dataDir, HeaderFileName(number));
  auto bytes = path ? ReadWholeFile(*path) : std::nullopt;
  if (!bytes || bytes->size() < kHeaderSize) return false;  // not a header at all: the loaders report it
  int version = GetU16(bytes->data());
  if (version >= kFormatVersion) return false;
  ctx.prompter.ShowError(OlderFormatMessage(number, version));
  return true;
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
