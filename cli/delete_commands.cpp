// delete-certificate, delete-person: the deletions of the certificate and person-card menus.
#include <algorithm>
#include <array>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli_card_file.hpp"
#include "cli_context.hpp"
#include "common/cp1252.hpp"
#include "common/file_transaction.hpp"
#include "records/certificate_deletion.hpp"
#include "records/certificate_record.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/card_file_names.hpp"
#include "storage/slot_file.hpp"

namespace vl::cli {
namespace {

struct DeleteOptions {
  std::string number;
  std::string kind;
  std::string slot;
  std::string person;
};

std::optional<int> ParseNumber(const std::string& text, int max) {
  auto value = ParseCardFileNumber(text);
  if (!value || *value < 0 || *value > max) return std::nullopt;
  return value;
}

// The deletion's slot-file changes and the save of the card file reach the disk together.
void SaveWith(CliContext& ctx, const ProgramHome& home, const Clock& clock, CardFile& card,
              FileTransaction& transaction) {
  StoreContext store{home.DataDir(), ctx.prompter, clock};
  store.transaction = &transaction;
  if (!SaveCardFile(store, card)) {
    ctx.exitCode = 1;
    return;
  }
  if (!transaction.Commit()) {
    ctx.prompter.ShowError(Msg(8016, transaction.FailedPath().string()));
    ctx.exitCode = 1;
  }
}

void RunDeleteCertificate(CliContext& ctx, const DeleteOptions& options) {
  auto kind = ParseCertificateKind(options.kind);
  auto slot = ParseNumber(options.slot, kMaxSlots - 1);
  if (!kind || !slot) {
    std::cerr << "Aufruf: delete-certificate NNN KIND SLOT (KIND 0..5, birth, marriage, death, baptism, wedding, "
                 "burial; SLOT 0..9999)\n";
    ctx.exitCode = 2;
    return;
  }
  ProgramHome home = ctx.Home();
  const Clock& clock = ctx.clock;
  auto card = OpenForCli(ctx, options.number, home, clock);
  if (!card) return;

  // Only what the choice dialog would list can be deleted: a stored certificate of table A.
  SlotFile file(SlotFileContext{home.DataDir(), card->number, *kind, ctx.prompter, clock, nullptr});
  auto header = file.ReadHeader();
  if (!header) {
    ctx.exitCode = 1;
    return;
  }
  const auto entries = header->Entries();
  const bool listed = std::any_of(entries.begin(), entries.end(), [&](const SlotEntry& entry) {
    return entry.slot == *slot && header->InUse(entry.slot);
  });
  if (!listed) {
    ctx.prompter.ShowError(Msg(8013));
    ctx.exitCode = 1;
    return;
  }
  // As in the choice dialog, the record names its key person.
  auto record = CertificateRecord::Read(file, *slot);
  if (!record) {
    ctx.exitCode = 1;
    return;
  }
  if (!ctx.prompter.AskYesNo(Msg(8107))) return;

  CertificatePersons persons = FindCertificatePersons(card->persons, *kind, *slot, record->KeyPerson());
  FileTransaction transaction(home.DataDir());
  DeletionContext deletion{home.DataDir(), ctx.prompter, clock, &transaction};
  if (DeleteCertificate(*card, deletion, *kind, *slot, persons) < 0) {
    ctx.exitCode = 1;
    return;
  }
  SaveWith(ctx, home, clock, *card, transaction);
}

void RunDeletePerson(CliContext& ctx, const DeleteOptions& options) {
  auto number = ParseNumber(options.person, 65535);
  if (!number || *number == 0) {
    std::cerr << "Ungültige Personennummer: " << options.person << '\n';
    ctx.exitCode = 2;
    return;
  }
  ProgramHome home = ctx.Home();
  const Clock& clock = ctx.clock;
  auto card = OpenForCli(ctx, options.number, home, clock);
  if (!card) return;
  PersonCard* person = card->persons.Find(static_cast<uint16_t>(*number));
  if (person == nullptr) {
    std::cerr << "Keine Karteikarte mit der Nummer " << *number << '\n';
    ctx.exitCode = 1;
    return;
  }
  std::cerr << Cp1252ToUtf8(person->fullName) << '\n';
  if (!ctx.prompter.AskYesNo(Msg(8106))) return;
  FileTransaction transaction(home.DataDir());
  DeletionContext deletion{home.DataDir(), ctx.prompter, clock, &transaction};
  if (DeletePerson(*card, deletion, *person) < 0) {
    ctx.exitCode = 1;
    return;
  }
  SaveWith(ctx, home, clock, *card, transaction);
}

}  // namespace

void AddDeleteCommands(CLI::App& app, CliContext& ctx) {
  auto options = std::make_shared<DeleteOptions>();

  auto* certificate = app.add_subcommand("delete-certificate", "Eine Urkunde löschen (Frage mit --yes bestätigen)");
  certificate->add_option("NNN", options->number, "Kartei-Nummer")->required();
  certificate
      ->add_option("KIND", options->kind, "Urkundenart: 0..5 oder birth, marriage, death, baptism, wedding, burial")
      ->required();
  certificate->add_option("SLOT", options->slot, "Platz der Urkunde (siehe certificates)")->required();
  certificate->callback([&ctx, options] { RunDeleteCertificate(ctx, *options); });

  auto* person = app.add_subcommand("delete-person",
                                    "Eine Karteikarte mit allen ihren Urkunden löschen (Frage mit --yes bestätigen)");
  person->add_option("NNN", options->number, "Kartei-Nummer")->required();
  person->add_option("PERSON", options->person, "Personennummer")->required();
  person->callback([&ctx, options] { RunDeletePerson(ctx, *options); });
}

}  // namespace vl::cli
