#pragma once
// Bringing a chosen bitmap into the photo directory, under a name that fits a photo field.
#include <filesystem>
#include <optional>
#include <string>

#include "common/prompter.hpp"

namespace vl {

// A photo field holds 16 bytes: at most 14 characters, as the entry windows leave it.
constexpr size_t kMaxPhotoNameLength = 14;

// The name (Windows-1252) under which the photo lies in photoDir. A file that already lies in
// the photo directory is not copied; any other is read as a bitmap and written there under its
// own name or a free variant of it. None after a message: 8004 for a file that is no readable
// bitmap, 8016 when writing fails, or when no free name fits.
std::optional<std::string> ImportPhoto(const std::filesystem::path& photoDir, const std::filesystem::path& source,
                                       Prompter& prompter);

// Whether two directories are the same, compared without regard to case once both are resolved.
bool SameDirectoryNoCase(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace vl
