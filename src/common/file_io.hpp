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
