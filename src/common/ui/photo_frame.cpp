#include "common/ui/photo_frame.hpp"

#include <QMouseEvent>
#include <QPainter>

#include "common/cp1252.hpp"
#include "common/file_names.hpp"
#include "common/prompter.hpp"
#include "common/ui/dib_image.hpp"
#include "pictures/photo_fitting.hpp"

namespace vl {

PhotoFrame::PhotoFrame(std::filesystem::path photoDir, QWidget* parent)
    : QFrame(parent), photoDir_(std::move(photoDir)) {
  setObjectName("photoFrame");
  setFrameStyle(QFrame::NoFrame);
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
    const std::string utf8 = Cp1252ToUtf8(fileName);
    const std::filesystem::path path = FindFileNoCase(photoDir_, utf8).value_or(photoDir_ / utf8);
    image_ = LoadBitmapImage(path);
    if (image_.isNull() && prompter_ != nullptr && reported_ != fileName) {
      reported_ = fileName;
      prompter_->ShowError(Msg(8004, path.string()));
    }
  }
  update();
}

bool PhotoFrame::Preview(const std::filesystem::path& file) {
  photo_.clear();
  image_ = file.empty() ? QImage() : LoadBitmapImage(file);
  update();
  return !image_.isNull();
}

void PhotoFrame::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QRect frame = rect().adjusted(0, 0, -1, -1);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(frame);
  if (image_.isNull()) {
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(frame, Qt::AlignCenter, "Foto");
    return;
  }
  const PhotoPlacement placed = FitPhoto(image_.width(), image_.height(), {0, 0, width(), height()});
  const QRect source(placed.source.x, placed.source.y, placed.source.width, placed.source.height);
  const QRect target(placed.target.x, placed.target.y, placed.target.width, placed.target.height);
  painter.drawImage(target, image_, source);
}

void PhotoFrame::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    emit photoRequested();
    return;
  }
  QFrame::mousePressEvent(event);
}

}  // namespace vl
