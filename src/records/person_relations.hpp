#pragma once
// Small questions about person cards that several checks ask.
#include <string>

#include "common/cp1252.hpp"
#include "storage/person_card.hpp"

namespace vl {

// The full name as messages show it (UTF-8).
inline std::string NameOf(const PersonCard& card) { return Cp1252ToUtf8(card.fullName); }

inline bool IsChildOf(const PersonCard& candidate, const PersonCard& parent) {
  for (const ChildLink& link : parent.children) {
    if (link.child == &candidate) return true;
  }
  return false;
}

}  // namespace vl
