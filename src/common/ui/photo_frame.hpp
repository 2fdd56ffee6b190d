#pragma once
// The photo frame of the card-file and certificate windows: draws a bitmap from the photo
// directory, never scaled: whole and centred when it is smaller than the frame, its centre when larger.
#include <QFrame>
#include <QImage>
#include <filesystem>
#include <string>

namespace vl {

class Prompter;

class PhotoFrame : public QFrame {
  Q_OBJECT

 public:
  PhotoFrame(std::filesystem::path photoDir, QWidget* parent = nullptr);

  // With a prompter, a photo that cannot be read is reported with 8004 and its full path,
  // once per photo name.
  void SetPrompter(Prompter* prompter) { prompter_ = prompter; }
  // A file name in the photo directory (Windows-1252); empty shows nothing.
  void SetPhoto(const std::string& fileName);
  // Shows any bitmap file without a message (the photo chooser's preview); false when it
  // cannot be read. photo() is then empty.
  bool Preview(const std::filesystem::path& file);
  const std::string& photo() const { return photo_; }
  bool HasPicture() const { return !image_.isNull(); }
  const QImage& picture() const { return image_; }
  QSize sizeHint() const override { return {150, 170}; }

 signals:
  // A right click inside the frame asks for a photo.
  void photoRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::filesystem::path photoDir_;
  Prompter* prompter_ = nullptr;
  std::string photo_;
  std::string reported_;  // the last photo name reported as unreadable
  QImage image_;
};

}  // namespace vl
