#pragma once
// Marking a part of a window with the mouse: press at the upper left corner, drag, release at
// the lower right one. The status line says what to do next.
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "common/prompter.hpp"

class QRubberBand;

namespace vl {

class CaptureOverlay : public QWidget {
  Q_OBJECT

 public:
  // Covers `source` (the active child window or the frame) until the mouse is released or
  // Escape is pressed; then it deletes itself.
  CaptureOverlay(QWidget& source, Prompter& prompter);

 signals:
  // The marked part of the source, when it is not empty.
  void captured(const QImage& picture);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Finish();

  QWidget& source_;
  Prompter& prompter_;
  QRubberBand* band_;
  QPoint origin_;
  bool pressed_ = false;
};

// Lets the user mark a part of source and offers it for saving in the Capture dialog;
// relative file names are taken in `directory`.
void CaptureAndSave(QWidget& source, const std::filesystem::path& directory, Prompter& prompter);

}  // namespace vl
