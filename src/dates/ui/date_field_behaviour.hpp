#pragma once
// What every date entry field does: only digits, "." and "*" can be typed, nothing can be pasted,
// and a right click opens the calendar dialog for the field.
#include <QObject>
#include <functional>

class QKeyEvent;
class QLineEdit;

namespace vl {

class CalendarDialog;

// Runs the calendar dialog and returns its QDialog result; by default it is shown modally.
using CalendarRunner = std::function<int(CalendarDialog&)>;

// Whether a key press may reach a date field.
bool IsDateFieldKey(const QKeyEvent& event);

// Opens CALENDRIER for a field: the field's text goes in, OK writes the Gregorian text back
// (at most 11 characters). The focus returns to the field either way. True on OK.
bool OpenCalendarFor(QLineEdit& field, const CalendarRunner& runner = {});

// Installed on a line edit (and owned by it) to give it the date field behaviour.
class DateFieldBehaviour : public QObject {
  Q_OBJECT

 public:
  explicit DateFieldBehaviour(QLineEdit& field);

  void setCalendarRunner(CalendarRunner runner) { runner_ = std::move(runner); }
  void setCalendarEnabled(bool enabled) { calendarEnabled_ = enabled; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit& field_;
  CalendarRunner runner_;
  bool calendarEnabled_ = true;
};

}  // namespace vl
