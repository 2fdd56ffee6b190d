#pragma once
// The options before the command: --home, --yes/--no, --answer N=yes|no, --now "TT.MM.JJJJ HH:MM".
#include <CLI/CLI.hpp>

#include <optional>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "cli_context.hpp"
#include "common/clock.hpp"

namespace vl::cli {

// Wrong usage found after parsing; its text is the German message for standard error.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Registers the global options; once the command line is parsed, and before any command runs,
// they are checked (UsageError) and applied to ctx.
void AddGlobalOptions(CLI::App& app, CliContext& ctx);

// "TT.MM.JJJJ HH:MM" as a stored time stamp (year since 1900); nullopt unless the text has
// exactly that shape and names an existing day and time.
std::optional<TimeStamp> ParseNow(std::string_view text);

// "N=yes" or "N=no" for the number of a message of the message table.
std::optional<std::pair<int, bool>> ParseAnswer(std::string_view text);

}  // namespace vl::cli
