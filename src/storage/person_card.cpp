#include "storage/person_card.hpp"

#include <algorithm>

namespace vl {

bool EraseUnion(PersonCard& person, const std::function<bool(const UnionEntry&)>& matches) {
  uint16_t civilPosition = 0;
  for (auto it = person.unions.begin(); it != person.unions.end(); ++it) {
    const bool civil = it->kind == 1;
    if (civil) ++civilPosition;
    if (!matches(*it)) continue;
    person.unions.erase(it);
    if (!civil) return true;
    for (ChildLink& link : person.children) {
      if (link.unionIndex == civilPosition) {
        link.unionIndex = 0;
      } else if (link.unionIndex > civilPosition) {
        --link.unionIndex;
      }
    }
    return true;
  }
  return false;
}

std::array<std::string, kTitleCount> TitlesOf(const PersonCard& card) {
  std::array<std::string, kTitleCount> titles;
  size_t pos = 0;
  for (auto& title : titles) {
    if (pos >= card.titles.size()) break;
    size_t length = std::min<size_t>(card.titles[pos], card.titles.size() - pos - 1);
    title.assign(reinterpret_cast<const char*>(card.titles.data() + pos + 1), length);
    pos += 1 + length;
  }
  return titles;
}

std::vector<uint8_t> TitleGroups(const std::array<std::string, kTitleCount>& titles) {
  std::vector<uint8_t> groups;
  for (const auto& title : titles) {
    size_t length = std::min(title.size(), kMaxTitleLength);
    groups.push_back(static_cast<uint8_t>(length));
    groups.insert(groups.end(), title.begin(), title.begin() + static_cast<std::ptrdiff_t>(length));
  }
  return groups;
}

}  // namespace vl
