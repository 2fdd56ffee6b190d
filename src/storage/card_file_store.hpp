#pragma once
// Creating, saving and loading the file set of a card file in the data directory.
#include <filesystem>

#include "common/clock.hpp"
#include "common/prompter.hpp"
#include "storage/card_file.hpp"

namespace vl {

struct StoreContext {
  std::filesystem::path dataDir;
  Prompter& prompter;
  const Clock& clock;
  ProgressWindow* progress = nullptr;
};

// The lowest number in 1..999 without a DOSSIER.nnn (any case); -1 after 8005.
int ChooseNewCardFileNumber(const StoreContext& ctx);

// Creates DOSSIER, the six slot files, FICHES and both list files for card.number, asking before
// replacing an existing file. The header must hold title, owner, photo, zoom and notes length.
int CreateFileSet(const StoreContext& ctx, CardFile& card);

// Writes DOSSIER.nnn and FICHES.nnn, keeping the previous person cards as FICHESS.nnn. 1 or -1.
// Both files are replaced only once both new versions are safely on disk.
int SaveHeaderAndPersons(const StoreContext& ctx, CardFile& card);

// Reads DOSSIER.nnn and FICHES.nnn into the card file and resolves the person links. 1 or -1.
int LoadHeaderAndPersons(const StoreContext& ctx, CardFile& card, int number);

// Reads the first 456 bytes of a DOSSIER file; -1 after 8015.
int ReadHeaderOnly(const std::filesystem::path& path, CardFileHeader& header, Prompter& prompter);

// The serialised person-card file, in index order, skipping cards without a name.
std::vector<uint8_t> SerialisePersons(const PersonIndex& persons, ProgressWindow* progress);

}  // namespace vl
