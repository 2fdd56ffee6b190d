#pragma once
// The status line: a message area with hints and notes, and the date and clock boxes.
#include <QFrame>
#include <QTimer>

#include "common/clock.hpp"

class QLabel;

namespace vl {

class StatusLine : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kMaxMessageLength = 79;
  static constexpr int kClockMilliseconds = 2000;
  static constexpr int kMinuteMilliseconds = 60000;

  StatusLine(const Clock& clock, QWidget* parent = nullptr);

  // The message-table text of id; 0 clears the line.
  void ShowMessage(int id);
  // A text of its own; empty clears the line (back to a standing prompt). At most 79 characters
  // are shown.
  void ShowText(const QString& text);
  void Clear() { ShowText({}); }
  // A prompt that stays while a mouse mode is on: clearing the line (also by the clock) shows
  // it again. Empty ends it.
  void SetStandingPrompt(const QString& prompt);
  QString text() const;
  QString dateText() const;
  QString timeText() const;

  // Starts the 2-second clock and the minute timer.
  void StartTimers();
  // What the 2-second timer does: clear the message, show the current date and time.
  void OnClockTick();

 signals:
  void minutePassed();

 private:
  void ShowClock();

  const Clock& clock_;
  QString standingPrompt_;
  QLabel* message_;
  QLabel* date_;
  QLabel* time_;
  QTimer clockTimer_;
  QTimer minuteTimer_;
};

}  // namespace vl
