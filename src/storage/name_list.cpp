#include "storage/name_list.hpp"

#include "common/cp1252.hpp"

namespace vl {

const std::string* NameList::Find(std::string_view text) const {
  auto it = byFoldedText_.find(FoldedCp1252(text));
  return it != byFoldedText_.end() ? &*it->second : nullptr;
}

void NameList::PushFrontUnchecked(std::string text) {
  std::string key = FoldedCp1252(text);
  entries_.push_front(std::move(text));
  byFoldedText_.emplace(std::move(key), entries_.begin());
}

void NameList::Add(std::string_view text) {
  if (text.empty()) return;
  modified_.Set();
  if (Find(text) == nullptr) PushFrontUnchecked(std::string(text));
}

bool NameList::Remove(std::string_view text, Prompter& prompter) {
  if (text.empty()) return false;
  modified_.Set();
  auto it = byFoldedText_.find(FoldedCp1252(text));
  if (it == byFoldedText_.end()) return false;
  if (!prompter.AskYesNo(Msg(8077, Cp1252ToUtf8(text)))) return false;
  entries_.erase(it->second);
  byFoldedText_.erase(it);
  return true;
}

void NameList::Clear() {
  entries_.clear();
  byFoldedText_.clear();
}

}  // namespace vl
