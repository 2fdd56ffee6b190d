#pragma once
// Objet: the documents attached to a person card. Works on a copy of the list and gives it back
// in order on OK, only when something changed.
#include <QDialog>
#include <QString>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <vector>

#include "common/prompter.hpp"
#include "storage/modified_flag.hpp"
#include "storage/person_card.hpp"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vl {

class ObjectsDialog : public QDialog {
  Q_OBJECT

 public:
  // Asks for the file to attach, starting at `start`; empty when none was chosen.
  using FileAsker = std::function<QString(QWidget* owner, const QString& start, const QString& filter)>;
  // Opens a file with the desktop's application for it; false when there is none.
  using Opener = std::function<bool(const QUrl& file)>;

  ObjectsDialog(PersonCard& person, ModifiedFlag& modified, std::filesystem::path objectDir, Prompter& prompter,
                QWidget* parent = nullptr);

  void SetFileAsker(FileAsker asker) { askFile_ = std::move(asker); }
  void SetOpener(Opener opener) { open_ = std::move(opener); }

  const std::vector<AttachedDocument>& documents() const { return documents_; }
  // True after an OK that gave the person a changed list.
  bool changed() const { return changed_; }
  QLabel* nameLabel() const { return name_; }
  QListWidget* descriptionList() const { return list_; }
  QLineEdit* descriptionField() const { return description_; }
  QPushButton* addButton() const { return add_; }
  QPushButton* removeButton() const { return remove_; }
  QPushButton* openButton() const { return openButton_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

  void AddDocument();
  void RemoveDocument();
  void OpenDocument();
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Refill(int select);
  void ShowDescription(int row);
  void TakeDescription();

  PersonCard& person_;
  ModifiedFlag& modified_;
  std::filesystem::path objectDir_;
  Prompter& prompter_;
  std::vector<AttachedDocument> documents_;
  QString lastChosen_;
  FileAsker askFile_;
  Opener open_;
  int shownRow_ = -1;
  bool changed_ = false;  // the entry whose description the field shows
  QLabel* name_;
  QListWidget* list_;
  QLineEdit* description_;
  QPushButton* add_;
  QPushButton* remove_;
  QPushButton* openButton_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

// Edits the attached documents of a saved person card; true when the list changed (the card
// file is then marked as changed).
bool EditDocuments(QWidget* parent, PersonCard& person, ModifiedFlag& modified, const std::filesystem::path& objectDir,
                   Prompter& prompter);

}  // namespace vl
