#include "dates/ui/date_line_edit.hpp"

namespace vl {

DateLineEdit::DateLineEdit(QWidget* parent) : QLineEdit(parent), behaviour_(new DateFieldBehaviour(*this)) {}

bool DateLineEdit::openCalendar(const CalendarRunner& runner) { return OpenCalendarFor(*this, runner); }

}  // namespace vl
