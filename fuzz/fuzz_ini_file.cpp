// Fuzz target: ORMELIN.INI as the program reads its settings. The input is the whole file.
#include <algorithm>
#include <optional>
#include <string>

#include "common/ini_file.hpp"
#include "fuzz_support.hpp"

namespace vl::fuzz {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void CheckValue(const std::optional<std::string>& value, std::string_view file) {
  if (!value || value->empty()) return;
  Require(!IsBlank(value->front()) && !IsBlank(value->back()) && value->back() != '\r',
          "a value has no surrounding blanks");
  Require(value->find('\n') == std::string::npos, "a value never reaches into the next line");
  Require(file.find(*value) != std::string_view::npos, "a value is text of the file");
}

void FuzzOne(const uint8_t* data, size_t size) {
  const std::filesystem::path& dir = FreshDataDir();
  WriteInputFile(dir, "ORMELIN.INI", std::span<const uint8_t>(data, size));
  const std::string_view file(reinterpret_cast<const char*>(data), size);

  const std::filesystem::path path = dir / "ORMELIN.INI";
  const std::optional<std::string> value = ReadIniValue(path, "Ormelin", "Editeur");
  CheckValue(value, file);
  Require(ReadIniValue(path, "ORMELIN", "editeur") == value, "sections and keys are found in any case");
  Require(!value || file.find('=') != std::string_view::npos, "a value needs an equals sign");
}

}  // namespace
}  // namespace vl::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::fuzz::FuzzOne(data, size);
  return 0;
}
