#pragma once
// Opening a card file named on the command line.
#include <memory>
#include <optional>
#include <string>

#include "cli_context.hpp"
#include "common/clock.hpp"
#include "storage/card_file.hpp"

namespace vl::cli {

// The number of an existing card file, or nullopt after a message (exit status 2 for a text
// that is no number, 1 for a card file that does not exist).
std::optional<int> ExistingCardFile(CliContext& ctx, const std::string& text, const ProgramHome& home);

// "0".."5" or the English name of a certificate kind (birth, marriage, death, baptism, wedding, burial), in any case.
std::optional<int> ParseCertificateKind(const std::string& text);

// Loads the card file as opening does; nullptr (exit status set) when that fails.
std::unique_ptr<CardFile> OpenForCli(CliContext& ctx, const std::string& text, const ProgramHome& home,
                                     const Clock& clock);

}  // namespace vl::cli
