#pragma once
// Reading one value of a Windows-style INI file; sections and keys compared without regard to case.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vl {

std::optional<std::string> ReadIniValue(const std::filesystem::path& file, std::string_view section,
                                        std::string_view key);

}  // namespace vl
