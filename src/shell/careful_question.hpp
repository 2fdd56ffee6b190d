#pragma once
// Questions the program asks of its own accord whose "yes" gives up unsaved changes: "Nein" is
// their default answer, so that a hasty Enter loses nothing.
#include "common/prompter.hpp"

namespace vl {

class CarefulQuestions {
 public:
  virtual ~CarefulQuestions() = default;
  // The question box (title 8001, yes and no) with "no" as the default button.
  virtual bool AskYesNoDefaultNo(const Message& message) = 0;
};

// Through a prompter that has such boxes, else as its ordinary question.
inline bool AskBeforeLosingChanges(Prompter& prompter, const Message& message) {
  if (auto* careful = dynamic_cast<CarefulQuestions*>(&prompter)) return careful->AskYesNoDefaultNo(message);
  return prompter.AskYesNo(message);
}

}  // namespace vl
