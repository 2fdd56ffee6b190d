#include "shell/progress_panel.hpp"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "common/ui/shared_look.hpp"

namespace vl {

ProgressBar::ProgressBar(QWidget* parent) : QWidget(parent) { setMinimumSize(200, 18); }

void ProgressBar::SetPercent(int percent) {
  percent_ = std::clamp(percent, 0, 100);
  update();
}

void ProgressBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect frame = rect().adjusted(0, 0, -1, -1);
  painter.fillRect(frame, SharedLook::LightGrey());
  const int filled = (frame.width() - 1) * percent_ / 100;
  if (filled > 0) painter.fillRect(QRect(frame.left() + 1, frame.top() + 1, filled, frame.height() - 1), SharedLook::Red());
  painter.setPen(SharedLook::Text());
  painter.drawRect(frame);
}

ProgressPanel::ProgressPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("Wait");
  SharedLook::MakeRaisedPanel(*this, 2);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 12, 16, 12);
  layout->setSpacing(6);
  for (QLabel*& line : lines_) {
    line = new QLabel(this);
    line->setTextFormat(Qt::PlainText);
    line->setAlignment(Qt::AlignCenter);
    line->setMinimumWidth(320);
    layout->addWidget(line);
  }
  QFont bold = lines_[0]->font();
  bold.setBold(true);
  lines_[0]->setFont(bold);
  bar_ = new ProgressBar(this);
  layout->addWidget(bar_);
  percentText_ = new QLabel(this);
  percentText_->setAlignment(Qt::AlignCenter);
  layout->addWidget(percentText_);
  hide();
}

void ProgressPanel::SetLine(int line, const std::string& text) {
  if (line < 0 || line > 2) return;
  lines_[line]->setText(QString::fromUtf8(text.c_str()));
  Refresh(lines_[line]);
}

void ProgressPanel::SetPercent(int percent) {
  if (percent == kReset) {
    shown_ = -1;
    bar_->SetPercent(0);
    percentText_->clear();
  } else if (percent != shown_) {
    shown_ = percent;
    bar_->SetPercent(percent);
    percentText_->setText(QString("%1 %").arg(percent));
  } else {
    return;
  }
  Refresh(bar_);
  Refresh(percentText_);
}

QString ProgressPanel::lineText(int line) const { return line >= 0 && line <= 2 ? lines_[line]->text() : QString(); }
QString ProgressPanel::percentText() const { return percentText_->text(); }

void ProgressPanel::Open() {
  for (QLabel* line : lines_) line->clear();
  SetPercent(kReset);
  adjustSize();
  if (QWidget* p = parentWidget()) move((p->width() - width()) / 2, (p->height() - height()) / 2);
  show();
  raise();
  repaint();
}

void ProgressPanel::Close() { hide(); }

// The operations run in the user-interface thread, so the panel paints itself at once.
void ProgressPanel::Refresh(QWidget* widget) {
  if (isVisible()) widget->repaint();
}

}  // namespace vl
