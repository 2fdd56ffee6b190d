// Loading DOSSIER.nnn and FICHES.nnn into the open card file.
#include <algorithm>

#include "common/file_io.hpp"
#include "common/file_names.hpp"
#include "storage/card_file_names.hpp"
#include "storage/family_link_repair.hpp"
#include "storage/card_file_store.hpp"
#include "storage/person_file_reader.hpp"

namespace vl {
namespace {

struct PendingLinks {
  PersonCard* card;
  uint16_t father;
  uint16_t mother;
  std::vector<StoredChild> children;
  std::vector<uint16_t> spouses;
};

int LoadHeader(const StoreContext& ctx, CardFile& card, int number) {
  std::string name = HeaderFileName(number);
  auto path = FindFileNoCase(ctx.dataDir, name);
  auto bytes = path ? ReadWholeFile(*path) : std::nullopt;
  if (!bytes) {
    ctx.prompter.ShowError(Msg(8015, (ctx.dataDir / name).string()));
    return -1;
  }
  if (bytes->size() < kHeaderSize) {
    ctx.prompter.ShowError(Msg(8406));
    return -1;
  }
  std::copy_n(bytes->begin(), kHeaderSize, card.header.Raw().begin());
  if (card.header.Version() < kFormatVersion) {
    ctx.prompter.ShowError(OlderFormatMessage(number, card.header.Version()));
    return -1;
  }
  size_t wanted = std::min<size_t>(card.header.NotesLength(), kMaxNotesBytes);
  size_t available = std::min(wanted, bytes->size() - kHeaderSize);
  card.notes.assign(reinterpret_cast<const char*>(bytes->data() + kHeaderSize), available);
  if (available < wanted) ctx.prompter.ShowError(Msg(8406));
  return 1;
}

PersonCard* AddLoadedCard(CardFile& card, StoredPerson& stored) {
  PersonCard* created = card.persons.CreateWithNumber(stored.card.fullName, stored.card.surnameLength,
                                                      stored.card.number, stored.card.rank);
  if (created == nullptr) return nullptr;
  PersonCard& target = *created;
  uint16_t number = target.number;
  uint16_t rank = target.rank;
  target = std::move(stored.card);
  target.number = number;
  target.rank = rank;
  return created;
}

void ResolveLinks(CardFile& card, std::vector<PendingLinks>& pending, ProgressWindow* progress) {
  PersonIndex& index = card.persons;
  const size_t count = pending.size();
  int shown = -1;
  for (size_t i = 0; i < count; ++i) {
    PendingLinks& links = pending[i];
    PersonCard& person = *links.card;
    person.father = links.father ? index.Find(links.father) : nullptr;
    person.mother = links.mother ? index.Find(links.mother) : nullptr;
    person.children.clear();
    for (const StoredChild& child : links.children) {
      person.children.push_back({child.child ? index.Find(child.child) : nullptr, child.unionIndex});
    }
    for (size_t u = 0; u < links.spouses.size() && u < person.unions.size(); ++u) {
      person.unions[u].spouse = links.spouses[u] ? index.Find(links.spouses[u]) : nullptr;
    }
    int percent = static_cast<int>((i + 1) * 100 / count);
    if (progress && percent != shown) progress->SetPercent(shown = percent);
  }
}

}  // namespace

int LoadHeaderAndPersons(const StoreContext& ctx, CardFile& card, int number) {
  if (number < 1 || number > kMaxCardFileNumber) {
    ctx.prompter.ShowError(Msg(8017));
    return -1;
  }
  card.persons.Clear();
  card.number = number;
  if (LoadHeader(ctx, card, number) < 0) return -1;
  const int count = card.header.PersonCount();
  if (count == 0) return 1;

  std::string name = PersonFileName(number);
  auto path = FindFileNoCase(ctx.dataDir, name);
  auto bytes = path ? ReadWholeFile(*path) : std::nullopt;
  if (!bytes) {
    ctx.prompter.ShowError(Msg(8004, (ctx.dataDir / name).string()));
    return -1;
  }
  ProgressWindow* progress = ctx.progress;
  if (progress) {
    progress->SetLine(0, std::string(MessageText(8059)));
    progress->SetLine(1, std::string(MessageText(8060)));
    progress->SetLine(2, "");
    progress->SetPercent(ProgressWindow::kReset);
  }

  PersonRecordReader reader(*bytes);
  std::vector<PendingLinks> pending;
  pending.reserve(static_cast<size_t>(count));
  int shown = -1;
  for (int r = 1; r <= count; ++r) {
    auto sync = reader.Synchronise();
    if (sync.strayBytes) ctx.prompter.ShowError(Msg(8407, r));
    if (!sync.found) {
      ctx.prompter.ShowError(Msg(8406));
      break;
    }
    auto stored = reader.ReadRecord();
    if (!stored) {
      // the file ends inside this record: keep the cards read so far
      ctx.prompter.ShowError(Msg(8406));
      break;
    }
    if (stored->card.number == 0) {
      // cannot be placed in the index; the next record may still be sound
      if (!sync.strayBytes) ctx.prompter.ShowError(Msg(8407, r));
      continue;
    }
    PendingLinks links{nullptr, stored->father, stored->mother, std::move(stored->children), {}};
    for (const StoredUnion& u : stored->unions) links.spouses.push_back(u.spouse);
    for (StoredUnion& u : stored->unions) stored->card.unions.push_back(std::move(u.entry));
    links.card = AddLoadedCard(card, *stored);
    if (links.card) pending.push_back(std::move(links));
    int percent = r * 100 / count;
    if (progress && percent != shown) progress->SetPercent(shown = percent);
  }

  if (progress) progress->SetLine(1, "Der Stammbaum wird erstellt");
  ResolveLinks(card, pending, progress);
  // Damaged and imported files may record a link on one card only; everything that walks or
  // deletes links relies on both sides.
  if (RepairFamilyLinks(card.persons) > 0) ctx.prompter.ShowError(Msg(8406));
  return 1;
}

}  // namespace vl
