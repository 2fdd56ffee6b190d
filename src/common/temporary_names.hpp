#pragma once
// Names of the files that exist only while a change is being written: new versions, kept old
// versions and journals. They start with ".~", so no listing of card files ever sees them.
#include <filesystem>
#include <string>
#include <string_view>

namespace vl {

inline constexpr std::string_view kNewSuffix = ".new";
inline constexpr std::string_view kOldSuffix = ".old";
inline constexpr std::string_view kJournalSuffix = ".journal";

// ".~NAME.RANDOM<suffix>" in the directory of target.
std::filesystem::path TemporaryNameBeside(const std::filesystem::path& target, std::string_view suffix);

// True for names made by TemporaryNameBeside with the given suffix.
bool IsTemporaryName(const std::string& fileName, std::string_view suffix);

}  // namespace vl
