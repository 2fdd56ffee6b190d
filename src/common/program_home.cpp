#include "common/program_home.hpp"

#include <cstdlib>
#include <system_error>

#include "common/file_names.hpp"
#include "common/ini_file.hpp"

namespace vl {

bool ProgramHome::EnsureDirectories() const {
  bool ok = true;
  for (const auto& dir : {root_, DataDir(), PhotoDir(), ObjectDir()}) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (!std::filesystem::is_directory(dir, ec)) ok = false;
  }
  return ok;
}

std::string ProgramHome::Editor() const {
  auto ini = FindFileNoCase(root_, "ORMELIN.INI");
  if (!ini) return {};
  return ReadIniValue(*ini, "Ormelin", "Editeur").value_or(std::string());
}

std::filesystem::path ResolveHome(const HomeSources& sources) {
  if (sources.option && !sources.option->empty()) return *sources.option;
  if (sources.environment && !sources.environment->empty()) return *sources.environment;
  if (!sources.executableDir.empty() &&
      (FileExistsNoCase(sources.executableDir, "ORMELIN.INI") || FileExistsNoCase(sources.executableDir, "DATEIEN"))) {
    return sources.executableDir;
  }
  return sources.userDataDir;
}

HomeSources HomeSourcesOfProcess(std::optional<std::filesystem::path> option) {
  HomeSources sources;
  sources.option = std::move(option);
  if (const char* env = std::getenv("VORLINDE_HOME"); env && *env) sources.environment = env;
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) sources.executableDir = exe.parent_path();
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
    sources.userDataDir = std::filesystem::path(xdg) / "Vorlinde";
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    sources.userDataDir = std::filesystem::path(home) / ".local" / "share" / "Vorlinde";
  } else {
    sources.userDataDir = std::filesystem::current_path(ec) / "Vorlinde";
  }
  return sources;
}

}  // namespace vl
