#include "storage/ui/notes_dialog.hpp"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTextCursor>
#include <QVBoxLayout>

#include "common/ui/dialog_placement.hpp"
#include "common/ui/qt_text.hpp"

namespace vl {

std::string StoredNotes(const QString& text) {
  QString crlf = text;
  crlf.replace("\r\n", "\n");
  crlf.replace("\n", "\r\n");
  return ToCp1252(crlf);
}

QString EditableNotes(const std::string& stored) {
  QString text = FromCp1252(stored);
  text.replace("\r\n", "\n");
  return text;
}

NotesDialog::NotesDialog(const std::string& notes, QWidget* parent) : QDialog(parent) {
  setObjectName("Note");
  setWindowTitle("Arbeitsnotizen");
  setModal(true);

  editor_ = new QPlainTextEdit(this);
  editor_->setObjectName("notes");
  editor_->setTabChangesFocus(true);
  editor_->setMinimumSize(editor_->fontMetrics().averageCharWidth() * 64, editor_->fontMetrics().height() * 16);
  std::string start = notes.substr(0, kMaxBytes);
  accepted_ = EditableNotes(start);
  editor_->setPlainText(accepted_);
  count_ = new QLabel(this);
  count_->setAlignment(Qt::AlignRight);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
  cancel_ = buttons->addButton("&Abbrechen", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(editor_, &QPlainTextEdit::textChanged, this, &NotesDialog::KeepWithinLimit);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(editor_, 1);
  layout->addWidget(count_);
  layout->addWidget(buttons);
  KeepWithinLimit();
  editor_->setFocus(Qt::OtherFocusReason);
}

std::string NotesDialog::notes() const {
  std::string stored = StoredNotes(editor_->toPlainText());
  if (stored.size() > kMaxBytes) stored.resize(kMaxBytes);
  return stored;
}

QString NotesDialog::countText() const { return count_->text(); }

void NotesDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) PlaceModalDialog(*this);
}

// Typing or pasting beyond the limit is undone, so the notes never grow past what the file holds.
void NotesDialog::KeepWithinLimit() {
  if (adjusting_) return;
  const QString text = editor_->toPlainText();
  size_t bytes = StoredNotes(text).size();
  if (bytes > kMaxBytes) {
    adjusting_ = true;
    const int cursor = std::min<int>(editor_->textCursor().position(), static_cast<int>(accepted_.size()));
    editor_->setPlainText(accepted_);
    QTextCursor c = editor_->textCursor();
    c.setPosition(cursor);
    editor_->setTextCursor(c);
    adjusting_ = false;
    bytes = StoredNotes(accepted_).size();
  } else {
    accepted_ = text;
  }
  count_->setText(QString("%1 von %2 Zeichen").arg(bytes).arg(kMaxBytes));
}

}  // namespace vl
