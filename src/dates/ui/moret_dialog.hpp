#pragma once
// MORET: the perpetual calendar, the weekday of any date.
#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace vl {

class DateLineEdit;

class MoretDialog : public QDialog {
  Q_OBJECT

 public:
  explicit MoretDialog(QWidget* parent = nullptr);

  DateLineEdit* dateField() const { return date_; }
  QString resultText() const;
  QPushButton* okButton() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void DateChanged();

  DateLineEdit* date_;
  QLabel* result_;
  QPushButton* ok_;
};

}  // namespace vl
