#pragma once
// Numbered texts of the message table and their formatting.
#include <fmt/printf.h>

#include <string>
#include <string_view>

namespace vl {

// UTF-8 text of a numbered message (8000-8449, 1-34, 1400-1462); empty for an unknown number.
std::string_view MessageText(int id);

// A message as shown to the user: its number (0 for a text given directly) and formatted UTF-8 text.
struct Message {
  int id = 0;
  std::string text;
  bool operator==(const Message&) const = default;
};

// printf-style formatting that never has undefined behaviour: a wrong argument
// gives the unformatted text instead of garbage.
template <typename... Args>
std::string FormatPrintf(std::string_view format, const Args&... args) {
  if constexpr (sizeof...(Args) == 0) {
    return std::string(format);
  } else {
    try {
      return fmt::sprintf(format, args...);
    } catch (const fmt::format_error&) {
      return std::string(format);
    }
  }
}

// Texts passed as arguments must already be UTF-8 (see Cp1252ToUtf8).
template <typename... Args>
Message Msg(int id, const Args&... args) {
  return Message{id, FormatPrintf(MessageText(id), args...)};
}

inline Message DirectText(std::string text) { return Message{0, std::move(text)}; }

}  // namespace vl
