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
  virtual void ModeClicked(int toolId, QMdiSubWindow* window, QPoint globalPos) = 0;
  virtual void SectionChosen(QRect globalRect) = 0;
};

}  // namespace vl
