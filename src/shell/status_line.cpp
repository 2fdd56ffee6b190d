#include "shell/status_line.hpp"

#include <QHBoxLayout>
#include <QLabel>

#include "common/messages.hpp"
#include "common/ui/shared_look.hpp"

namespace vl {
namespace {

QLabel* SunkenBox(QWidget* parent, const QString& widest) {
  auto* box = new QLabel(parent);
  box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  box->setAlignment(Qt::AlignCenter);
  box->setMinimumWidth(box->fontMetrics().horizontalAdvance(widest) + 16);
  return box;
}

}  // namespace

StatusLine::StatusLine(const Clock& clock, QWidget* parent) : QFrame(parent), clock_(clock) {
  setObjectName("Message");
  SharedLook::MakeRaisedPanel(*this);

  message_ = new QLabel(this);
  message_->setObjectName("statusMessage");
  message_->setTextFormat(Qt::PlainText);
  message_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  date_ = SunkenBox(this, "00.00.00");
  date_->setObjectName("statusDate");
  time_ = SunkenBox(this, "00:00");
  time_->setObjectName("statusTime");

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 2, 4, 2);
  layout->setSpacing(4);
  layout->addWidget(message_, 1);
  layout->addWidget(date_);
  layout->addWidget(time_);

  connect(&clockTimer_, &QTimer::timeout, this, &StatusLine::OnClockTick);
  connect(&minuteTimer_, &QTimer::timeout, this, &StatusLine::minutePassed);
  ShowClock();
}

void StatusLine::ShowMessage(int id) {
  ShowText(id == 0 ? QString() : QString::fromUtf8(MessageText(id).data(), static_cast<int>(MessageText(id).size())));
}

void StatusLine::ShowText(const QString& text) {
  message_->setText((text.isEmpty() ? standingPrompt_ : text).left(kMaxMessageLength));
  message_->repaint();
}

void StatusLine::SetStandingPrompt(const QString& prompt) {
  standingPrompt_ = prompt;
  ShowText(prompt);
}

QString StatusLine::text() const { return message_->text(); }
QString StatusLine::dateText() const { return date_->text(); }
QString StatusLine::timeText() const { return time_->text(); }

void StatusLine::StartTimers() {
  clockTimer_.start(kClockMilliseconds);
  minuteTimer_.start(kMinuteMilliseconds);
}

void StatusLine::OnClockTick() {
  Clear();
  ShowClock();
}

void StatusLine::ShowClock() {
  const TimeStamp now = clock_.Now();
  // Two digits of the year, as the box is meant to show; the stored year counts from 1900.
  date_->setText(QString::fromStdString(FormatPrintf("%02d.%02d.%02d", now.day, now.month, now.year % 100)));
  time_->setText(QString::fromStdString(FormatPrintf("%02d:%02d", now.hour, now.minute)));
}

}  // namespace vl
