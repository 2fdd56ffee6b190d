#include "common/file_io.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "common/temporary_names.hpp"

namespace vl {
namespace {

// 0: no fault planned; otherwise the 1-based number of the operation that fails.
std::atomic<long> gFailingOperation{0};
std::atomic<long> gCounted{0};

int OpenFlags(OpenFile::Mode mode) {
  switch (mode) {
    case OpenFile::Mode::Read: return O_RDONLY;
    case OpenFile::Mode::ReadWrite: return O_RDWR;
    case OpenFile::Mode::CreateNew: return O_RDWR | O_CREAT | O_EXCL;
  }
  return O_RDONLY;
}

// Repeats a positioned read or write until all bytes are moved; false on an error or the end of the file.
template <typename Transfer>
bool TransferAll(uint8_t* bytes, size_t size, int64_t offset, Transfer transfer) {
  while (size > 0) {
    ssize_t n = transfer(bytes, size, static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes += n;
    size -= static_cast<size_t>(n);
    offset += n;
  }
  return true;
}

}  // namespace

void FileFaults::FailOperation(long n) {
  gCounted = 0;
  gFailingOperation = n;
}

void FileFaults::Disarm() {
  gCounted = 0;
  gFailingOperation = 0;
}

long FileFaults::Counted() { return gCounted.load(); }

bool FileFaults::NextFails() {
  long number = ++gCounted;
  if (gFailingOperation.load() != number) return false;
  gFailingOperation = 0;
  errno = EIO;
  return true;
}

OpenFile::OpenFile(const std::filesystem::path& path, Mode mode) {
  if (FileFaults::NextFails()) return;
  fd_ = ::open(path.c_str(), OpenFlags(mode) | O_CLOEXEC, 0644);
}

OpenFile::~OpenFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool OpenFile::ReadAt(uint8_t* out, size_t size, int64_t offset) const {
  return fd_ >= 0 && TransferAll(out, size, offset, [this](uint8_t* p, size_t n, off_t at) {
           return ::pread(fd_, p, n, at);
         });
}

bool OpenFile::WriteAt(const uint8_t* data, size_t size, int64_t offset) {
  if (fd_ < 0 || FileFaults::NextFails()) return false;
  return TransferAll(const_cast<uint8_t*>(data), size, offset,
                     [this](uint8_t* p, size_t n, off_t at) { return ::pwrite(fd_, p, n, at); });
}

bool OpenFile::Sync() { return fd_ >= 0 && !FileFaults::NextFails() && ::fsync(fd_) == 0; }

bool OpenFile::Close() {
  if (fd_ < 0) return false;
  int fd = fd_;
  fd_ = -1;
  bool injected = FileFaults::NextFails();
  return ::close(fd) == 0 && !injected;
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path) {
  OpenFile file(path, OpenFile::Mode::Read);
  if (!file.IsOpen()) return std::nullopt;
  std::error_code ec;
  auto size = std::filesystem::file_size(path, ec);
  if (ec) return std::nullopt;
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (!bytes.empty() && !file.ReadAt(bytes.data(), bytes.size(), 0)) return std::nullopt;
  if (!file.Close()) return std::nullopt;
  return bytes;
}

bool WriteNewFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  OpenFile file(path, OpenFile::Mode::CreateNew);
  if (!file.IsOpen()) return false;
  bool ok = file.WriteAll(bytes) && file.Sync();
  ok = file.Close() && ok;
  if (!ok) ::unlink(path.c_str());
  return ok;
}

bool RenameFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  return !FileFaults::NextFails() && ::rename(from.c_str(), to.c_str()) == 0;
}

bool RemoveFile(const std::filesystem::path& path) {
  if (FileFaults::NextFails()) return false;
  return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool LinkOrCopyFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (FileFaults::NextFails()) return false;
  if (::link(from.c_str(), to.c_str()) == 0) return true;
  auto bytes = ReadWholeFile(from);
  return bytes && WriteNewFile(to, *bytes);
}

bool SyncDirectory(const std::filesystem::path& dir) {
  if (FileFaults::NextFails()) return false;
  int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

bool WriteFileAtomically(const std::filesystem::path& target, const std::vector<uint8_t>& bytes) {
  std::filesystem::path temp = TemporaryNameBeside(target, kNewSuffix);
  if (!WriteNewFile(temp, bytes)) return false;
  if (!RenameFile(temp, target)) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncDirectory(target.parent_path());
  return true;
}

}  // namespace vl
