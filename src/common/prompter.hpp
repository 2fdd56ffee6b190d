#pragma once
// How the core speaks to the user: the four message boxes, the progress window and the status line.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/messages.hpp"

namespace vl {

// The progress window: three text lines and a bar. A percentage of 101 resets the bar.
class ProgressWindow {
 public:
  static constexpr int kReset = 101;
  virtual ~ProgressWindow() = default;
  virtual void SetLine(int line, const std::string& text) = 0;
  virtual void SetPercent(int percent) = 0;
};

// A person card that carries the same full name as a block being saved.
struct HomonymCandidate {
  uint16_t number = 0;
  std::string fullName;  // Windows-1252
};

// What the homonym window answered: one of the listed cards, a new card, or nothing at all
// (the save is refused, for example on the command line without --choose).
struct HomonymAnswer {
  enum Kind { Existing, New, Refused };
  Kind kind = Refused;
  uint16_t number = 0;  // for Existing
};

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Error box: title 8002 "Fehler", stop icon, OK.
  virtual void ShowError(const Message& message) = 0;
  // Information box: title 8003 "Information", OK.
  virtual void ShowInformation(const Message& message) = 0;
  // Question box: title 8001, yes (true) and no (false).
  virtual bool AskYesNo(const Message& message) = 0;
  // The same box with "no" as the default button: for the program's own questions whose "yes"
  // gives up unsaved changes, so that a hasty Enter loses nothing.
  virtual bool AskYesNoDefaultNo(const Message& message) { return AskYesNo(message); }
  // Continue box: title 8001, the text followed by " Fortfahren ?", OK (true) and cancel (false).
  virtual bool AskContinue(const Message& message) = 0;
  // The homonym window: which of the candidates (two or more, or one) is meant by fullName
  // (Windows-1252). role names the block: "main", "father", "mother", "groom", ... The default
  // refuses, for prompters that cannot ask.
  virtual HomonymAnswer ChooseHomonym(std::string_view /*role*/, const std::string& /*fullName*/,
                                      const std::vector<HomonymCandidate>& /*candidates*/) {
    return {};
  }
  // Status line text; empty clears it.
  virtual void SetStatusText(const std::string& /*text*/) {}
};

inline std::string ContinueBoxText(const Message& message) { return message.text + " Fortfahren ?"; }

}  // namespace vl
