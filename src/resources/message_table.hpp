#pragma once
// The numbered texts behind MessageText, exposed for checks over the whole table.
#include <span>
#include <string_view>

namespace vl {

struct MessageEntry {
  int id;
  std::string_view text;
};

// All entries, ascending by id, each id once.
std::span<const MessageEntry> MessageEntries();

}  // namespace vl
