#pragma once
// A line edit with the date field behaviour (see DateFieldBehaviour).
#include <QLineEdit>

#include "dates/ui/date_field_behaviour.hpp"

namespace vl {

class DateLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit DateLineEdit(QWidget* parent = nullptr);

  // Replaces the modal run of the calendar dialog (tests drive the dialog through it).
  void setCalendarRunner(CalendarRunner runner) { behaviour_->setCalendarRunner(std::move(runner)); }
  // Whether a right click opens the calendar (not inside the calendar dialog itself).
  void setCalendarEnabled(bool enabled) { behaviour_->setCalendarEnabled(enabled); }
  // Opens the calendar dialog as a right click does; true when it was confirmed.
  bool openCalendar(const CalendarRunner& runner = {});

 private:
  DateFieldBehaviour* behaviour_;
};

}  // namespace vl
