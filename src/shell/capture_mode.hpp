#pragma once
// The section mode of the tool window: the marked part of the frame is shown in the Capture
// dialog and saved as a bitmap file (in the photo directory unless the user chooses another).
#include <filesystem>

#include "common/prompter.hpp"
#include "shell/mouse_mode.hpp"

class QWidget;

namespace vl {

class CaptureMode : public MouseModeClient {
 public:
  CaptureMode(QWidget& frame, std::filesystem::path photoDir, Prompter& prompter)
      : frame_(frame), photoDir_(std::move(photoDir)), prompter_(prompter) {}

  bool HandlesMode(int toolId) const override;
  void ModeClicked(int /*toolId*/, QMdiSubWindow* /*window*/, QPoint /*globalPos*/) override {}
  void SectionChosen(QRect globalRect) override;

 private:
  QWidget& frame_;
  std::filesystem::path photoDir_;
  Prompter& prompter_;
};

}  // namespace vl
