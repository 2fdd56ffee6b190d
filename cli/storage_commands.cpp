// list, new, info, persons, save: card files from the command line.
#include <iostream>
#include <memory>

#include "card_file_json.hpp"
#include "cli_card_file.hpp"
#include "cli_context.hpp"
#include "common/cp1252.hpp"
#include "common/file_io.hpp"
#include "common/file_names.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/card_file_names.hpp"

namespace vl::cli {
namespace {

struct Options {
  std::string number;
  bool json = false;
  std::string title, name, firstName, town, address;
};

void RunList(CliContext& ctx) {
  ProgramHome home = ctx.Home();
  const Clock& clock = ctx.clock;
  StoreContext store{home.DataDir(), ctx.prompter, clock};
  for (const CardFileListing& entry : ListCardFiles(store, true)) {
    std::cout << NumberExtension(entry.number) << '\t' << entry.header.Version() << '\t'
              << Cp1252ToUtf8(entry.header.Title()) << '\n';
  }
}

void RunNew(CliContext& ctx, const Options& o) {
  if (o.title.empty()) {
    ctx.prompter.ShowInformation(Msg(8061));
    ctx.exitCode = 1;
    return;
  }
  if (o.name.empty()) {
    ctx.prompter.ShowInformation(Msg(8062));
    ctx.exitCode = 1;
    return;
  }
  ProgramHome home = ctx.Home();
  const Clock& clock = ctx.clock;
  StoreContext store{home.DataDir(), ctx.prompter, clock};
  int number = ChooseNewCardFileNumber(store);
  if (number < 0) {
    ctx.exitCode = 1;
    return;
  }
  CardFile card(ctx.prompter);
  card.number = number;
  card.header.SetTitle(Utf8ToCp1252(o.title));
  card.header.SetOwnerName(Utf8ToCp1252(o.name));
  card.header.SetOwnerFirstName(Utf8ToCp1252(o.firstName));
  card.header.SetTown(Utf8ToCp1252(o.town));
  card.header.SetAddress(Utf8ToCp1252(o.address));
  if (CreateCardFile(store, card) < 0) {
    ctx.exitCode = 1;
    return;
  }
  std::cout << NumberExtension(number) << '\n';
}

void PrintHeaderText(const CardFileHeader& h, const std::string& notes) {
  auto stamp = [](const TimeStamp& s) {
    return FormatPrintf("%02d.%02d.%d um %02d:%02d", s.day, s.month, s.year, s.hour, s.minute);
  };
  std::cout << "Version:\t" << h.Version() << '\n'
            << "Titel:\t" << Cp1252ToUtf8(h.Title()) << '\n'
            << "Angelegt von:\t" << Cp1252ToUtf8(h.OwnerName()) << ' ' << Cp1252ToUtf8(h.OwnerFirstName()) << '\n'
            << "Ort:\t" << Cp1252ToUtf8(h.Town()) << '\n'
            << "Adresse:\t" << Cp1252ToUtf8(h.Address()) << '\n'
            << "Erstellt am:\t" << stamp(h.Created()) << '\n'
            << "Geändert am:\t" << stamp(h.Saved()) << '\n'
            << "Foto:\t" << Cp1252ToUtf8(h.Photo()) << '\n'
            << "Personen:\t" << h.PersonCount() << '\n'
            << "Urkunden:\t";
  for (int kind = 0; kind < kKindCount; ++kind) std::cout << (kind ? " " : "") << h.CertificateCount(kind);
  std::cout << '\n' << "Zeitachse:\t" << h.AxisFirst() << '-' << h.AxisLast() << '\n'
            << "Zoom:\t" << h.Zoom() << '\n'
            << "Arbeitsnotizen:\t" << Cp1252ToUtf8(notes) << '\n';
}

void RunInfo(CliContext& ctx, const Options& o) {
  ProgramHome home = ctx.Home();
  auto number = ExistingCardFile(ctx, o.number, home);
  if (!number) return;
  auto path = FindFileNoCase(home.DataDir(), HeaderFileName(*number));
  CardFileHeader header;
  if (ReadHeaderOnly(*path, header, ctx.prompter) < 0) {
    ctx.exitCode = 1;
    return;
  }
  auto bytes = ReadWholeFile(*path);
  std::string notes;
  if (bytes && bytes->size() > kHeaderSize) {
    size_t length = std::min<size_t>(header.NotesLength(), bytes->size() - kHeaderSize);
    notes.assign(reinterpret_cast<const char*>(bytes->data() + kHeaderSize), length);
  }
  if (o.json) {
    std::cout << HeaderJson(header, notes).dump(2) << '\n';
  } else {
    PrintHeaderText(header, notes);
  }
}

void RunPersons(CliContext& ctx, const Options& o) {
  ProgramHome home = ctx.Home();
  const Clock& clock = ctx.clock;
  auto card = OpenForCli(ctx, o.number, home, clock);
  if (!card) return;
  if (o.json) {
    nlohmann::json all = nlohmann::json::array();
    for (const PersonCard& person : card->persons) all.push_back(PersonJson(person));
    std::cout << all.dump(2) << '\n';
    return;
  }
  for (const PersonCard& p : card->persons) {
    std::cout << p.number << '\t' << Cp1252ToUtf8(p.fullName) << '\t' << p.sex << '\t'
              << (p.father ? p.father->number : 0) << '\t' << (p.mother ? p.mother->number : 0) << '\n';
  }
}

void RunSave(CliContext& ctx, const Options& o) {
  ProgramHome home = ctx.Home();
  const Clock& clock = ctx.clock;
  auto card = OpenForCli(ctx, o.number, home, clock);
  if (!card) return;
  StoreContext store{home.DataDir(), ctx.prompter, clock};
  if (!SaveCardFile(store, *card)) ctx.exitCode = 1;
}

}  // namespace

void AddStorageCommands(CLI::App& app, CliContext& ctx) {
  auto options = std::make_shared<Options>();

  app.add_subcommand("list", "Karteien im Datenverzeichnis auflisten")->callback([&ctx] { RunList(ctx); });

  auto* create = app.add_subcommand("new", "Neue Kartei anlegen");
  create->add_option("--title", options->title, "Titel")->required();
  create->add_option("--name", options->name, "Angelegt von: Name")->required();
  create->add_option("--first-name", options->firstName, "Vorname");
  create->add_option("--town", options->town, "Ort");
  create->add_option("--address", options->address, "Adresse");
  create->callback([&ctx, options] { RunNew(ctx, *options); });

  auto* info = app.add_subcommand("info", "Kopf einer Kartei zeigen");
  info->add_option("NNN", options->number, "Kartei-Nummer")->required();
  info->add_flag("--json", options->json, "als JSON");
  info->callback([&ctx, options] { RunInfo(ctx, *options); });

  auto* persons = app.add_subcommand("persons", "Karteikarten einer Kartei zeigen");
  persons->add_option("NNN", options->number, "Kartei-Nummer")->required();
  persons->add_flag("--json", options->json, "als JSON");
  persons->callback([&ctx, options] { RunPersons(ctx, *options); });

  auto* save = app.add_subcommand("save", "Kartei laden und wieder speichern");
  save->add_option("NNN", options->number, "Kartei-Nummer")->required();
  save->callback([&ctx, options] { RunSave(ctx, *options); });
}

}  // namespace vl::cli
