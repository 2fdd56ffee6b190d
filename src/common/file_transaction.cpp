// The new versions are written beside the files first; the old versions are kept under second
// names and a journal lists them all before the first rename. Removing the journal is the
// moment the change counts as made: until then, any failure puts the old versions back.
#include "common/file_transaction.hpp"

#include <sstream>

#include "common/file_io.hpp"
#include "common/temporary_names.hpp"

namespace vl {
namespace {

constexpr std::string_view kNoBackup = "-";
constexpr std::string_view kJournalEnd = "end";

bool Exists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

struct JournalEntry {
  std::string target, backup, temp;
};

// nullopt for a journal that was not written to its end: then no file was renamed yet.
std::optional<std::vector<JournalEntry>> ReadJournal(const std::filesystem::path& journal) {
  auto bytes = ReadWholeFile(journal);
  if (!bytes) return std::nullopt;
  std::istringstream in(std::string(bytes->begin(), bytes->end()));
  std::vector<JournalEntry> entries;
  std::string line;
  while (std::getline(in, line)) {
    if (line == kJournalEnd) return entries;
    JournalEntry entry;
    std::istringstream fields(line);
    if (!std::getline(fields, entry.target, '\t') || !std::getline(fields, entry.backup, '\t') ||
        !std::getline(fields, entry.temp)) {
      return std::nullopt;
    }
    entries.push_back(std::move(entry));
  }
  return std::nullopt;
}

bool UndoJournal(const std::filesystem::path& dir, const std::filesystem::path& journal) {
  bool ok = true;
  if (auto entries = ReadJournal(journal)) {
    for (const JournalEntry& entry : *entries) {
      std::filesystem::path target = dir / entry.target;
      if (entry.backup != kNoBackup) {
        std::filesystem::path backup = dir / entry.backup;
        if (Exists(backup)) {
          ok = RenameFile(backup, target) && ok;
          // a backup that is a second name of the unchanged target survives the rename
          if (Exists(backup)) RemoveFile(backup);
        }
      } else if (!Exists(dir / entry.temp)) {
        ok = RemoveFile(target) && ok;  // it did not exist before
      }
    }
  }
  if (ok) ok = RemoveFile(journal);
  return ok;
}

}  // namespace

struct FileTransaction::Step {
  std::filesystem::path target;
  std::filesystem::path temp;
  std::filesystem::path backup;  // empty: the target did not exist
  bool renamed = false;
};

std::vector<uint8_t>* FileTransaction::Content(const std::filesystem::path& target) {
  auto it = changes_.find(target);
  if (it != changes_.end()) return &it->second;
  auto bytes = ReadWholeFile(target);
  if (!bytes) return nullptr;
  return &changes_.emplace(target, std::move(*bytes)).first->second;
}

const std::vector<uint8_t>* FileTransaction::Planned(const std::filesystem::path& target) const {
  auto it = changes_.find(target);
  return it == changes_.end() ? nullptr : &it->second;
}

void FileTransaction::Replace(const std::filesystem::path& target, std::vector<uint8_t> bytes) {
  changes_[target] = std::move(bytes);
}

void FileTransaction::CopyFrom(const std::filesystem::path& target, const std::filesystem::path& source) {
  copies_[target] = source;
}

void FileTransaction::Discard() {
  changes_.clear();
  copies_.clear();
}

bool FileTransaction::Stage(std::vector<Step>& steps) {
  for (const auto& [target, source] : copies_) {
    if (!Exists(source)) continue;
    Step step{target, TemporaryNameBeside(target, kNewSuffix), {}, false};
    if (!LinkOrCopyFile(source, step.temp)) {
      failedPath_ = target;
      return false;
    }
    steps.push_back(std::move(step));
  }
  for (const auto& [target, bytes] : changes_) {
    Step step{target, TemporaryNameBeside(target, kNewSuffix), {}, false};
    if (!WriteNewFile(step.temp, bytes)) {
      failedPath_ = target;
      return false;
    }
    steps.push_back(std::move(step));
  }
  for (Step& step : steps) {
    if (!Exists(step.target)) continue;
    step.backup = TemporaryNameBeside(step.target, kOldSuffix);
    if (!LinkOrCopyFile(step.target, step.backup)) {
      step.backup.clear();
      failedPath_ = step.target;
      return false;
    }
  }
  return true;
}

bool FileTransaction::WriteJournal(const std::vector<Step>& steps, const std::filesystem::path& journal) {
  std::string text;
  for (const Step& step : steps) {
    text += step.target.filename().string() + '\t';
    text += step.backup.empty() ? std::string(kNoBackup) : step.backup.filename().string();
    text += '\t' + step.temp.filename().string() + '\n';
  }
  text += std::string(kJournalEnd) + '\n';
  return WriteNewFile(journal, std::vector<uint8_t>(text.begin(), text.end())) && SyncDirectory(dir_);
}

void FileTransaction::RollBack(std::vector<Step>& steps, const std::filesystem::path& journal) {
  bool undone = true;
  for (Step& step : steps) {
    if (step.renamed) {
      undone = (step.backup.empty() ? RemoveFile(step.target) : RenameFile(step.backup, step.target)) && undone;
    } else {
      RemoveFile(step.temp);
      if (!step.backup.empty()) RemoveFile(step.backup);
    }
  }
  // Whatever could not be undone here is undone from the journal at the next recovery.
  if (undone && !journal.empty()) RemoveFile(journal);
  SyncDirectory(dir_);
}

bool FileTransaction::Commit() {
  failedPath_.clear();
  if (Empty()) return true;
  std::vector<Step> steps;
  if (!Stage(steps)) {
    RollBack(steps, {});
    return false;
  }
  std::filesystem::path journal = TemporaryNameBeside(dir_ / "vorlinde", kJournalSuffix);
  if (!WriteJournal(steps, journal)) {
    failedPath_ = steps.front().target;
    RemoveFile(journal);
    RollBack(steps, {});
    return false;
  }
  for (Step& step : steps) {
    if (!RenameFile(step.temp, step.target)) {
      failedPath_ = step.target;
      RollBack(steps, journal);
      return false;
    }
    step.renamed = true;
  }
  SyncDirectory(dir_);
  if (!RemoveFile(journal)) {
    failedPath_ = steps.front().target;
    RollBack(steps, journal);
    return false;
  }
  SyncDirectory(dir_);
  for (const Step& step : steps) {
    if (!step.backup.empty()) RemoveFile(step.backup);
  }
  Discard();
  return true;
}

bool RecoverInterruptedChanges(const std::filesystem::path& dir) {
  std::error_code ec;
  std::vector<std::filesystem::path> journals, leftovers;
  for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
    std::string name = entry.path().filename().string();
    if (IsTemporaryName(name, kJournalSuffix)) journals.push_back(entry.path());
    if (IsTemporaryName(name, kNewSuffix) || IsTemporaryName(name, kOldSuffix)) leftovers.push_back(entry.path());
  }
  bool ok = true;
  for (const auto& journal : journals) ok = UndoJournal(dir, journal) && ok;
  // Kept old versions are still needed while a journal could not be undone.
  if (!ok) return false;
  for (const auto& leftover : leftovers) RemoveFile(leftover);
  return true;
}

}  // namespace vl
