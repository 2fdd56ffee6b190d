#include "shell/qt_prompter.hpp"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "shell/homonym_dialog.hpp"

namespace vl {
namespace {

QString Title(int id) {
  const std::string_view text = MessageText(id);
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

struct ButtonLabel {
  QMessageBox::StandardButton button;
  const char* text;
};

// The first button is the default unless another is named.
QMessageBox::StandardButton Run(QWidget* owner, QMessageBox::Icon icon, int titleId, const std::string& text,
                                std::initializer_list<ButtonLabel> buttons, QMessageBox::StandardButton escape,
                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) {
  QMessageBox box(icon, Title(titleId), QString::fromUtf8(text.c_str()), QMessageBox::NoButton, owner);
  for (const ButtonLabel& label : buttons) box.addButton(label.button)->setText(label.text);
  box.setDefaultButton(defaultButton != QMessageBox::NoButton ? defaultButton : buttons.begin()->button);
  box.setEscapeButton(escape);
  // A question during a long operation must not wear the wait cursor.
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int answer = box.exec();
  if (busy) QApplication::restoreOverrideCursor();
  return static_cast<QMessageBox::StandardButton>(answer);
}

}  // namespace

QWidget* QtPrompter::Owner() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return fallbackParent_;
}

void QtPrompter::ShowError(const Message& message) {
  Run(Owner(), QMessageBox::Critical, 8002, message.text, {{QMessageBox::Ok, "OK"}}, QMessageBox::Ok);
}

void QtPrompter::ShowInformation(const Message& message) {
  Run(Owner(), QMessageBox::Information, 8003, message.text, {{QMessageBox::Ok, "OK"}}, QMessageBox::Ok);
}

bool QtPrompter::AskYesNo(const Message& message) {
  return Run(Owner(), QMessageBox::Question, 8001, message.text, {{QMessageBox::Yes, "&Ja"}, {QMessageBox::No, "&Nein"}},
             QMessageBox::No) == QMessageBox::Yes;
}

bool QtPrompter::AskYesNoDefaultNo(const Message& message) {
  return Run(Owner(), QMessageBox::Question, 8001, message.text,
             {{QMessageBox::Yes, "&Ja"}, {QMessageBox::No, "&Nein"}}, QMessageBox::No,
             QMessageBox::No) == QMessageBox::Yes;
}

bool QtPrompter::AskContinue(const Message& message) {
  return Run(Owner(), QMessageBox::Question, 8001, ContinueBoxText(message),
             {{QMessageBox::Ok, "OK"}, {QMessageBox::Cancel, "Abbrechen"}}, QMessageBox::Cancel) == QMessageBox::Ok;
}

HomonymAnswer QtPrompter::ChooseHomonym(std::string_view /*role*/, const std::string& fullName,
                                        const std::vector<HomonymCandidate>& candidates) {
  HomonymDialog dialog(fullName, candidates, persons_, *this, Owner());
  return dialog.Run();
}

void QtPrompter::SetStatusText(const std::string& text) {
  if (statusSink_) statusSink_(text);
}

}  // namespace vl
