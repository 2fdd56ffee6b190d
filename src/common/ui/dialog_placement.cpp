#include "common/ui/dialog_placement.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vl {

QPoint ModalDialogPosition(const QRect& available, const QSize& frame) {
  return QPoint(available.x() + (available.width() - frame.width()) / 2,
                available.y() + (available.height() - frame.height()) / 3);
}

void PlaceModalDialog(QWidget& dialog) {
  QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  // Before the first show the frame is not known yet; the client size is close enough then.
  const QSize frame = dialog.frameGeometry().size().expandedTo(dialog.size());
  dialog.move(ModalDialogPosition(screen->availableGeometry(), frame));
}

}  // namespace vl
