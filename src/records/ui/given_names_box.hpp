#pragma once
// The given-name field of the entry windows: a combo box whose list holds the given names (at
// most five, each at most 19 characters, no blanks). Enter or leaving the field adds the typed
// name; Delete removes the selected one; the space key does nothing.
#include <QComboBox>

#include "common/prompter.hpp"
#include "dates/given_names.hpp"

namespace vl {

class GivenNamesBox : public QComboBox {
  Q_OBJECT

 public:
  GivenNamesBox(Prompter& prompter, QWidget* parent = nullptr);

  // Shows the names of a record (filled from the first; an empty one ends the list).
  void SetNames(const GivenNames& names);
  // The listed names, Windows-1252, in list order.
  GivenNames Names() const;
  bool IsEmpty() const { return count() == 0; }

  // Adds the typed text when it is neither empty nor listed yet; 8180 when five are listed.
  void CommitTyped();
  // Removes the selected name.
  void RemoveSelected();

 signals:
  // A name was added or removed (typing alone reports editTextChanged).
  void namesChanged();
  // The field lost the focus (after adding what was typed).
  void left();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  Prompter& prompter_;
};

}  // namespace vl
