// vorlinde-cli: the core without windows, for scripts and end-to-end tests.
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli_context.hpp"
#include "global_options.hpp"

int main(int argc, char** argv) {
  vl::cli::CliContext ctx;
  CLI::App app{"Vorlinde ohne Fenster: Karteien anlegen, zeigen und prüfen", "vorlinde-cli"};
  app.require_subcommand(1);
  vl::cli::AddGlobalOptions(app, ctx);

  vl::cli::AddStorageCommands(app, ctx);
  vl::cli::AddDateCommands(app, ctx);
  vl::cli::AddCertificateCommands(app, ctx);
  vl::cli::AddVerifyCommand(app, ctx);
  vl::cli::AddDeleteCommands(app, ctx);

  try {
    app.parse(argc, argv);
  } catch (const vl::cli::UsageError& e) {
    std::cerr << e.what() << '\n';
    return 2;
  } catch (const CLI::ParseError& e) {
    int code = app.exit(e);
    return code == 0 ? 0 : 2;
  }
  return ctx.exitCode;
}
