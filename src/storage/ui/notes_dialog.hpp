#pragma once
// Note: the working notes of the open card file.
#include <QDialog>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vl {

class NotesDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxBytes = 1999;

  // notes: Windows-1252 with CR LF line ends, as stored.
  explicit NotesDialog(const std::string& notes, QWidget* parent = nullptr);

  // The notes as stored: Windows-1252, CR LF line ends, at most 1999 bytes.
  std::string notes() const;

  QPlainTextEdit* editor() const { return editor_; }
  // "n von 1999 Zeichen".
  QString countText() const;
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void KeepWithinLimit();

  QPlainTextEdit* editor_;
  QLabel* count_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QString accepted_;
  bool adjusting_ = false;
};

// The stored bytes of a note text typed in the editor.
std::string StoredNotes(const QString& text);
QString EditableNotes(const std::string& stored);

}  // namespace vl
