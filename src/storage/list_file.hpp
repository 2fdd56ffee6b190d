#pragma once
// The list files COMMUNES.nnn and PROFESSI.nnn behind the place and profession lists.
#include <filesystem>
#include <string>

#include "common/clock.hpp"
#include "common/file_transaction.hpp"
#include "common/prompter.hpp"
#include "storage/name_list.hpp"

namespace vl {

constexpr size_t kListHeaderSize = 266;

struct ListFileContext {
  std::filesystem::path dataDir;
  int number = 0;  // card-file number
  Prompter& prompter;
  const Clock& clock;
  ProgressWindow* progress = nullptr;
  // When given, writes become part of it; otherwise each operation commits its own.
  FileTransaction* transaction = nullptr;
};

// Empties the list and writes an empty list file; asks 8008 when it exists. listName: "Orte" or "Berufe".
int CreateListFile(const ListFileContext& ctx, const char* prefix, const uint8_t* ownerBlock,
                   const std::string& listName, NameList& list);
// Fills the list in reverse file order and renews the file's last-access stamp. 1 or -1.
int LoadList(const ListFileContext& ctx, const char* prefix, NameList& list);
// Writes the list in list order; bytes after the last entry stay as they were. 1 or -1.
int SaveList(const ListFileContext& ctx, const char* prefix, const NameList& list);

}  // namespace vl
