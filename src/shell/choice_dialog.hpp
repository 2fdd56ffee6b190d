#pragma once
// Choix: picks a stored certificate or a person card, to open or to delete. The short
// identification of the current person stands beside it.
#include <QDialog>
#include <filesystem>

#include "common/clock.hpp"
#include "common/prompter.hpp"
#include "records/certificate_deletion.hpp"
#include "records/choice_entries.hpp"
#include "storage/card_file.hpp"

class QLabel;
class QListWidget;
class QPushButton;

namespace vl {

class ChoiceIdentityWindow;

struct ChoiceResult {
  // The chosen slot (certificate kinds) or 1 (person kinds); -1 when nothing was chosen, the
  // question was answered no, or the dialog was cancelled.
  int value = -1;
  // The chosen person card, or the key person of the chosen certificate (may be none).
  PersonCard* person = nullptr;
  // Delete mode for certificates: whom the deletion concerns.
  CertificatePersons persons;
};

// Where the dialog reads its entries and whom it asks.
struct ChoiceSources {
  CardFile& card;
  std::filesystem::path dataDir;
  Prompter& prompter;
  const Clock& clock;
};

class ChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  // parameter: kChoiceOpenMode for opening, or 0 for deleting, plus the kind.
  ChoiceDialog(const ChoiceSources& sources, int parameter, QWidget* parent = nullptr);

  // Shows the dialog modally and returns what was chosen.
  ChoiceResult Run();
  const ChoiceResult& result() const { return result_; }

  QListWidget* list() const { return list_; }
  QLabel* listLabel() const { return listLabel_; }
  QLabel* countLabel() const { return countLabel_; }
  QString countText() const;
  ChoiceIdentityWindow* identityWindow() const { return identity_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  PersonCard* currentPerson() const { return currentPerson_; }
  int currentSlot() const { return currentSlot_; }

  // OK, by mode and kind; also a double click.
  void accept() override;
  // "&Abbrechen": -1.
  void reject() override;
  void done(int value) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Fill();
  void SelectionChanged();
  ChoiceResult Decide();

  ChoiceSources sources_;
  ChoiceParameter parameter_;
  std::vector<ChoiceEntry> entries_;
  QListWidget* list_;
  QLabel* listLabel_;
  QLabel* countLabel_;
  QLabel* count_;
  QPushButton* ok_;
  QPushButton* cancel_;
  ChoiceIdentityWindow* identity_;
  PersonCard* currentPerson_ = nullptr;
  int currentSlot_ = -1;
  uint16_t currentKeyPerson_ = 0;
  ChoiceResult result_;
};

}  // namespace vl
