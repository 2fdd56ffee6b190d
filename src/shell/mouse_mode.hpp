#pragma once
// The mouse modes of the tool window and who receives their clicks.
#include <QPoint>
#include <QRect>

class QMdiSubWindow;

namespace vl {

// Receives the result of a mouse mode: the click of link, zoom, design, tree options, object and
// print mode on a child window, and the rectangle of the section mode (global coordinates).
class MouseModeClient {
 public:
  virtual ~MouseModeClient() = default;
  // True for the modes (tool ids 3000 to 3004, 3010, 3011) whose windows exist; the others
  // stay disabled in the tool window.
  virtual bool HandlesMode(int toolId) const = 0;
  virtual void ModeClicked(int toolId, QMdiSubWindow* window, QPoint globalPos) = 0;
  virtual void SectionChosen(QRect globalRect) = 0;
};

}  // namespace vl
