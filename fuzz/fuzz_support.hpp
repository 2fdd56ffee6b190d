#pragma once
// What every fuzz target shares: a private data directory, input files in it, a fixed clock and
// the check that stops the run when an invariant is broken.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "common/clock.hpp"

namespace vl::fuzz {

// Every run sees the same instant, so files written by one input are byte for byte reproducible.
inline constexpr TimeStamp kFuzzNow{6, 12, 126, 20, 15};

// The process's own data directory, emptied before it is returned: nothing one input wrote can
// influence the next. Created at the first call, removed at a normal exit.
const std::filesystem::path& FreshDataDir();

void WriteInputFile(const std::filesystem::path& dir, std::string_view name, std::span<const uint8_t> bytes);
// The file's bytes; empty when it does not exist.
std::vector<uint8_t> FileBytes(const std::filesystem::path& dir, std::string_view name);

// Aborts with the invariant's description, which the fuzzer reports as a crash with the input.
void Require(bool holds, std::string_view invariant);

}  // namespace vl::fuzz
