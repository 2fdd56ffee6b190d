#include "support/test_support.hpp"

#include <random>
#include <system_error>

namespace vl::test {

TempDir::TempDir() {
  std::random_device rd;
  for (;;) {
    path_ = std::filesystem::temp_directory_path() / ("vorlinde-test-" + std::to_string(rd()));
    std::error_code ec;
    if (std::filesystem::create_directory(path_, ec)) break;
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace vl::test

#include <fstream>
#include <iterator>

namespace vl::test {

DirectorySnapshot Snapshot(const std::filesystem::path& dir) {
  DirectorySnapshot files;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    files[entry.path().filename().string()] =
        std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return files;
}

void Restore(const std::filesystem::path& dir, const DirectorySnapshot& snapshot) {
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.is_regular_file()) std::filesystem::remove(entry.path());
  }
  for (const auto& [name, bytes] : snapshot) {
    std::ofstream out(dir / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
}

std::vector<std::string> TemporaryFiles(const DirectorySnapshot& snapshot) {
  std::vector<std::string> names;
  for (const auto& [name, bytes] : snapshot) {
    if (name.starts_with(".~")) names.push_back(name);
  }
  return names;
}

}  // namespace vl::test
