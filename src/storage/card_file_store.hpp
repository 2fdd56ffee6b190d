#pragma once
// Creating, saving and loading the file set of a card file in the data directory.
#include <filesystem>

#include "common/clock.hpp"
#include "common/file_transaction.hpp"
#include "common/prompter.hpp"
#include "storage/card_file.hpp"

namespace vl {

struct StoreContext {
  std::filesystem::path dataDir;
  Prompter& prompter;
  const Clock& clock;
  ProgressWindow* progress = nullptr;
  // When given, every write becomes part of it and the caller commits; otherwise each
  // operation commits its own, so that a failure leaves the old files.
  FileTransaction* transaction = nullptr;
};

// The lowest number in 1..999 without a DOSSIER.nnn (any case); -1 after 8005.
int ChooseNewCardFileNumber(const StoreContext& ctx);

// Creates DOSSIER, the six slot files, FICHES and both list files for card.number, asking before
// replacing an existing file; all of them or, when a question is declined or a write fails, none.
// The header must hold title, owner, photo, zoom and notes length.
int CreateFileSet(const StoreContext& ctx, CardFile& card);

// Writes DOSSIER.nnn and FICHES.nnn, keeping the previous person cards as FICHESS.nnn. 1 or -1.
// Both files are replaced only once both new versions are safely on disk.
int SaveHeaderAndPersons(const StoreContext& ctx, CardFile& card);

// Reads DOSSIER.nnn and FICHES.nnn into the card file and resolves the person links; a link
// that only one of its two cards records is completed on the other. 1 or -1; a card file of an
// older format is refused (-1) before anything else is read.
int LoadHeaderAndPersons(const StoreContext& ctx, CardFile& card, int number);

// The refusal of a card file of an older format, naming the command that converts it.
Message OlderFormatMessage(int number, int version);

// True, after telling the user, when DOSSIER.nnn is of an older format (version below 150);
// false also when it cannot be read.
bool RefuseOlderFormat(const StoreContext& ctx, int number);

// Reads the first 456 bytes of a DOSSIER file; -1 after 8015.
int ReadHeaderOnly(const std::filesystem::path& path, CardFileHeader& header, Prompter& prompter);

// The serialised person-card file, in index order, skipping cards without a name.
std::vector<uint8_t> SerialisePersons(const PersonIndex& persons, ProgressWindow* progress);

}  // namespace vl
