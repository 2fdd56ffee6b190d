#include "common/ui/photo_frame.hpp"

#include <QMouseEvent>
#include <QPainter>

#include "common/file_names.hpp"
#include "common/ui/qt_text.hpp"

namespace vl {

PhotoFrame::PhotoFrame(std::filesystem::path photoDir, QWidget* parent)
    : QFrame(parent), photoDir_(std::move(photoDir)) {
  setObjectName("photoFrame");
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setMinimumSize(120, 140);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, pal.color(QPalette::Base));
  setPalette(pal);
}

void PhotoFrame::SetPhoto(const std::string& fileName) {
  photo_ = fileName;
  image_ = QImage();
  if (!fileName.empty()) {
    if (auto path = FindFileNoCase(photoDir_, fileName)) image_.load(QString::fromStdString(path->string()));
  }
  update();
}

void PhotoFrame::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  if (image_.isNull()) {
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(contentsRect(), Qt::AlignCenter, "Foto");
    return;
  }
  const QRect area = contentsRect().adjusted(2, 2, -2, -2);
  QSize size = image_.size().scaled(area.size(), Qt::KeepAspectRatio);
  QRect target(QPoint(0, 0), size);
  target.moveCenter(area.center());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, image_);
}

void PhotoFrame::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    emit photoRequested();
    return;
  }
  QFrame::mousePressEvent(event);
}

}  // namespace vl
