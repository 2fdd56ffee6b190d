#include "storage/list_file.hpp"

#include <algorithm>

#include "common/byte_io.hpp"
#include "common/file_io.hpp"
#include "common/file_names.hpp"
#include "storage/card_file_header.hpp"
#include "storage/card_file_names.hpp"

namespace vl {
namespace {

constexpr size_t kCountOffset = 262;
constexpr size_t kMaximumOffset = 264;
constexpr uint16_t kListMaximum = 10000;

std::string ListFileName(const char* prefix, int number) { return prefix + NumberExtension(number); }

// Reads the whole list file; 8004 with the path when it is missing or shorter than its header.
std::optional<std::vector<uint8_t>> ReadListFile(const ListFileContext& ctx, const char* prefix,
                                                 std::filesystem::path& path) {
  std::string name = ListFileName(prefix, ctx.number);
  auto found = FindFileNoCase(ctx.dataDir, name);
  path = found ? *found : ctx.dataDir / name;
  auto bytes = found ? ReadWholeFile(*found) : std::nullopt;
  if (!bytes || bytes->size() < kListHeaderSize) {
    ctx.prompter.ShowError(Msg(8004, path.string()));
    return std::nullopt;
  }
  return bytes;
}

bool StoreWithNewAccessStamp(const ListFileContext& ctx, const std::filesystem::path& path,
                             std::vector<uint8_t>& bytes) {
  WriteTimeStamp(bytes.data() + 252, ctx.clock.Now());
  if (WriteFileAtomically(path, bytes)) return true;
  ctx.prompter.ShowError(Msg(8004, path.string()));
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
  if (!WriteFileAtomically(path, header)) {
    ctx.prompter.ShowError(Msg(8004, path.string()));
    return -1;
  }
  return 1;
}

int LoadList(const ListFileContext& ctx, const char* prefix, NameList& list) {
  list.Clear();
  std::filesystem::path path;
  auto bytes = ReadListFile(ctx, prefix, path);
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
  return StoreWithNewAccessStamp(ctx, path, *bytes) ? 1 : -1;
}

int SaveList(const ListFileContext& ctx, const char* prefix, const NameList& list) {
  std::filesystem::path path;
  auto bytes = ReadListFile(ctx, prefix, path);
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
  return StoreWithNewAccessStamp(ctx, path, *bytes) ? 1 : -1;
}

}  // namespace vl
