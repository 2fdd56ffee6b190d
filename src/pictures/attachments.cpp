#include "pictures/attachments.hpp"

#include <algorithm>

#include "common/file_io.hpp"
#include "pictures/stored_name.hpp"

namespace vl {

std::optional<AttachmentPlan> PlanAttachment(const std::filesystem::path& objectDir,
                                             const std::vector<AttachedDocument>& documents,
                                             const std::filesystem::path& source, Prompter& prompter) {
  auto bytes = ReadWholeFile(source);
  if (!bytes || source.filename().empty()) {
    prompter.ShowError(Msg(8004, source.string()));
    return std::nullopt;
  }
  auto stored = ChooseStoredName(objectDir, StorableFileName(source.filename()), kMaxDocumentFileName, *bytes, source);
  if (!stored) {
    prompter.ShowError(DirectText("Für " + source.filename().string() +
                                  " gibt es im Objektverzeichnis keinen freien Namen."));
    return std::nullopt;
  }
  // The same file attached twice would be listed twice.
  if (HasDocumentFile(documents, stored->name)) {
    prompter.ShowInformation(Msg(8405));
    return std::nullopt;
  }
  return AttachmentPlan{stored->name, stored->copy, std::move(*bytes)};
}

bool CopyAttachment(const std::filesystem::path& objectDir, const AttachmentPlan& plan, Prompter& prompter) {
  if (!plan.copy) return true;
  const std::filesystem::path target = StoredPath(objectDir, plan.file);
  if (WriteFileAtomically(target, plan.bytes)) return true;
  prompter.ShowError(Msg(8016, target.string()));
  return false;
}

void AppendDocument(std::vector<AttachedDocument>& documents, const std::string& file) {
  documents.push_back(AttachedDocument{kNewDocumentDescription, file});
}

bool HasDocumentFile(const std::vector<AttachedDocument>& documents, const std::string& file) {
  return std::any_of(documents.begin(), documents.end(), [&](const AttachedDocument& d) { return d.file == file; });
}

bool DescribeDocument(std::vector<AttachedDocument>& documents, size_t index, const std::string& description) {
  if (index >= documents.size()) return false;
  documents[index].description = description.substr(0, kMaxDocumentDescription);
  return true;
}

bool DetachDocument(std::vector<AttachedDocument>& documents, size_t index) {
  if (index >= documents.size()) return false;
  documents.erase(documents.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

bool WriteBackDocuments(PersonCard& person, const std::vector<AttachedDocument>& edited, ModifiedFlag& modified) {
  const bool same = std::equal(person.documents.begin(), person.documents.end(), edited.begin(), edited.end(),
                               [](const AttachedDocument& a, const AttachedDocument& b) {
                                 return a.description == b.description && a.file == b.file;
                               });
  if (same) return false;
  person.documents = edited;
  modified.Set();
  return true;
}

std::optional<std::string> DocumentExtension(const std::string& file) {
  const size_t dot = file.rfind('.');
  if (dot == std::string::npos || dot + 1 == file.size()) return std::nullopt;
  return file.substr(dot + 1);
}

std::optional<std::filesystem::path> DocumentToOpen(const std::filesystem::path& objectDir, const std::string& file,
                                                    Prompter& prompter) {
  if (!DocumentExtension(file)) {
    prompter.ShowError(Msg(8339));
    return std::nullopt;
  }
  return StoredPath(objectDir, file);
}

}  // namespace vl
