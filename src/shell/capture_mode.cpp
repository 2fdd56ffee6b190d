#include "shell/capture_mode.hpp"

#include <QWidget>

#include "pictures/ui/capture_dialog.hpp"
#include "shell/command_ids.hpp"

namespace vl {

bool CaptureMode::HandlesMode(int toolId) const { return toolId == cmd::kToolSection; }

// The frame draws itself into the picture, so the capture works on every platform, also where
// the window system lets no program read the screen.
void CaptureMode::SectionChosen(QRect globalRect) {
  const QRect local(frame_.mapFromGlobal(globalRect.topLeft()), globalRect.size());
  const QImage picture = frame_.grab(local).toImage();
  if (picture.isNull()) return;
  CaptureDialog dialog(picture, photoDir_, prompter_, &frame_);
  dialog.exec();
}

}  // namespace vl
