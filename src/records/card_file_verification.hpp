#pragma once
// A data-quality pass over a whole card file: every plausibility check that a save would run,
// with every warning answered "continue", so that all findings are collected and nothing changes.
#include <cstdint>
#include <string>
#include <vector>

#include "common/scripted_prompter.hpp"
#include "storage/person_index.hpp"

namespace vl {

struct Finding {
  uint16_t person = 0;  // the card whose check found it
  BoxKind kind = BoxKind::Information;
  int message = 0;
  std::string text;  // UTF-8, as the message box shows it (without " Fortfahren ?")
};

// For each card in index order: its life order, its parents against each other, itself against
// its parents, and each couple once against the child lists of both.
std::vector<Finding> VerifyCardFile(const PersonIndex& index);

}  // namespace vl
