// add-certificate, edit-certificate: a certificate saved as its entry window's OK saves it.
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli_card_file.hpp"
#include "cli_context.hpp"
#include "common/file_transaction.hpp"
#include "records/certificate_record.hpp"
#include "records/certificate_save.hpp"
#include "records/record_json_input.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/slot_file.hpp"

namespace vl::cli {
namespace {

struct EntryOptions {
  std::string number;
  std::string kind;
  std::string slot;
  std::vector<std::string> choices;
  bool json = false;
};

// ROLE=N or ROLE=new into the answers of the homonym window; false for anything else.
bool TakeChoices(const std::vector<std::string>& choices, Answers& answers) {
  for (const std::string& choice : choices) {
    const size_t equals = choice.find('=');
    if (equals == std::string::npos || equals == 0) return false;
    const std::string role = choice.substr(0, equals);
    const std::string value = choice.substr(equals + 1);
    if (value == "new") {
      answers.homonyms[role] = 0;
      continue;
    }
    auto number = ParseCardFileNumber(value);
    if (!number || *number < 1 || *number > 65535) return false;
    answers.homonyms[role] = static_cast<uint16_t>(*number);
  }
  return true;
}

std::optional<nlohmann::json> ReadInput() {
  std::string text(std::istreambuf_iterator<char>(std::cin), {});
  nlohmann::json input = nlohmann::json::parse(text, nullptr, false);
  if (input.is_discarded()) return std::nullopt;
  return input;
}

void PrintResult(const CertificateSaveResult& result, bool json) {
  if (!json) {
    std::cout << result.slot << '\n';
    return;
  }
  nlohmann::ordered_json persons = nlohmann::ordered_json::object();
  for (const char* role : {"main", "father", "mother"}) {
    auto it = result.persons.find(role);
    if (it != result.persons.end()) persons[role] = it->second;
  }
  nlohmann::ordered_json out{{"slot", result.slot}, {"persons", persons}, {"created", result.created}};
  std::cout << out.dump(2) << '\n';
}

int UsageError(CliContext& ctx, const std::string& problem) {
  std::cerr << problem << '\n';
  ctx.exitCode = 2;
  return 2;
}

// The record of the window: new with its presets, or read from its slot.
std::optional<CertificateRecord> RecordToEdit(CliContext& ctx, const ProgramHome& home, int number, int kind,
                                              int slot) {
  if (slot < 0) return CertificateRecord::New(kind);
  SlotFile file(SlotFileContext{home.DataDir(), number, kind, ctx.prompter, ctx.clock, nullptr});
  auto header = file.ReadHeader();
  if (!header) return std::nullopt;
  if (header->IndexOfSlot(slot) < 0 || !header->InUse(slot)) {
    ctx.prompter.ShowError(Msg(8013));
    return std::nullopt;
  }
  return CertificateRecord::Read(file, slot);
}

void RunEntry(CliContext& ctx, const EntryOptions& options, bool edit) {
  auto kind = ParseCertificateKind(options.kind);
  if (!kind) {
    UsageError(ctx, "Unbekannte Urkundenart: " + options.kind + " (0..5, birth, marriage, death, baptism, wedding, burial)");
    return;
  }
  std::optional<int> slot = -1;
  if (edit) {
    slot = ParseCardFileNumber(options.slot);
    if (!slot || *slot < 0 || *slot > kMaxSlots - 1) {
      UsageError(ctx, "Ungültiger Platz: " + options.slot + " (0..9999)");
      return;
    }
  }
  if (!TakeChoices(options.choices, ctx.answers)) {
    UsageError(ctx, "--choose erwartet ROLLE=NUMMER oder ROLLE=new");
    return;
  }
  auto input = ReadInput();
  if (!input) {
    UsageError(ctx, "Die Eingabe ist kein JSON.");
    return;
  }
  if (*kind != 0 && *kind != 3) {
    std::cerr << "Diese Urkundenart kann noch nicht gespeichert werden.\n";
    ctx.exitCode = 1;
    return;
  }
  ProgramHome home = ctx.Home();
  auto card = OpenForCli(ctx, options.number, home, ctx.clock);
  if (!card) return;
  auto record = RecordToEdit(ctx, home, card->number, *kind, *slot);
  if (!record) {
    ctx.exitCode = 1;
    return;
  }
  const CertificateRecord before = *record;
  RecordInputResult applied = ApplyRecordJson(*input, *record, ctx.prompter);
  if (applied.status == RecordInputResult::WrongUsage) {
    UsageError(ctx, applied.problem);
    return;
  }
  if (applied.status == RecordInputResult::Refused) {
    ctx.exitCode = 1;
    return;
  }
  const uint16_t changed = ChangedBitsBetween(before, *record, !edit, !applied.dates.empty()) | (edit ? 0 : kChangedOther);

  // The certificate and the person cards it changed reach the disk together.
  FileTransaction transaction(home.DataDir());
  CertificateSaveContext save{*card, home.DataDir(), ctx.prompter, ctx.clock, &transaction, {}};
  CertificateEntry entry{*record, *slot, changed, std::move(applied.dates)};
  const CertificateSaveResult result = SaveCertificate(save, entry);
  // A disk that failed leaves everything as it was; a refusal keeps the person-card changes.
  if (result.writeFailed) {
    ctx.exitCode = 1;
    return;
  }
  if (card->modified.IsSet()) {
    StoreContext store{home.DataDir(), ctx.prompter, ctx.clock};
    store.transaction = &transaction;
    if (!SaveCardFile(store, *card)) {
      ctx.exitCode = 1;
      return;
    }
  }
  if (!transaction.Commit()) {
    ctx.prompter.ShowError(Msg(8016, transaction.FailedPath().string()));
    ctx.exitCode = 1;
    return;
  }
  if (!result.saved) {
    ctx.exitCode = 1;
    return;
  }
  PrintResult(result, options.json);
}

CLI::App* AddEntryCommand(CLI::App& app, CliContext& ctx, const char* name, const char* description, bool edit) {
  auto options = std::make_shared<EntryOptions>();
  auto* command = app.add_subcommand(name, description);
  command->add_option("NNN", options->number, "Kartei-Nummer")->required();
  command->add_option("KIND", options->kind, "Urkundenart: 0..5 oder birth, marriage, death, baptism, wedding, burial")
      ->required();
  if (edit) command->add_option("SLOT", options->slot, "Platz der Urkunde (siehe certificates)")->required();
  command->add_option("--choose", options->choices,
                      "Wahl bei Namensgleichheit: ROLLE=NUMMER oder ROLLE=new (ROLLE main, father, mother)");
  command->add_flag("--json", options->json, "Ergebnis als JSON");
  command->callback([&ctx, options, edit] { RunEntry(ctx, *options, edit); });
  return command;
}

}  // namespace

void AddCertificateEntryCommands(CLI::App& app, CliContext& ctx) {
  AddEntryCommand(app, ctx, "add-certificate",
                  "Eine neue Urkunde speichern wie OK im Urkundenfenster (Urkunde als JSON auf der Standardeingabe)",
                  false);
  AddEntryCommand(app, ctx, "edit-certificate",
                  "Eine gespeicherte Urkunde ändern (geänderte Felder als JSON auf der Standardeingabe)", true);
}

}  // namespace vl::cli
