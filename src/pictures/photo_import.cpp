#include "pictures/photo_import.hpp"

#include <system_error>

#include "common/cp1252.hpp"
#include "common/file_io.hpp"
#include "common/file_names.hpp"
#include "pictures/dib_reader.hpp"
#include "pictures/dib_writer.hpp"
#include "pictures/stored_name.hpp"

namespace vl {
namespace {

std::filesystem::path Resolved(const std::filesystem::path& dir) {
  std::error_code ec;
  auto canonical = std::filesystem::weakly_canonical(std::filesystem::absolute(dir, ec), ec);
  return ec ? dir.lexically_normal() : canonical;
}

// The photo's own name when it already lies in the photo directory and fits a photo field.
std::optional<std::string> NameInPhotoDirectory(const std::filesystem::path& photoDir,
                                                const std::filesystem::path& source) {
  if (!SameDirectoryNoCase(source.parent_path(), photoDir)) return std::nullopt;
  const std::string name = StorableFileName(source.filename());
  if (name.size() > kMaxPhotoNameLength || Cp1252ToUtf8(name) != source.filename().string()) return std::nullopt;
  if (!FileExistsNoCase(photoDir, source.filename().string())) return std::nullopt;
  return name;
}

}  // namespace

bool SameDirectoryNoCase(const std::filesystem::path& a, const std::filesystem::path& b) {
  return EqualsNoCase(Utf8ToCp1252(Resolved(a).string()), Utf8ToCp1252(Resolved(b).string()));
}

std::optional<std::string> ImportPhoto(const std::filesystem::path& photoDir, const std::filesystem::path& source,
                                       Prompter& prompter) {
  auto dib = LoadBitmapFile(source);
  if (!dib) {
    prompter.ShowError(Msg(8004, source.string()));
    return std::nullopt;
  }
  if (auto name = NameInPhotoDirectory(photoDir, source)) return name;

  const std::vector<uint8_t> bytes = BmpFileBytes(*dib);
  auto stored = ChooseStoredName(photoDir, StorableFileName(source.filename()), kMaxPhotoNameLength, bytes, {});
  if (!stored) {
    prompter.ShowError(DirectText("Für " + source.filename().string() +
                                  " gibt es im Fotoverzeichnis keinen freien Namen mit höchstens 14 Zeichen."));
    return std::nullopt;
  }
  const std::filesystem::path target = StoredPath(photoDir, stored->name);
  if (stored->copy && !WriteFileAtomically(target, bytes)) {
    prompter.ShowError(Msg(8016, target.string()));
    return std::nullopt;
  }
  return stored->name;
}

}  // namespace vl
