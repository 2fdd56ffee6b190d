#include "storage/card_file_lifecycle.hpp"

#include <algorithm>

#include "common/file_names.hpp"
#include "common/file_transaction.hpp"
#include "storage/card_file_names.hpp"
#include "storage/list_file.hpp"

namespace vl {
namespace {

void ShowListLine(ProgressWindow* progress, int message) {
  if (progress) progress->SetLine(2, std::string(MessageText(message)));
}

}  // namespace

int CreateCardFile(const StoreContext& ctx, CardFile& card) {
  card.notes.clear();
  card.header.SetZoom(1);
  card.header.SetNotesLength(0);
  int result = CreateFileSet(ctx, card);
  card.modified.Clear();
  return result;
}

bool OpenCardFile(const StoreContext& ctx, CardFile& card, int number) {
  card.Clear();
  card.number = number;
  RecoverInterruptedChanges(ctx.dataDir);
  // Its files have another layout: reading or renewing them would destroy them.
  if (RefuseOlderFormat(ctx, number)) {
    card.number = 0;
    return false;
  }
  ListFileContext lists{ctx.dataDir, number, ctx.prompter, ctx.clock, ctx.progress};
  bool ok = LoadHeaderAndPersons(ctx, card, number) > 0;
  ShowListLine(ctx.progress, 8073);
  ok = LoadList(lists, kPlaceListPrefix, card.places) > 0 && ok;
  ShowListLine(ctx.progress, 8074);
  ok = LoadList(lists, kProfessionListPrefix, card.professions) > 0 && ok;
  if (!ok) {
    card.Clear();
    card.number = 0;
  }
  card.modified.Clear();
  return ok;
}

bool SaveCardFile(const StoreContext& ctx, CardFile& card) {
  // Lists, header and person cards reach the disk together or not at all.
  FileTransaction own(ctx.dataDir);
  StoreContext staged = ctx;
  staged.transaction = ctx.transaction ? ctx.transaction : &own;
  ListFileContext lists{ctx.dataDir, card.number, ctx.prompter, ctx.clock, ctx.progress, staged.transaction};
  if (ctx.progress) ctx.progress->SetLine(0, std::string(MessageText(8057)));
  ShowListLine(ctx.progress, 8073);
  bool ok = SaveList(lists, kPlaceListPrefix, card.places) > 0;
  ShowListLine(ctx.progress, 8074);
  ok = ok && SaveList(lists, kProfessionListPrefix, card.professions) > 0;
  ok = ok && SaveHeaderAndPersons(staged, card) > 0;
  if (!ok) {
    staged.transaction->Discard();
    return false;
  }
  if (!ctx.transaction && !own.Commit()) {
    ctx.prompter.ShowError(Msg(8016, own.FailedPath().string()));
    return false;
  }
  card.modified.Clear();
  return true;
}

bool CloseCardFile(const StoreContext& ctx, CardFile& card) {
  if (card.modified.IsSet() && !SaveCardFile(ctx, card)) return false;
  card.Clear();
  card.number = 0;
  return true;
}

std::vector<CardFileListing> ListCardFiles(const StoreContext& ctx, bool includeOlder) {
  // an interrupted creation may have left a header that is not a card file yet
  RecoverInterruptedChanges(ctx.dataDir);
  std::vector<CardFileListing> listing;
  for (const std::string& name : FileNamesWithPrefixNoCase(ctx.dataDir, "DOSSIER.")) {
    auto number = NumberOfHeaderFileName(name);
    if (!number || *number < 1 || *number > kMaxCardFileNumber) continue;
    CardFileListing entry;
    entry.number = *number;
    entry.fileName = name;
    if (ReadHeaderOnly(ctx.dataDir / name, entry.header, ctx.prompter) < 0) continue;
    if (!includeOlder && entry.header.Version() < kFormatVersion) continue;
    listing.push_back(std::move(entry));
  }
  std::sort(listing.begin(), listing.end(), [](const auto& a, const auto& b) { return a.number < b.number; });
  return listing;
}

}  // namespace vl
