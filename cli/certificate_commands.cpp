// Certificate commands: the stored certificates of one kind of a card file.
#include <array>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli_card_file.hpp"
#include "cli_context.hpp"
#include "common/clock.hpp"
#include "common/cp1252.hpp"
#include "common/file_names.hpp"
#include "records/certificate_record.hpp"
#include "records/record_json.hpp"
#include "records/record_names.hpp"
#include "storage/card_file_names.hpp"
#include "storage/slot_file.hpp"

namespace vl::cli {
namespace {

struct CertificateOptions {
  std::string number;
  std::string kind;
  bool json = false;
};

// Passes every message on and remembers whether an error was among them.
class ErrorNoticingPrompter : public Prompter {
 public:
  explicit ErrorNoticingPrompter(Prompter& inner) : inner_(inner) {}
  void ShowError(const Message& message) override {
    sawError = true;
    inner_.ShowError(message);
  }
  void ShowInformation(const Message& message) override { inner_.ShowInformation(message); }
  bool AskYesNo(const Message& message) override { return inner_.AskYesNo(message); }
  bool AskContinue(const Message& message) override { return inner_.AskContinue(message); }

  bool sawError = false;

 private:
  Prompter& inner_;
};

void RunCertificates(CliContext& ctx, const CertificateOptions& options) {
  auto kind = ParseCertificateKind(options.kind);
  if (!kind) {
    std::cerr << "Unbekannte Urkundenart: " << options.kind
              << " (0..5, birth, marriage, death, baptism, wedding, burial)\n";
    ctx.exitCode = 2;
    return;
  }
  ProgramHome home = ctx.Home();
  auto number = ExistingCardFile(ctx, options.number, home);
  if (!number) return;

  const Clock& clock = ctx.clock;
  ErrorNoticingPrompter prompter(ctx.prompter);
  SlotFile file(SlotFileContext{home.DataDir(), *number, *kind, prompter, clock, nullptr});
  nlohmann::ordered_json all = nlohmann::ordered_json::array();
  int visited = file.ForEachCertificate([&](const SlotEntry& entry, std::span<const uint8_t> bytes) {
    auto record = CertificateRecord::FromBytes(*kind, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    if (!record) return;
    if (options.json) {
      nlohmann::ordered_json object{{"slot", entry.slot}};
      object.update(RecordToJson(*record));
      all.push_back(std::move(object));
    } else {
      std::cout << entry.slot << '\t' << record->KeyPerson() << '\t' << Cp1252ToUtf8(ChoiceEntryText(*record))
                << '\n';
    }
  });
  if (options.json && visited >= 0) std::cout << all.dump(2) << '\n';
  if (visited < 0 || prompter.sawError) ctx.exitCode = 1;
}

}  // namespace

void AddCertificateCommands(CLI::App& app, CliContext& ctx) {
  auto options = std::make_shared<CertificateOptions>();
  auto* certificates = app.add_subcommand("certificates", "Gespeicherte Urkunden einer Art in Speicherreihenfolge");
  certificates->add_option("NNN", options->number, "Kartei-Nummer")->required();
  certificates->add_option("KIND", options->kind,
                           "Urkundenart: 0..5 oder birth, marriage, death, baptism, wedding, burial")
      ->required();
  certificates->add_flag("--json", options->json, "als JSON");
  certificates->callback([&ctx, options] { RunCertificates(ctx, *options); });
}

}  // namespace vl::cli
