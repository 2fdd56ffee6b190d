#pragma once
// Where modal dialogs appear: centred horizontally, at a third of the free height of the screen.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace vl {

// Top-left corner of a window of the given frame size on the given available screen area.
QPoint ModalDialogPosition(const QRect& available, const QSize& frame);
// Moves a dialog there on its screen; call when it is shown.
void PlaceModalDialog(QWidget& dialog);

}  // namespace vl
