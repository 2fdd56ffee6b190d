#include "dates/ui/date_field_behaviour.hpp"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>

#include "dates/ui/calendar_dialog.hpp"

namespace vl {
namespace {

bool IsDateCharacter(QChar c) { return (c >= u'0' && c <= u'9') || c == u'.' || c == u'*'; }

bool IsEditingOrNavigationKey(int key) {
  switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
      return true;
    default:
      return false;
  }
}

bool IsPasteKey(const QKeyEvent& event) {
  return event.matches(QKeySequence::Paste) ||
         (event.key() == Qt::Key_Insert && (event.modifiers() & Qt::ShiftModifier));
}

// Shortcuts that only read, remove or select what is already in the field.
bool IsHarmlessShortcut(const QKeyEvent& event) {
  return event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Cut) ||
         event.matches(QKeySequence::SelectAll) || event.matches(QKeySequence::Undo) ||
         event.matches(QKeySequence::Redo);
}

bool IsDateText(const QString& text) {
  for (QChar c : text) {
    if (!IsDateCharacter(c)) return false;
  }
  return true;
}

}  // namespace

bool IsDateFieldKey(const QKeyEvent& event) {
  if (IsPasteKey(event)) return false;
  if (IsEditingOrNavigationKey(event.key())) return true;
  if (IsHarmlessShortcut(event)) return true;
  const QString text = event.text();
  if (text.isEmpty()) return !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  return IsDateText(text);
}

bool OpenCalendarFor(QLineEdit& field, const CalendarRunner& runner) {
  QPointer<QLineEdit> guard(&field);
  CalendarDialog dialog(&field, field.text());
  const int result = runner ? runner(dialog) : dialog.exec();
  if (!guard) return false;
  const bool accepted = result == QDialog::Accepted;
  if (accepted) field.setText(dialog.gregorianText().left(kCalendarResultLength));
  field.setFocus(Qt::OtherFocusReason);
  return accepted;
}

DateFieldBehaviour::DateFieldBehaviour(QLineEdit& field) : QObject(&field), field_(field) {
  field.setAcceptDrops(false);
  field.setContextMenuPolicy(Qt::PreventContextMenu);
  field.installEventFilter(this);
}

bool DateFieldBehaviour::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &field_) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
      return !IsDateFieldKey(*static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod:
      return !IsDateText(static_cast<QInputMethodEvent*>(event)->commitString());
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      // The middle button pastes the selection on some desktops; the right one belongs to the calendar.
      return static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton;
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton) return false;
      if (mouse->button() == Qt::RightButton && calendarEnabled_ && field_.isEnabled() &&
          field_.rect().contains(mouse->position().toPoint())) {
        OpenCalendarFor(field_, runner_);
      }
      return true;
    }
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

}  // namespace vl
