#pragma once
// The photo frame of the card-file dialogs: draws a picture from the photo directory, fitted.
#include <QFrame>
#include <QImage>
#include <filesystem>
#include <string>

namespace vl {

class PhotoFrame : public QFrame {
  Q_OBJECT

 public:
  PhotoFrame(std::filesystem::path photoDir, QWidget* parent = nullptr);

  // A file name in the photo directory (Windows-1252); empty shows nothing.
  void SetPhoto(const std::string& fileName);
  const std::string& photo() const { return photo_; }
  bool HasPicture() const { return !image_.isNull(); }
  QSize sizeHint() const override { return {150, 170}; }

 signals:
  // A right click inside the frame asks for a photo.
  void photoRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::filesystem::path photoDir_;
  std::string photo_;
  QImage image_;
};

}  // namespace vl
