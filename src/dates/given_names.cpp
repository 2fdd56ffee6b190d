#include "dates/given_names.hpp"

#include "common/byte_io.hpp"

namespace vl {

GivenNames GivenNamesFromFields(const uint8_t* fields) {
  GivenNames names;
  for (int i = 0; i < kGivenNameCount; ++i) names[i] = GetFixedText(fields + i * kGivenNameFieldSize, kGivenNameFieldSize);
  return names;
}

std::string JoinGivenNames(std::string_view surname, const GivenNames& givenNames) {
  std::string text(surname);
  for (const auto& name : givenNames) {
    if (!name.empty()) text += " " + name;
  }
  return text;
}

std::string NameWithGivenNames(std::string_view surname, const GivenNames& givenNames) {
  std::string text(surname);
  bool first = true;
  for (const auto& name : givenNames) {
    if (name.empty()) continue;
    text += first ? " (" : " ";
    text += name;
    first = false;
  }
  if (!first) text += ")";
  return text;
}

}  // namespace vl
