#include "pictures/ui/screen_capture.hpp"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QRubberBand>
#include <algorithm>
#include <cstdlib>

#include "pictures/ui/capture_dialog.hpp"

namespace vl {
namespace {

// The rectangle between the two corners, the corner where the mouse was released not included.
QRect Marked(QPoint a, QPoint b) {
  return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
               QSize(std::abs(a.x() - b.x()), std::abs(a.y() - b.y())));
}

}  // namespace

CaptureOverlay::CaptureOverlay(QWidget& source, Prompter& prompter)
    : QWidget(&source), source_(source), prompter_(prompter), band_(new QRubberBand(QRubberBand::Rectangle, this)) {
  setObjectName("captureOverlay");
  setAttribute(Qt::WA_NoSystemBackground);
  setCursor(Qt::CrossCursor);
  setFocusPolicy(Qt::StrongFocus);
  setGeometry(source.rect());
  show();
  raise();
  setFocus();
  grabMouse();
  prompter_.SetStatusText(std::string(MessageText(8314)));
}

void CaptureOverlay::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  origin_ = event->position().toPoint();
  band_->setGeometry(QRect(origin_, QSize()));
  band_->show();
  prompter_.SetStatusText(std::string(MessageText(8315)));
}

void CaptureOverlay::mouseMoveEvent(QMouseEvent* event) {
  if (pressed_) band_->setGeometry(Marked(origin_, event->position().toPoint()) & rect());
}

void CaptureOverlay::mouseReleaseEvent(QMouseEvent* event) {
  if (!pressed_ || event->button() != Qt::LeftButton) return;
  const QRect marked = Marked(origin_, event->position().toPoint()) & rect();
  Finish();
  if (!marked.isEmpty()) {
    // The overlay is hidden by now, so the picture shows the window alone.
    emit captured(source_.grab(marked).toImage());
  }
  deleteLater();
}

void CaptureOverlay::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) return QWidget::keyPressEvent(event);
  Finish();
  deleteLater();
}

void CaptureOverlay::Finish() {
  releaseMouse();
  band_->hide();
  hide();
  prompter_.SetStatusText({});
}

void CaptureAndSave(QWidget& source, const std::filesystem::path& directory, Prompter& prompter) {
  auto* overlay = new CaptureOverlay(source, prompter);
  QObject::connect(overlay, &CaptureOverlay::captured, &source, [&source, directory, &prompter](const QImage& picture) {
    CaptureDialog dialog(picture, directory, prompter, &source);
    dialog.exec();
  });
}

}  // namespace vl
