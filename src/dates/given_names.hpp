#pragma once
// A surname with the given names of a person (Windows-1252 text).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vl {

constexpr int kGivenNameCount = 5;
constexpr int kGivenNameFieldSize = 20;
using GivenNames = std::array<std::string, kGivenNameCount>;

// The five NUL-terminated 20-byte given-name fields of a record.
GivenNames GivenNamesFromFields(const uint8_t* fields);

// The full name: "Müller Hans Peter" (each non-empty given name after one blank).
std::string JoinGivenNames(std::string_view surname, const GivenNames& givenNames);
// "Müller (Hans Peter)"; the surname alone when there is no given name.
std::string NameWithGivenNames(std::string_view surname, const GivenNames& givenNames);

}  // namespace vl
