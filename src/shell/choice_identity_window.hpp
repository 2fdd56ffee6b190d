#pragma once
// Identite ("Kurzidentifikation"): the short identification of the person chosen in the choice
// dialog, shown beside it.
#include <QWidget>

#include "records/choice_entries.hpp"

class QLabel;

namespace vl {

class ChoiceIdentityWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ChoiceIdentityWindow(QWidget* parent = nullptr);

  // Every field empty for none.
  void ShowPerson(const PersonCard* person);

  QLabel* nameField() const { return name_; }
  QLabel* birthField() const { return birth_; }
  QLabel* baptismField() const { return baptism_; }
  QLabel* deathField() const { return death_; }
  QLabel* fatherField() const { return father_; }
  QLabel* motherField() const { return mother_; }
  QLabel* spouse1Field() const { return spouse1_; }
  QLabel* spouse2Field() const { return spouse2_; }

 private:
  QLabel* name_;
  QLabel* birth_;
  QLabel* baptism_;
  QLabel* death_;
  QLabel* father_;
  QLabel* mother_;
  QLabel* spouse1_;
  QLabel* spouse2_;
};

}  // namespace vl
