#include "pictures/ui/screen_capture.hpp"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QRubberBand>

#include "pictures/ui/capture_dialog.hpp"

namespace vl {

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
  if (pressed_) band_->setGeometry(QRect(origin_, event->position().toPoint()).normalized() & rect());
}

void CaptureOverlay::mouseReleaseEvent(QMouseEvent* event) {
  if (!pressed_ || event->button() != Qt::LeftButton) return;
  const QRect marked = QRect(origin_, event->position().toPoint()).normalized() & rect();
  Finish();
  if (marked.width() > 1 && marked.height() > 1) {
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
