#include "support/cli_runner.hpp"

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <system_error>

namespace vl::test {

std::filesystem::path CliProgram() {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return self.parent_path().parent_path() / "cli" / "vorlinde-cli";
}

RunResult RunCommand(const std::string& command) {
  RunResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  std::array<char, 4096> buffer{};
  size_t n = 0;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.out.append(buffer.data(), n);
  int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace vl::test
