// Fuzz target: the place list file COMMUNES.nnn as opening a card file loads it, then saved and
// loaded again. The input is the whole file.
#include <algorithm>
#include <string>

#include "common/byte_io.hpp"
#include "common/scripted_prompter.hpp"
#include "fuzz_support.hpp"
#include "storage/card_file_names.hpp"
#include "storage/list_file.hpp"

namespace vl::fuzz {
namespace {

constexpr size_t kAccessStampOffset = 252;
constexpr size_t kCountOffset = 262;

// Loading rewrites only the last-access stamp of the file.
void CheckFileAfterLoad(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after) {
  Require(after.size() == before.size(), "loading keeps the list file's size");
  for (size_t i = 0; i < before.size(); ++i) {
    bool stamp = i >= kAccessStampOffset && i < kAccessStampOffset + kTimeStampSize;
    Require(stamp || before[i] == after[i], "loading changes nothing in the list file but the access stamp");
  }
  Require(ReadTimeStamp(after.data() + kAccessStampOffset) == kFuzzNow, "the access stamp is the clock's time");
}

void CheckEntriesFound(const NameList& list) {
  for (const std::string& entry : list.Entries()) Require(list.Find(entry) != nullptr, "every entry can be found");
}

// Adding a text already present changes nothing; removing it after a yes takes one entry away.
void CheckAddAndRemove(NameList& list) {
  std::vector<std::string> entries = list.Entries();
  auto named = std::find_if(entries.begin(), entries.end(), [](const std::string& e) { return !e.empty(); });
  if (named == entries.end()) return;
  const int count = list.Count();
  list.Add(*named);
  Require(list.Count() == count, "adding a text already in the list adds no entry");
  ScriptedPrompter prompter;
  prompter.QueueAnswer(true);
  Require(list.Remove(*named, prompter) && list.Count() == count - 1, "removing an entry after yes takes one away");
  Require(prompter.Ids() == std::vector<int>{8077}, "removing asks 8077 first");
}

void FuzzOne(const uint8_t* data, size_t size) {
  const std::filesystem::path& dir = FreshDataDir();
  const std::string name = PlaceListFileName(1);
  const std::vector<uint8_t> file(data, data + size);
  WriteInputFile(dir, name, file);

  ScriptedPrompter prompter;
  const FixedClock clock(kFuzzNow);
  const ListFileContext ctx{dir, 1, prompter, clock};
  ModifiedFlag modified;
  NameList list(modified);
  int result = LoadList(ctx, kPlaceListPrefix, list);
  Require(result == (size >= kListHeaderSize ? 1 : -1), "a list file loads exactly when it holds a whole header");
  if (result < 0) {
    Require(list.Count() == 0 && prompter.Ids() == std::vector<int>{8004}, "a short list file is reported with 8004");
    return;
  }
  const int stored = GetI16(file.data() + kCountOffset);
  Require(list.Count() <= std::max(stored, 0), "no more entries than the file counts");
  const bool complete = list.Count() == std::max(stored, 0);
  Require(prompter.Ids() == (complete ? std::vector<int>{} : std::vector<int>{8406}),
          "a list cut short is reported with 8406, a whole one without a message");
  CheckFileAfterLoad(file, FileBytes(dir, name));
  CheckEntriesFound(list);

  // The file holds the list in reverse, so saving and loading again reverses it.
  const std::vector<std::string> loaded = list.Entries();
  Require(SaveList(ctx, kPlaceListPrefix, list) == 1, "a loaded list can be saved");
  NameList reloaded(modified);
  Require(LoadList(ctx, kPlaceListPrefix, reloaded) == 1, "a saved list loads again");
  const std::vector<std::string> again = reloaded.Entries();
  Require(std::equal(loaded.rbegin(), loaded.rend(), again.begin(), again.end()), "a saved list loads in reverse order");

  CheckAddAndRemove(list);
}

}  // namespace
}  // namespace vl::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::fuzz::FuzzOne(data, size);
  return 0;
}
