#pragma once
// Liste_choix: picks a text from the place or profession list; can delete entries.
#include <QDialog>
#include <string>

#include "common/prompter.hpp"
#include "storage/name_list.hpp"

class QLabel;
class QListWidget;
class QPushButton;

namespace vl {

enum class NameListKind { Places, Professions };

class ListChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  ListChoiceDialog(NameList& list, NameListKind kind, Prompter& prompter, QWidget* parent = nullptr);

  // The text chosen with OK (Windows-1252); empty otherwise.
  const std::string& chosenText() const { return chosen_; }

  QListWidget* list() const { return list_; }
  QString countText() const;
  QPushButton* okButton() const { return ok_; }
  QPushButton* deleteButton() const { return delete_; }
  QPushButton* cancelButton() const { return cancel_; }

  // OK: 1 with a selection (the text is kept), else 0.
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void DeleteSelected();
  void ShowCount();

  NameList& names_;
  Prompter& prompter_;
  QListWidget* list_;
  QLabel* count_;
  QPushButton* ok_;
  QPushButton* delete_;
  QPushButton* cancel_;
  std::string chosen_;
};

}  // namespace vl
