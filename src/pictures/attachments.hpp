#pragma once
// Documents attached to a person card: copied into the object directory, listed in the order
// the user sees them, each with a description.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/prompter.hpp"
#include "storage/modified_flag.hpp"
#include "storage/person_card.hpp"

namespace vl {

constexpr size_t kMaxDocumentDescription = 80;
inline constexpr const char* kNewDocumentDescription = "...";
// Longest file name kept for a document (its length is stored in 16 bits; a file system allows 255).
constexpr size_t kMaxDocumentFileName = 255;

// What attaching a file will do: the name it gets in the object directory and its bytes.
struct AttachmentPlan {
  std::string file;  // Windows-1252
  bool copy = true;  // false: the object directory holds it already
  std::vector<uint8_t> bytes;
};

// The plan for attaching source to a person whose list is `documents`. None after a message:
// 8004 when the file cannot be read, 8405 when the person has the file already.
std::optional<AttachmentPlan> PlanAttachment(const std::filesystem::path& objectDir,
                                             const std::vector<AttachedDocument>& documents,
                                             const std::filesystem::path& source, Prompter& prompter);
// Copies the file of the plan into objectDir (when it must be); false after 8016.
bool CopyAttachment(const std::filesystem::path& objectDir, const AttachmentPlan& plan, Prompter& prompter);
// Appends the entry with the description "...", so the list stays in the order of attaching.
void AppendDocument(std::vector<AttachedDocument>& documents, const std::string& file);

bool HasDocumentFile(const std::vector<AttachedDocument>& documents, const std::string& file);
// The description (Windows-1252) cut to 80 characters; false when index is outside the list.
bool DescribeDocument(std::vector<AttachedDocument>& documents, size_t index, const std::string& description);
// Removes the entry; its file stays in the object directory. false when index is outside the list.
bool DetachDocument(std::vector<AttachedDocument>& documents, size_t index);

// The edited list becomes the person's, in order; the card file counts as changed only when
// the list differs. True when it did.
bool WriteBackDocuments(PersonCard& person, const std::vector<AttachedDocument>& edited, ModifiedFlag& modified);

// The text after the last "." of a file name; none when there is no dot or nothing follows it.
std::optional<std::string> DocumentExtension(const std::string& file);

// The file to hand to the desktop's opener; none after 8339 when the name has no extension.
std::optional<std::filesystem::path> DocumentToOpen(const std::filesystem::path& objectDir, const std::string& file,
                                                    Prompter& prompter);

}  // namespace vl
