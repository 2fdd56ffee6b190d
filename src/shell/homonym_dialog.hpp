#pragma once
// Litige ("Namensübereinstimmung"): which of the person cards that carry the same full name is
// meant, or a new card. The short identification shows the selected person.
#include <QDialog>
#include <string>
#include <vector>

#include "common/prompter.hpp"

class QLabel;
class QListWidget;
class QPushButton;

namespace vl {

class ChoiceIdentityWindow;
class PersonIndex;

class HomonymDialog : public QDialog {
  Q_OBJECT

 public:
  // persons: the open card file's cards, for the identification (may be null).
  HomonymDialog(const std::string& fullName, const std::vector<HomonymCandidate>& candidates,
                const PersonIndex* persons, Prompter& prompter, QWidget* parent = nullptr);

  // Shows the window modally; closing it without a choice refuses.
  HomonymAnswer Run();
  const HomonymAnswer& answer() const { return answer_; }

  QListWidget* list() const { return list_; }
  QLabel* countLabel() const { return count_; }
  QLabel* nameLabel() const { return name_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* addButton() const { return add_; }
  ChoiceIdentityWindow* identityWindow() const { return identity_; }

  // OK (also a double click): 8395, then the selected person.
  void accept() override;
  // "&Hinzufügen": 8396, then a new card.
  void AddNew();
  void reject() override;
  void done(int value) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void SelectionChanged();

  std::vector<HomonymCandidate> candidates_;
  const PersonIndex* persons_;
  Prompter& prompter_;
  HomonymAnswer answer_;
  QListWidget* list_;
  QLabel* count_;
  QLabel* name_;
  QPushButton* ok_;
  QPushButton* add_;
  ChoiceIdentityWindow* identity_;
};

}  // namespace vl
