// photo-info, import-photo, attach, detach, documents: bitmaps in the photo directory and the
// documents attached to person cards.
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "cli_card_file.hpp"
#include "cli_context.hpp"
#include "common/cp1252.hpp"
#include "common/file_io.hpp"
#include "common/file_transaction.hpp"
#include "pictures/attachments.hpp"
#include "pictures/dib_reader.hpp"
#include "pictures/photo_import.hpp"
#include "pictures/stored_name.hpp"
#include "storage/card_file_lifecycle.hpp"

namespace vl::cli {
namespace {

struct PictureOptions {
  std::string file;
  std::string number;
  std::string person;
  std::string index;
  std::optional<std::string> description;
  bool json = false;
};

std::filesystem::path Absolute(const std::string& file) {
  std::error_code ec;
  auto path = std::filesystem::absolute(file, ec);
  return ec ? std::filesystem::path(file) : path;
}

void RunPhotoInfo(CliContext& ctx, const PictureOptions& o) {
  const std::filesystem::path path = Absolute(o.file);
  auto dib = LoadBitmapFile(path);
  if (!dib) {
    ctx.prompter.ShowError(Msg(8004, path.string()));
    ctx.exitCode = 1;
    return;
  }
  const nlohmann::json info = {
      {"width", dib->Width()}, {"height", dib->Rows()}, {"bits", dib->Bits()}, {"colours", dib->ColourTableEntries()}};
  if (o.json) {
    std::cout << info.dump(2) << '\n';
  } else {
    std::cout << dib->Width() << '\t' << dib->Rows() << '\t' << dib->Bits() << '\t' << dib->ColourTableEntries()
              << '\n';
  }
}

void RunImportPhoto(CliContext& ctx, const PictureOptions& o) {
  ProgramHome home = ctx.Home();
  auto name = ImportPhoto(home.PhotoDir(), Absolute(o.file), ctx.prompter);
  if (!name) {
    ctx.exitCode = 1;
    return;
  }
  std::cout << Cp1252ToUtf8(*name) << '\n';
}

// The card file and the person named on the command line; nullptr with the exit status set.
struct OpenPerson {
  std::unique_ptr<CardFile> card;
  PersonCard* person = nullptr;
};

OpenPerson OpenPersonForCli(CliContext& ctx, const PictureOptions& o, const ProgramHome& home) {
  auto number = ParseCardFileNumber(o.person);
  if (!number || *number < 1 || *number > 65535) {
    std::cerr << "Ungültige Personennummer: " << o.person << '\n';
    ctx.exitCode = 2;
    return {};
  }
  auto card = OpenForCli(ctx, o.number, home, ctx.clock);
  if (!card) return {};
  PersonCard* person = card->persons.Find(static_cast<uint16_t>(*number));
  if (person == nullptr) {
    std::cerr << "Keine Karteikarte mit der Nummer " << *number << '\n';
    ctx.exitCode = 1;
    return {};
  }
  return {std::move(card), person};
}

bool SaveForCli(CliContext& ctx, const ProgramHome& home, CardFile& card) {
  FileTransaction transaction(home.DataDir());
  StoreContext store{home.DataDir(), ctx.prompter, ctx.clock};
  store.transaction = &transaction;
  if (!SaveCardFile(store, card)) return false;
  if (transaction.Commit()) return true;
  ctx.prompter.ShowError(Msg(8016, transaction.FailedPath().string()));
  return false;
}

void RunAttach(CliContext& ctx, const PictureOptions& o) {
  ProgramHome home = ctx.Home();
  auto open = OpenPersonForCli(ctx, o, home);
  if (!open.person) return;
  auto plan = PlanAttachment(home.ObjectDir(), open.person->documents, Absolute(o.file), ctx.prompter);
  if (!plan || !CopyAttachment(home.ObjectDir(), *plan, ctx.prompter)) {
    ctx.exitCode = 1;
    return;
  }
  std::vector<AttachedDocument>& documents = open.person->documents;
  AppendDocument(documents, plan->file);
  if (o.description) DescribeDocument(documents, documents.size() - 1, Utf8ToCp1252(*o.description));
  open.card->modified.Set();
  // A copy that no saved card names would only take room.
  if (!SaveForCli(ctx, home, *open.card)) {
    if (plan->copy) RemoveFile(StoredPath(home.ObjectDir(), plan->file));
    ctx.exitCode = 1;
    return;
  }
  std::cout << Cp1252ToUtf8(plan->file) << '\n';
}

void RunDetach(CliContext& ctx, const PictureOptions& o) {
  ProgramHome home = ctx.Home();
  auto open = OpenPersonForCli(ctx, o, home);
  if (!open.person) return;
  auto index = ParseCardFileNumber(o.index);
  if (!index || *index < 1) {
    std::cerr << "Ungültige Dokumentnummer: " << o.index << '\n';
    ctx.exitCode = 2;
    return;
  }
  if (!DetachDocument(open.person->documents, static_cast<size_t>(*index - 1))) {
    std::cerr << "Kein Dokument mit der Nummer " << o.index << '\n';
    ctx.exitCode = 1;
    return;
  }
  open.card->modified.Set();
  if (!SaveForCli(ctx, home, *open.card)) ctx.exitCode = 1;
}

void RunDocuments(CliContext& ctx, const PictureOptions& o) {
  ProgramHome home = ctx.Home();
  auto open = OpenPersonForCli(ctx, o, home);
  if (!open.person) return;
  if (o.json) {
    nlohmann::json all = nlohmann::json::array();
    for (const AttachedDocument& d : open.person->documents) {
      all.push_back({{"description", Cp1252ToUtf8(d.description)}, {"file", Cp1252ToUtf8(d.file)}});
    }
    std::cout << all.dump(2) << '\n';
    return;
  }
  int position = 1;
  for (const AttachedDocument& d : open.person->documents) {
    std::cout << position++ << '\t' << Cp1252ToUtf8(d.file) << '\t' << Cp1252ToUtf8(d.description) << '\n';
  }
}

CLI::App* WithPerson(CLI::App* command, PictureOptions& o) {
  command->add_option("NNN", o.number, "Kartei-Nummer")->required();
  command->add_option("PERSON", o.person, "Personennummer")->required();
  return command;
}

}  // namespace

void AddPictureCommands(CLI::App& app, CliContext& ctx) {
  auto o = std::make_shared<PictureOptions>();

  auto* info = app.add_subcommand("photo-info", "Breite, Höhe, Bits je Bildpunkt und Farben einer Bitmap-Datei");
  info->add_option("FILE", o->file, "Bitmap-Datei")->required();
  info->add_flag("--json", o->json, "als JSON");
  info->callback([&ctx, o] { RunPhotoInfo(ctx, *o); });

  auto* import = app.add_subcommand("import-photo", "Eine Bitmap-Datei ins Fotoverzeichnis übernehmen; zeigt ihren Namen dort");
  import->add_option("FILE", o->file, "Bitmap-Datei")->required();
  import->callback([&ctx, o] { RunImportPhoto(ctx, *o); });

  auto* attach = WithPerson(app.add_subcommand("attach", "Ein Dokument an eine Personenkarteikarte hängen"), *o);
  attach->add_option("FILE", o->file, "Datei, die ins Objektverzeichnis kopiert wird")->required();
  attach->add_option("--description", o->description, "Beschreibung (höchstens 80 Zeichen; sonst \"...\")");
  attach->callback([&ctx, o] { RunAttach(ctx, *o); });

  auto* detach = WithPerson(app.add_subcommand("detach", "Ein Dokument von einer Personenkarteikarte lösen"), *o);
  detach->add_option("INDEX", o->index, "Nummer des Dokuments in der Liste von documents, ab 1")->required();
  detach->callback([&ctx, o] { RunDetach(ctx, *o); });

  auto* documents = WithPerson(app.add_subcommand("documents", "Die Dokumente einer Personenkarteikarte"), *o);
  documents->add_flag("--json", o->json, "als JSON");
  documents->callback([&ctx, o] { RunDocuments(ctx, *o); });
}

}  // namespace vl::cli
