#pragma once
// Sauvegarde: whether and every how many minutes the card file is saved automatically.
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vl {

class AutoSaveDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kFieldLength = 4;

  AutoSaveDialog(bool enabled, int interval, QWidget* parent = nullptr);

  // The choice after OK: a disabled save has interval 0, text that is no number gives 0.
  bool enabled() const;
  int interval() const;

  QCheckBox* enabledBox() const { return enabled_; }
  QLineEdit* intervalField() const { return interval_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Toggled(bool checked);

  QCheckBox* enabled_;
  QLineEdit* interval_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QString keptText_;
};

}  // namespace vl
