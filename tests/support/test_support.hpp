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
