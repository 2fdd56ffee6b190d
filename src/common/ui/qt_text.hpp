#pragma once
// Windows-1252 texts of the card file and message texts at the edge to Qt widgets.
#include <QString>
#include <string>
#include <string_view>

#include "common/cp1252.hpp"
#include "common/messages.hpp"

namespace vl {

inline QString FromCp1252(std::string_view text) { return QString::fromStdString(Cp1252ToUtf8(text)); }
inline std::string ToCp1252(const QString& text) { return Utf8ToCp1252(text.toStdString()); }
inline QString MessageQString(int id) {
  const std::string_view text = MessageText(id);
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

}  // namespace vl
