#pragma once
// File lookup without regard to case, since card files may come from case-insensitive file systems.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vl {

// The entry of dir whose name equals name without regard to ASCII case; an exact match wins.
std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& dir, std::string_view name);
bool FileExistsNoCase(const std::filesystem::path& dir, std::string_view name);
// Where to write a file: the existing entry of that name in any case, else dir / name as given.
std::filesystem::path PathForWriting(const std::filesystem::path& dir, std::string_view name);
// Names of regular files in dir that begin with prefix, compared without regard to case.
std::vector<std::string> FileNamesWithPrefixNoCase(const std::filesystem::path& dir, std::string_view prefix);

}  // namespace vl
