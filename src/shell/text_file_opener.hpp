#pragma once
// Shows a generated text file: in the editor named in ORMELIN.INI, else with the desktop's opener.
#include <filesystem>
#include <string>

namespace vl {

// The editor is started directly with the file as its one argument, never through a shell.
// False when it could not be started.
bool OpenTextFile(const std::string& editor, const std::filesystem::path& file);

}  // namespace vl
