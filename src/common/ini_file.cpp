#include "common/ini_file.hpp"

#include <fstream>

#include "common/cp1252.hpp"

namespace vl {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::optional<std::string> ReadIniValue(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key) {
  std::ifstream in(file);
  if (!in) return std::nullopt;
  std::string line;
  bool inSection = false;
  while (std::getline(in, line)) {
    std::string_view text = Trim(line);
    if (text.empty() || text.front() == ';') continue;
    if (text.front() == '[') {
      auto close = text.find(']');
      inSection = close != std::string_view::npos && EqualsNoCase(Trim(text.substr(1, close - 1)), section);
      continue;
    }
    if (!inSection) continue;
    auto eq = text.find('=');
    if (eq == std::string_view::npos) continue;
    if (EqualsNoCase(Trim(text.substr(0, eq)), key)) return std::string(Trim(text.substr(eq + 1)));
  }
  return std::nullopt;
}

}  // namespace vl
