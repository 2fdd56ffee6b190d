#pragma once
// Creating, opening, saving and closing the open card file as a whole.
#include <string>
#include <vector>

#include "storage/card_file_store.hpp"

namespace vl {

// Empties the notes and creates the file set for card.number; the header holds the
// dialog's fields. The modified flag is clear afterwards. 1, or -1 when a file was not created.
int CreateCardFile(const StoreContext& ctx, CardFile& card);

// Loads header, person cards and both lists (all three are tried). On any failure nothing
// stays loaded. The modified flag is clear afterwards.
bool OpenCardFile(const StoreContext& ctx, CardFile& card, int number);

// Saves both lists, the header and the person cards. The modified flag is cleared only when
// every step succeeded, so a failed save is never mistaken for a saved card file.
bool SaveCardFile(const StoreContext& ctx, CardFile& card);

// Saves when modified, then forgets the card file. false when that save failed (the data
// then stays in memory, so nothing is lost).
bool CloseCardFile(const StoreContext& ctx, CardFile& card);

struct CardFileListing {
  int number = 0;
  std::string fileName;
  CardFileHeader header;
};

// Every DOSSIER.nnn of the data directory whose header can be read, in ascending number.
// Older formats (version below 150) are left out unless includeOlder is set.
std::vector<CardFileListing> ListCardFiles(const StoreContext& ctx, bool includeOlder = false);

}  // namespace vl
