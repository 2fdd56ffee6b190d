#include "common/file_io.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <random>
#include <string>

namespace vl {
namespace {

// -1: no fault planned; otherwise the number of writes that still succeed before one fails.
std::atomic<int> gWritesBeforeFault{-1};

bool WriteAll(int fd, const uint8_t* data, size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

std::filesystem::path TemporaryNameBeside(const std::filesystem::path& target) {
  static thread_local std::mt19937 rng{std::random_device{}()};
  return target.parent_path() / (".~" + target.filename().string() + "." + std::to_string(rng() % 1000000) + ".tmp");
}

void SyncDirectory(const std::filesystem::path& dir) {
  int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

void AtomicWriteFaults::FailAfter(int successfulWrites) { gWritesBeforeFault = successfulWrites; }
void AtomicWriteFaults::Clear() { gWritesBeforeFault = -1; }
bool AtomicWriteFaults::ShouldFail() {
  int left = gWritesBeforeFault.load();
  if (left < 0) return false;
  gWritesBeforeFault = left - 1;  // one fault only: -1 again after it
  if (left == 0) return true;
  return false;
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  in.seekg(0, std::ios::end);
  std::streamoff size = in.tellg();
  if (size < 0) return std::nullopt;
  in.seekg(0, std::ios::beg);
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size)) return std::nullopt;
  return bytes;
}

bool WriteFileAtomically(const std::filesystem::path& target, const std::vector<uint8_t>& bytes) {
  StagedFile staged(target);
  return staged.Stage(bytes) && staged.Commit();
}

StagedFile::~StagedFile() {
  if (!temp_.empty()) ::unlink(temp_.c_str());
}

bool StagedFile::Stage(const std::vector<uint8_t>& bytes) {
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_ = TemporaryNameBeside(target_);
  int fd = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_EXCL, 0644);
  if (fd < 0) {
    temp_.clear();
    return false;
  }
  bool ok = !AtomicWriteFaults::ShouldFail() && WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (!ok) {
    ::unlink(temp_.c_str());
    temp_.clear();
  }
  return ok;
}

bool StagedFile::Commit() {
  if (temp_.empty()) return false;
  if (::rename(temp_.c_str(), target_.c_str()) != 0) return false;
  temp_.clear();
  SyncDirectory(target_.parent_path());
  return true;
}

bool KeepBackup(const std::filesystem::path& file, const std::filesystem::path& backup) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return false;
  std::filesystem::path link = TemporaryNameBeside(backup);
  std::filesystem::create_hard_link(file, link, ec);
  if (!ec) {
    if (::rename(link.c_str(), backup.c_str()) == 0) return true;
    ::unlink(link.c_str());
  }
  return CopyFileReplacing(file, backup);
}

bool CopyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
  auto bytes = ReadWholeFile(from);
  return bytes && WriteFileAtomically(to, *bytes);
}

}  // namespace vl
