#include "fuzz_support.hpp"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "common/file_io.hpp"

namespace vl::fuzz {
namespace {

// The loaders flush every write; a RAM-backed directory keeps that from dominating the run time.
std::filesystem::path ScratchBase() {
  if (const char* tmp = std::getenv("TMPDIR"); tmp != nullptr && *tmp != '\0') return tmp;
  std::error_code error;
  if (std::filesystem::is_directory("/dev/shm", error)) return "/dev/shm";
  return std::filesystem::temp_directory_path();
}

class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (ScratchBase() / "vorlinde-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      std::perror("vorlinde fuzz: mkdtemp");
      std::abort();
    }
    path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& Emptied() const {
    for (const auto& entry : std::filesystem::directory_iterator(path_)) std::filesystem::remove_all(entry.path());
    return path_;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace

const std::filesystem::path& FreshDataDir() {
  static const ScratchDir dir;
  return dir.Emptied();
}

void WriteInputFile(const std::filesystem::path& dir, std::string_view name, std::span<const uint8_t> bytes) {
  std::ofstream out(dir / name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  Require(out.good(), "the input file can be written to the data directory");
}

std::vector<uint8_t> FileBytes(const std::filesystem::path& dir, std::string_view name) {
  return ReadWholeFile(dir / name).value_or(std::vector<uint8_t>{});
}

void Require(bool holds, std::string_view invariant) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %.*s\n", static_cast<int>(invariant.size()), invariant.data());
  std::abort();
}

}  // namespace vl::fuzz
