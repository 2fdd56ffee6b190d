#pragma once
// What every vorlinde-cli command shares: the program home, the clock, the answers to questions,
// the exit status.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "common/clock.hpp"
#include "common/program_home.hpp"
#include "common/prompter.hpp"

namespace vl::cli {

// The answers given on the command line: one message alone by its number (--answer N=yes|no),
// every other question by --yes (default no).
struct Answers {
  bool yes = false;
  std::map<int, bool> byMessage;
  // --choose ROLE=N|new: the homonym window's answer by role; 0 stands for a new card.
  std::map<std::string, uint16_t> homonyms;

  bool For(const Message& message) const;
};

// Messages go to standard error as their German text; questions take the command line's answer.
class TerminalPrompter : public Prompter {
 public:
  explicit TerminalPrompter(const Answers& answers) : answers_(answers) {}
  void ShowError(const Message& message) override;
  void ShowInformation(const Message& message) override;
  bool AskYesNo(const Message& message) override;
  bool AskContinue(const Message& message) override;
  // Answered by --choose; without an answer the candidates are listed and the save refused.
  HomonymAnswer ChooseHomonym(std::string_view role, const std::string& fullName,
                              const std::vector<HomonymCandidate>& candidates) override;

 private:
  const Answers& answers_;
};

// The machine's clock, or the instant given with --now for every stamp a command writes.
class CliClock final : public Clock {
 public:
  TimeStamp Now() const override { return fixed_ ? *fixed_ : SystemClock().Now(); }
  void Fix(TimeStamp now) { fixed_ = now; }

 private:
  std::optional<TimeStamp> fixed_;
};

struct CliContext {
  std::optional<std::filesystem::path> homeOption;
  Answers answers;
  CliClock clock;
  int exitCode = 0;
  TerminalPrompter prompter{answers};

  // Resolves the home and creates its directories.
  ProgramHome Home() const;
};

// Each subsystem adds its commands here.
void AddStorageCommands(CLI::App& app, CliContext& ctx);
void AddDateCommands(CLI::App& app, CliContext& ctx);
void AddCertificateCommands(CLI::App& app, CliContext& ctx);
void AddVerifyCommand(CLI::App& app, CliContext& ctx);
void AddDeleteCommands(CLI::App& app, CliContext& ctx);
void AddCertificateEntryCommands(CLI::App& app, CliContext& ctx);
void AddPictureCommands(CLI::App& app, CliContext& ctx);

// Parses a card-file number given as text ("7", "007"); nullopt when it is not a number.
std::optional<int> ParseCardFileNumber(const std::string& text);

}  // namespace vl::cli
