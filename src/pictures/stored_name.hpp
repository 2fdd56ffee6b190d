#pragma once
// The name under which a file is kept in a directory of the program home (FOTOS, OBJEKTE):
// its own name when that is free, otherwise a free variant ("brief_2.txt"). A file of that name
// with other content is never overwritten; one with the same content is used as it is.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vl {

struct StoredName {
  std::string name;  // Windows-1252, as the card file keeps it
  bool copy = true;  // false: the directory already holds the file under that name
};

// The Windows-1252 form of a file name from this system; characters that Windows-1252 cannot
// hold, and "?", become "_".
std::string StorableFileName(const std::filesystem::path& fileName);
// Where the file of a Windows-1252 name lies in dir.
std::filesystem::path StoredPath(const std::filesystem::path& dir, const std::string& name);

// The first of name, stem_2.ext, stem_3.ext, ... (the stem shortened so that the whole has at
// most maxLength characters) that is free in dir or already holds `bytes` or is `source`
// itself. None when every variant is taken or none fits.
std::optional<StoredName> ChooseStoredName(const std::filesystem::path& dir, const std::string& name,
                                           size_t maxLength, const std::vector<uint8_t>& bytes,
                                           const std::filesystem::path& source);

}  // namespace vl
