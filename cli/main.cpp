// vorlinde-cli: the core without windows, for scripts and end-to-end tests.
#include <CLI/CLI.hpp>

#include <cstdlib>
#include <iostream>

#include "cli_context.hpp"
#include "common/file_io.hpp"
#include "global_options.hpp"

namespace {

// Test hook: VORLINDE_FAIL_FILE_OPERATION=N makes the N-th file operation fail, so tests can
// prove that every command leaves its card file whole; VORLINDE_COUNT_FILE_OPERATIONS=1 reports
// how many operations a command made.
void ArmFileFaultsFromEnvironment() {
  if (const char* n = std::getenv("VORLINDE_FAIL_FILE_OPERATION")) vl::FileFaults::FailOperation(std::atol(n));
}

void ReportFileOperations() {
  if (std::getenv("VORLINDE_COUNT_FILE_OPERATIONS")) {
    std::cerr << "Dateioperationen: " << vl::FileFaults::Counted() << '\n';
  }
}

int Run(int argc, char** argv);

}  // namespace

int main(int argc, char** argv) {
  ArmFileFaultsFromEnvironment();
  int status = Run(argc, argv);
  ReportFileOperations();
  return status;
}

namespace {

int Run(int argc, char** argv) {
  vl::cli::CliContext ctx;
  CLI::App app{"Vorlinde ohne Fenster: Karteien anlegen, zeigen und prüfen", "vorlinde-cli"};
  app.require_subcommand(1);
  vl::cli::AddGlobalOptions(app, ctx);

  vl::cli::AddStorageCommands(app, ctx);
  vl::cli::AddDateCommands(app, ctx);
  vl::cli::AddCertificateCommands(app, ctx);
  vl::cli::AddVerifyCommand(app, ctx);
  vl::cli::AddDeleteCommands(app, ctx);
  vl::cli::AddCertificateEntryCommands(app, ctx);
  vl::cli::AddPictureCommands(app, ctx);

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

}  // namespace
