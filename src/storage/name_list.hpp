#pragma once
// The place and profession lists: unique texts without regard to case, newest first.
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/prompter.hpp"
#include "storage/modified_flag.hpp"

namespace vl {

class NameList {
 public:
  explicit NameList(ModifiedFlag& modified) : modified_(modified) {}
  NameList(const NameList&) = delete;
  NameList& operator=(const NameList&) = delete;

  const std::string* Find(std::string_view text) const;
  void Add(std::string_view text);
  // Asks 8077 first; true when the entry was removed.
  bool Remove(std::string_view text, Prompter& prompter);
  void Clear();
  int Count() const { return static_cast<int>(entries_.size()); }
  // In list order: the newest entry first.
  std::vector<std::string> Entries() const { return {entries_.begin(), entries_.end()}; }
  // Puts a text in front without the uniqueness check; loading keeps what the file holds.
  void PushFrontUnchecked(std::string text);

 private:
  ModifiedFlag& modified_;
  std::list<std::string> entries_;
  std::unordered_multimap<std::string, std::list<std::string>::iterator> byFoldedText_;
};

}  // namespace vl
