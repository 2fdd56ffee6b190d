#pragma once
// Whole-file reading and crash-safe replacing of files.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace vl {

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path);

// Test hook: lets a test make the n-th following atomic write fail, to prove old files survive.
class AtomicWriteFaults {
 public:
  static void FailAfter(int successfulWrites);
  static void Clear();
  static bool ShouldFail();
};

// Writes to a temporary file in the same directory, flushes it to disk and renames it over
// target, so target is either the old or the new content, never a torn mix.
bool WriteFileAtomically(const std::filesystem::path& target, const std::vector<uint8_t>& bytes);

// Copies the file; replaces an existing destination. Used for backups.
bool CopyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace vl

namespace vl {

// A new version of a file, first written beside it and replaced only by Commit(); a staged
// file that is never committed is removed again.
class StagedFile {
 public:
  explicit StagedFile(std::filesystem::path target) : target_(std::move(target)) {}
  ~StagedFile();
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  // Writes and flushes the temporary file.
  bool Stage(const std::vector<uint8_t>& bytes);
  // Renames the temporary file over the target.
  bool Commit();
  const std::filesystem::path& Target() const { return target_; }

 private:
  std::filesystem::path target_;
  std::filesystem::path temp_;
};

// Makes `backup` hold what `file` holds now (a hard link where possible, else a copy),
// replacing an earlier backup in one step. false when file does not exist or it fails.
bool KeepBackup(const std::filesystem::path& file, const std::filesystem::path& backup);

}  // namespace vl
