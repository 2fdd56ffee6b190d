#pragma once
// The core's only way to the file system: every operation that can fail goes through here, so
// that tests can make any one of them fail and prove that no data is lost.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace vl {

// Test hook. Every open, write, sync, close, rename, remove and link of this layer is counted;
// a test can make the n-th one from now fail, once.
class FileFaults {
 public:
  // The n-th counted operation from now fails (n >= 1); the count restarts at 0.
  static void FailOperation(long n);
  // No operation fails; the count restarts at 0.
  static void Disarm();
  // Operations counted since the last FailOperation or Disarm.
  static long Counted();
  // Counts one operation; true when it is the one that must fail.
  static bool NextFails();
};

// A file opened by this layer; closed when it goes out of scope (a close that fails there is
// only of interest to writers, which call Close themselves).
class OpenFile {
 public:
  enum class Mode { Read, ReadWrite, CreateNew };
  OpenFile(const std::filesystem::path& path, Mode mode);
  ~OpenFile();
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  // False on an error or when the file ends before size bytes.
  bool ReadAt(uint8_t* out, size_t size, int64_t offset) const;
  bool WriteAt(const uint8_t* data, size_t size, int64_t offset);
  bool WriteAll(const std::vector<uint8_t>& bytes) { return WriteAt(bytes.data(), bytes.size(), 0); }
  // Makes what was written durable.
  bool Sync();
  // Closes now; false when the system reports that the data may not have been written.
  bool Close();

 private:
  int fd_ = -1;
};

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path);

// Creates `path`, which must not exist yet, with the bytes, and makes it durable.
bool WriteNewFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

bool RenameFile(const std::filesystem::path& from, const std::filesystem::path& to);
// True also when the file did not exist.
bool RemoveFile(const std::filesystem::path& path);
// A second name for the same file (a copy where links are not possible).
bool LinkOrCopyFile(const std::filesystem::path& from, const std::filesystem::path& to);
// Makes renames and removals in the directory durable.
bool SyncDirectory(const std::filesystem::path& dir);

// Writes a new version of target beside it and renames it over target, so target holds either
// the old or the new content, never a mix. Temporary files are cleaned up on failure.
bool WriteFileAtomically(const std::filesystem::path& target, const std::vector<uint8_t>& bytes);

}  // namespace vl
