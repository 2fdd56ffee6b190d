#pragma once
// What the frame needs from the child window table: the commands it carries and closing all children.

namespace vl {

class ChildWindowHost {
 public:
  virtual ~ChildWindowHost() = default;
  // True for the commands the table carries out (see CommandOwner::ChildWindows).
  virtual bool HandlesCommand(int id) const = 0;
  virtual void RunCommand(int id) = 0;
  // Closing the card file and exit: every child closes at once without asking.
  virtual void CloseAllWithoutAsking() = 0;
};

}  // namespace vl
