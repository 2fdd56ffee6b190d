#include "common/file_names.hpp"

#include <cctype>
#include <system_error>

namespace vl {
namespace {

bool AsciiEqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

}  // namespace

std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& dir, std::string_view name) {
  std::error_code ec;
  std::filesystem::path exact = dir / std::string(name);
  if (std::filesystem::exists(exact, ec)) return exact;
  std::filesystem::directory_iterator it(dir, ec);
  if (ec) return std::nullopt;
  for (const auto& entry : it) {
    if (AsciiEqualNoCase(entry.path().filename().string(), name)) return entry.path();
  }
  return std::nullopt;
}

bool FileExistsNoCase(const std::filesystem::path& dir, std::string_view name) {
  return FindFileNoCase(dir, name).has_value();
}

std::filesystem::path PathForWriting(const std::filesystem::path& dir, std::string_view name) {
  auto found = FindFileNoCase(dir, name);
  return found ? *found : dir / std::string(name);
}

std::vector<std::string> FileNamesWithPrefixNoCase(const std::filesystem::path& dir, std::string_view prefix) {
  std::vector<std::string> names;
  std::error_code ec;
  std::filesystem::directory_iterator it(dir, ec);
  if (ec) return names;
  for (const auto& entry : it) {
    std::string name = entry.path().filename().string();
    if (name.size() >= prefix.size() && AsciiEqualNoCase(std::string_view(name).substr(0, prefix.size()), prefix) &&
        entry.is_regular_file(ec)) {
      names.push_back(std::move(name));
    }
  }
  return names;
}

}  // namespace vl
