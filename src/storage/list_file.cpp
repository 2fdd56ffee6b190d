#include "storage/list_file.hpp"

#include <algorithm>

#include "common/byte_io.hpp"
#include "common/file_io.hpp"
#include "common/file_transaction.hpp"
#include "common/file_names.hpp"
#include "storage/card_file_header.hpp"
#include "storage/card_file_names.hpp"

namespace vl {
namespace {

constexpr size_t kAccessStampOffset = 252;
constexpr size_t kCountOffset = 262;
constexpr size_t kMaximumOffset = 264;
constexpr uint16_t kListMaximum = 10000;

std::string ListFileName(const char* prefix, int number) { return prefix + NumberExtension(number); }

// The list file's content as the transaction plans it (read from disk at first use); 8004 with
// the path when it is missing or shorter than its header.
std::vector<uint8_t>* ListFileContent(const ListFileContext& ctx, const char* prefix, FileTransaction& transaction,
                                      std::filesystem::path& path) {
  std::string name = ListFileName(prefix, ctx.number);
  path = PathForWriting(ctx.dataDir, name);
  std::vector<uint8_t>* bytes = nullptr;
  if (transaction.Planned(path) || FileExistsNoCase(ctx.dataDir, name)) bytes = transaction.Content(path);
  if (!bytes || bytes->size() < kListHeaderSize) {
    ctx.prompter.ShowError(Msg(8004, path.string()));
    return nullptr;
  }
  return bytes;
}

// Commits a transaction of the list's own; a transaction of the caller is committed by the caller.
bool CommitOwn(const ListFileContext& ctx, FileTransaction& own, const std::filesystem::path& path) {
  if (ctx.transaction || own.Commit()) return true;
  ctx.prompter.ShowError(Msg(8016, path.string()));
  return false;
}

}  // namespace

int CreateListFile(const ListFileContext& ctx, const char* prefix, const uint8_t* ownerBlock,
                   const std::string& listName, NameList& list) {
  list.Clear();
  std::string name = ListFileName(prefix, ctx.number);
  std::filesystem::path path = PathForWriting(ctx.dataDir, name);
  if (FileExistsNoCase(ctx.dataDir, name) && !ctx.prompter.AskYesNo(Msg(8008, listName, path.string()))) return -1;
  std::vector<uint8_t> header(kListHeaderSize, 0);
  PutU16(header.data(), kFormatVersion);
  std::copy_n(ownerBlock, kHeaderOwnerBlockSize, header.begin() + 2);
  TimeStamp now = ctx.clock.Now();
  WriteTimeStamp(header.data() + 242, now);
  WriteTimeStamp(header.data() + 252, now);
  PutU16(header.data() + kMaximumOffset, kListMaximum);
  FileTransaction own(ctx.dataDir);
  FileTransaction& transaction = ctx.transaction ? *ctx.transaction : own;
  transaction.Replace(path, std::move(header));
  return CommitOwn(ctx, own, path) ? 1 : -1;
}

int LoadList(const ListFileContext& ctx, const char* prefix, NameList& list) {
  list.Clear();
  FileTransaction own(ctx.dataDir);
  FileTransaction& transaction = ctx.transaction ? *ctx.transaction : own;
  std::filesystem::path path;
  std::vector<uint8_t>* bytes = ListFileContent(ctx, prefix, transaction, path);
  if (!bytes) return -1;
  if (ctx.progress) {
    ctx.progress->SetLine(1, std::string(MessageText(8075)));
    ctx.progress->SetPercent(ProgressWindow::kReset);
  }
  int count = GetI16(bytes->data() + kCountOffset);
  ByteReader reader(bytes->data() + kListHeaderSize, bytes->size() - kListHeaderSize);
  for (int i = 0; i < count; ++i) {
    if (ctx.progress) ctx.progress->SetPercent(i * 100 / count);
    std::string text = reader.LengthPrefixedText();
    if (reader.Failed()) {
      // entries cut off by the end of the file: keep what was read
      ctx.prompter.ShowError(Msg(8406));
      break;
    }
    list.PushFrontUnchecked(std::move(text));
  }
  WriteTimeStamp(bytes->data() + kAccessStampOffset, ctx.clock.Now());
  if (CommitOwn(ctx, own, path)) return 1;
  list.Clear();
  return -1;
}

int SaveList(const ListFileContext& ctx, const char* prefix, const NameList& list) {
  FileTransaction own(ctx.dataDir);
  FileTransaction& transaction = ctx.transaction ? *ctx.transaction : own;
  std::filesystem::path path;
  std::vector<uint8_t>* bytes = ListFileContent(ctx, prefix, transaction, path);
  if (!bytes) return -1;
  if (ctx.progress) {
    ctx.progress->SetLine(1, std::string(MessageText(8076)));
    ctx.progress->SetPercent(ProgressWindow::kReset);
  }
  const int count = list.Count();
  PutI16(bytes->data() + kCountOffset, static_cast<int16_t>(count));
  std::vector<uint8_t> entries;
  ByteWriter writer(entries);
  int written = 0;
  for (const std::string& text : list.Entries()) {
    writer.Text(text);
    ++written;
    if (ctx.progress) ctx.progress->SetPercent(written * 100 / count);
  }
  // what lay behind the last entry before stays there; readers stop after count entries
  if (bytes->size() < kListHeaderSize + entries.size()) bytes->resize(kListHeaderSize + entries.size());
  std::copy(entries.begin(), entries.end(), bytes->begin() + kListHeaderSize);
  WriteTimeStamp(bytes->data() + kAccessStampOffset, ctx.clock.Now());
  return CommitOwn(ctx, own, path) ? 1 : -1;
}

}  // namespace vl
