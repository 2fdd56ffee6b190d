#pragma once
// The program home: ORMELIN.INI and the directories DATEIEN, FOTOS and OBJEKTE.
#include <filesystem>
#include <optional>
#include <string>

namespace vl {

class ProgramHome {
 public:
  explicit ProgramHome(std::filesystem::path root) : root_(std::move(root)) {}

  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path DataDir() const { return root_ / "DATEIEN"; }
  std::filesystem::path PhotoDir() const { return root_ / "FOTOS"; }
  std::filesystem::path ObjectDir() const { return root_ / "OBJEKTE"; }
  std::filesystem::path IniFile() const { return root_ / "ORMELIN.INI"; }

  // Creates the missing directories; false when one cannot be created.
  bool EnsureDirectories() const;
  // The editor for generated lists: key Editeur of section Ormelin; empty when none is
  // configured, in which case the desktop's opener shows the file.
  std::string Editor() const;

 private:
  std::filesystem::path root_;
};

struct HomeSources {
  std::optional<std::filesystem::path> option;       // --home DIR
  std::optional<std::filesystem::path> environment;  // VORLINDE_HOME
  std::filesystem::path executableDir;
  std::filesystem::path userDataDir;  // e.g. ~/.local/share/Vorlinde
};

// Option, then environment, then a portable installation beside the executable, then the user's data directory.
std::filesystem::path ResolveHome(const HomeSources& sources);
// Sources taken from the running process (environment, /proc/self/exe, XDG_DATA_HOME or HOME).
HomeSources HomeSourcesOfProcess(std::optional<std::filesystem::path> option);

}  // namespace vl
