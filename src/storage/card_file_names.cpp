#include "storage/card_file_names.hpp"

#include <cctype>

#include "common/cp1252.hpp"
#include "common/messages.hpp"

namespace vl {
namespace {

constexpr std::array<KindInfo, kKindCount> kKinds = {{
    {"NAISS.", 3593, 8065},
    {"MARIAGES.", 4222, 8069},
    {"DECES.", 3520, 8067},
    {"BAPTEMES.", 3565, 8066},
    {"BENEDICT.", 4118, 8070},
    {"SEPULTUR.", 3612, 8068},
}};

}  // namespace

const KindInfo& InfoOfKind(int kind) { return kKinds.at(static_cast<size_t>(kind)); }

std::string NumberExtension(int number) { return FormatPrintf("%03d", number); }
std::string HeaderFileName(int number) { return "DOSSIER." + NumberExtension(number); }
std::string PersonFileName(int number) { return "FICHES." + NumberExtension(number); }
std::string PersonBackupFileName(int number) { return "FICHESS." + NumberExtension(number); }
std::string SlotFileName(int kind, int number) { return InfoOfKind(kind).prefix + NumberExtension(number); }
std::string PlaceListFileName(int number) { return kPlaceListPrefix + NumberExtension(number); }
std::string ProfessionListFileName(int number) { return kProfessionListPrefix + NumberExtension(number); }

std::optional<int> NumberOfHeaderFileName(const std::string& name) {
  constexpr std::string_view stem = "DOSSIER.";
  if (name.size() != stem.size() + 3 || !EqualsNoCase(std::string_view(name).substr(0, stem.size()), stem)) {
    return std::nullopt;
  }
  int number = 0;
  for (size_t i = stem.size(); i < name.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
    number = number * 10 + (name[i] - '0');
  }
  return number;
}

}  // namespace vl
