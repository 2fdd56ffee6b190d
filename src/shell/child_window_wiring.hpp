#pragma once
// Gives the frame its child window table.
#include "common/clock.hpp"
#include "common/prompter.hpp"

namespace vl {

class ChildWindowTable;
class FrameWindow;

// Creates the table for the frame's MDI client and open card file, attaches it as the frame's
// child window host and keeps the frame's command states in step with the registered window
// kinds. The frame owns the table; later windows find it as the frame's child
// "childWindowTable".
ChildWindowTable& AttachChildWindowTable(FrameWindow& frame, Prompter& prompter, const Clock& clock);

}  // namespace vl
