#include "pictures/stored_name.hpp"

#include <system_error>

#include "common/cp1252.hpp"
#include "common/file_io.hpp"
#include "common/file_names.hpp"

namespace vl {
namespace {

constexpr int kMostVariants = 999;

// name with "_n" before its extension, the stem cut so that the whole fits; none when even a
// one-character stem does not.
std::optional<std::string> Variant(const std::string& name, int n, size_t maxLength) {
  const size_t dot = name.rfind('.');
  const bool hasExtension = dot != std::string::npos && dot > 0;
  std::string stem = hasExtension ? name.substr(0, dot) : name;
  const std::string extension = hasExtension ? name.substr(dot) : std::string();
  const std::string suffix = n == 1 ? std::string() : "_" + std::to_string(n);
  if (suffix.size() + extension.size() >= maxLength) return std::nullopt;
  stem.resize(std::min(stem.size(), maxLength - suffix.size() - extension.size()));
  if (stem.empty()) return std::nullopt;
  return stem + suffix + extension;
}

bool HoldsSame(const std::filesystem::path& existing, const std::vector<uint8_t>& bytes,
               const std::filesystem::path& source) {
  std::error_code ec;
  if (!source.empty() && std::filesystem::equivalent(existing, source, ec)) return true;
  auto content = ReadWholeFile(existing);
  return content && *content == bytes;
}

}  // namespace

std::string StorableFileName(const std::filesystem::path& fileName) {
  std::string name = Utf8ToCp1252(fileName.string());
  for (char& c : name) {
    if (c == '?' || c == '/' || c == '\\' || c == '\0') c = '_';
  }
  return name;
}

std::filesystem::path StoredPath(const std::filesystem::path& dir, const std::string& name) {
  return dir / Cp1252ToUtf8(name);
}

std::optional<StoredName> ChooseStoredName(const std::filesystem::path& dir, const std::string& name,
                                           size_t maxLength, const std::vector<uint8_t>& bytes,
                                           const std::filesystem::path& source) {
  for (int n = 1; n <= kMostVariants; ++n) {
    auto candidate = Variant(name, n, maxLength);
    if (!candidate) return std::nullopt;
    auto existing = FindFileNoCase(dir, Cp1252ToUtf8(*candidate));
    if (!existing) return StoredName{*candidate, true};
    if (HoldsSame(*existing, bytes, source)) return StoredName{StorableFileName(existing->filename()), false};
  }
  return std::nullopt;
}

}  // namespace vl
