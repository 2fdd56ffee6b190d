#pragma once
// What every vorlinde-cli command shares: the program home, the answers to questions, the exit status.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <optional>
#include <string>

#include "common/program_home.hpp"
#include "common/prompter.hpp"

namespace vl::cli {

// Messages go to standard error as their German text; questions take the --yes/--no answer.
class TerminalPrompter : public Prompter {
 public:
  explicit TerminalPrompter(const bool& yes) : yes_(yes) {}
  void ShowError(const Message& message) override;
  void ShowInformation(const Message& message) override;
  bool AskYesNo(const Message& message) override;
  bool AskContinue(const Message& message) override;

 private:
  const bool& yes_;
};

struct CliContext {
  std::string homeOption;
  bool yes = false;
  bool no = false;
  int exitCode = 0;
  TerminalPrompter prompter{yes};

  // Resolves the home and creates its directories.
  ProgramHome Home() const;
};

// Each subsystem adds its commands here.
void AddStorageCommands(CLI::App& app, CliContext& ctx);
void AddDateCommands(CLI::App& app, CliContext& ctx);
void AddCertificateCommands(CLI::App& app, CliContext& ctx);
void AddVerifyCommand(CLI::App& app, CliContext& ctx);
void AddDeleteCommands(CLI::App& app, CliContext& ctx);

// Parses a card-file number given as text ("7", "007"); nullopt when it is not a number.
std::optional<int> ParseCardFileNumber(const std::string& text);

}  // namespace vl::cli
