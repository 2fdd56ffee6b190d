#pragma once
// Running the built vorlinde-cli from a test program, for end-to-end checks.
#include <filesystem>
#include <string>

namespace vl::test {

// build/<preset>/cli/vorlinde-cli beside the running test program; empty when unknown.
std::filesystem::path CliProgram();

struct RunResult {
  int status = -1;
  std::string out;
};

// Runs a shell command line and collects its standard output and exit status.
RunResult RunCommand(const std::string& command);

}  // namespace vl::test
