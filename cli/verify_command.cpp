// verify: every plausibility finding of a whole card file, without asking or changing anything.
#include <iostream>
#include <memory>

#include <nlohmann/json.hpp>

#include "cli_card_file.hpp"
#include "cli_context.hpp"
#include "records/card_file_verification.hpp"

namespace vl::cli {
namespace {

struct VerifyOptions {
  std::string number;
  bool json = false;
};

// One finding per line: a line break inside a message (8152) becomes a blank.
std::string OneLine(const std::string& text) {
  std::string line;
  line.reserve(text.size());
  for (char c : text) {
    if (c != '\n') {
      line += c;
    } else if (!line.empty() && line.back() != ' ') {
      line += ' ';
    }
  }
  return line;
}

void RunVerify(CliContext& ctx, const VerifyOptions& options) {
  ProgramHome home = ctx.Home();
  const Clock& clock = ctx.clock;
  auto card = OpenForCli(ctx, options.number, home, clock);
  if (!card) return;
  std::vector<Finding> findings = VerifyCardFile(card->persons);
  if (options.json) {
    nlohmann::json all = nlohmann::json::array();
    for (const Finding& f : findings) all.push_back({{"person", f.person}, {"message", f.message}, {"text", f.text}});
    std::cout << all.dump(2) << '\n';
    return;
  }
  for (const Finding& f : findings) std::cout << f.person << '\t' << f.message << '\t' << OneLine(f.text) << '\n';
}

}  // namespace

void AddVerifyCommand(CLI::App& app, CliContext& ctx) {
  auto options = std::make_shared<VerifyOptions>();
  auto* verify = app.add_subcommand("verify", "Kartei auf unplausible Daten prüfen (ändert nichts)");
  verify->add_option("NNN", options->number, "Kartei-Nummer")->required();
  verify->add_flag("--json", options->json, "als JSON");
  verify->callback([&ctx, options] { RunVerify(ctx, *options); });
}

}  // namespace vl::cli
