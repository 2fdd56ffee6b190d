#pragma once
// Shared test helpers: a fresh temporary program home per test.
#include <filesystem>
#include <string>

namespace vl::test {

// A temporary directory that is removed again when the object goes away.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace vl::test

#include <cstdint>
#include <map>
#include <vector>

namespace vl::test {

// Every file of a directory (not below it) by name, with its bytes.
using DirectorySnapshot = std::map<std::string, std::vector<uint8_t>>;
DirectorySnapshot Snapshot(const std::filesystem::path& dir);
// Makes the directory hold exactly the snapshot's files again.
void Restore(const std::filesystem::path& dir, const DirectorySnapshot& snapshot);
// Names of the snapshot's files that start with ".~" (temporary files of an unfinished write).
std::vector<std::string> TemporaryFiles(const DirectorySnapshot& snapshot);

}  // namespace vl::test
