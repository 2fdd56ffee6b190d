#pragma once
// Every command of the frame: menu text, key, hint and which part of the program carries it out.
#include <span>

namespace vl {

enum class CommandOwner {
  Frame,         // carried out by the frame itself
  ChildWindows,  // child window table, choice dialog, deletions, browsing: a ChildWindowHost
  Later,         // a window of another subsystem, installed with FrameWindow::InstallCommand
};

struct CommandInfo {
  int id;
  const char* menuText;  // UTF-8; nullptr for a command that only has a key or a button
  const char* key;       // portable key text ("F2"); nullptr for none
  int hintId;            // message id of the hint shown in the status line; 0 for none
  CommandOwner owner;
};

std::span<const CommandInfo> Commands();
// nullptr for an unknown id.
const CommandInfo* FindCommand(int id);

// New, open and the other card-file commands run only while the start screen is shown.
bool NeedsStartScreen(int id);
// Commands that work on the open card file.
bool NeedsOpenCardFile(int id);

}  // namespace vl
