#include "records/ui/given_names_box.hpp"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "common/ui/qt_text.hpp"

namespace vl {
namespace {

constexpr int kTypedLimit = 20;      // characters the field accepts
constexpr int kStoredLimit = 19;     // characters a stored given name keeps

}  // namespace

GivenNamesBox::GivenNamesBox(Prompter& prompter, QWidget* parent) : QComboBox(parent), prompter_(prompter) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setMaxCount(kGivenNameCount);
  lineEdit()->setMaxLength(kTypedLimit);
  lineEdit()->installEventFilter(this);
  installEventFilter(this);
}

void GivenNamesBox::SetNames(const GivenNames& names) {
  clear();
  for (const std::string& name : names) {
    if (name.empty()) break;
    addItem(FromCp1252(name));
  }
  setCurrentIndex(count() > 0 ? 0 : -1);
  if (count() == 0) setEditText(QString());
}

GivenNames GivenNamesBox::Names() const {
  GivenNames names;
  for (int i = 0; i < count() && i < kGivenNameCount; ++i) names[static_cast<size_t>(i)] = ToCp1252(itemText(i));
  return names;
}

void GivenNamesBox::CommitTyped() {
  QString typed = currentText();
  typed.remove(QLatin1Char(' '));
  typed.truncate(kStoredLimit);
  if (typed.isEmpty() || findText(typed, Qt::MatchExactly) >= 0) return;
  if (count() >= kGivenNameCount) {
    setEditText(QString());
    prompter_.ShowInformation(Msg(8180));
    return;
  }
  addItem(typed);
  setCurrentIndex(count() - 1);
  emit namesChanged();
}

void GivenNamesBox::RemoveSelected() {
  const int index = findText(currentText(), Qt::MatchExactly);
  if (index < 0) return;
  removeItem(index);
  setCurrentIndex(count() > 0 ? 0 : -1);
  if (count() == 0) setEditText(QString());
  emit namesChanged();
}

bool GivenNamesBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_Space:
        return true;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        CommitTyped();
        return true;
      case Qt::Key_Delete:
        RemoveSelected();
        return true;
      default:
        break;
    }
  }
  return QComboBox::eventFilter(watched, event);
}

void GivenNamesBox::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  // Opening the own list takes the focus only for a moment.
  if (event->reason() == Qt::PopupFocusReason) return;
  CommitTyped();
  emit left();
}

}  // namespace vl
