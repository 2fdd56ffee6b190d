#pragma once
// The progress window of long operations: three text lines and a bar with its percentage.
#include <QFrame>

#include "common/prompter.hpp"

class QLabel;

namespace vl {

class ProgressBar : public QWidget {
 public:
  explicit ProgressBar(QWidget* parent = nullptr);
  int Percent() const { return percent_; }
  void SetPercent(int percent);
  QSize sizeHint() const override { return {260, 18}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int percent_ = 0;
};

class ProgressPanel : public QFrame, public ProgressWindow {
 public:
  explicit ProgressPanel(QWidget* parent = nullptr);

  void SetLine(int line, const std::string& text) override;
  // 101 resets the bar and blanks the number; another value moves the bar and shows "%d %".
  void SetPercent(int percent) override;

  QString lineText(int line) const;
  QString percentText() const;
  int percent() const { return bar_->Percent(); }

  // Shows the panel centred over its parent, with empty lines and a reset bar.
  void Open();
  void Close();

 private:
  void Refresh(QWidget* widget);

  QLabel* lines_[3];
  ProgressBar* bar_;
  QLabel* percentText_;
  int shown_ = -1;
};

}  // namespace vl
