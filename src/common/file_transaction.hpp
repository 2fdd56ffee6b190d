#pragma once
// Several files of one directory changed together: after Commit() either every file holds its
// new content or every file its old one, also when the program stops half-way (the next
// RecoverInterruptedChanges puts the old files back).
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vl {

class FileTransaction {
 public:
  explicit FileTransaction(std::filesystem::path dir) : dir_(std::move(dir)) {}
  FileTransaction(const FileTransaction&) = delete;
  FileTransaction& operator=(const FileTransaction&) = delete;

  const std::filesystem::path& Directory() const { return dir_; }

  // The content the file will have, for changing in place. Read from disk at first use;
  // nullptr when the file cannot be read (missing, or a read error).
  std::vector<uint8_t>* Content(const std::filesystem::path& target);
  // The planned content when the file is part of this transaction, else nullptr.
  const std::vector<uint8_t>* Planned(const std::filesystem::path& target) const;
  // The file gets these bytes (and is created when missing).
  void Replace(const std::filesystem::path& target, std::vector<uint8_t> bytes);
  // The file gets what `source` holds before the transaction (nothing happens when source is missing).
  void CopyFrom(const std::filesystem::path& target, const std::filesystem::path& source);
  // Forgets every planned change.
  void Discard();
  bool Empty() const { return changes_.empty() && copies_.empty(); }

  // True when every file now holds its new content. False when they hold their old content,
  // or will hold it again once RecoverInterruptedChanges has run; FailedPath() names the file
  // that could not be written.
  bool Commit();
  const std::filesystem::path& FailedPath() const { return failedPath_; }

 private:
  struct Step;
  bool Stage(std::vector<Step>& steps);
  bool WriteJournal(const std::vector<Step>& steps, const std::filesystem::path& journal);
  void RollBack(std::vector<Step>& steps, const std::filesystem::path& journal);

  std::filesystem::path dir_;
  std::map<std::filesystem::path, std::vector<uint8_t>> changes_;
  std::map<std::filesystem::path, std::filesystem::path> copies_;  // target -> source
  std::filesystem::path failedPath_;
};

// Undoes the changes of transactions in dir that were interrupted, and removes the temporary
// files that any interrupted write left behind. Returns false when something could not be undone
// (it is tried again next time).
bool RecoverInterruptedChanges(const std::filesystem::path& dir);

}  // namespace vl
