#pragma once
// "Ort der Beschäftigung": the place where a profession is exercised, under the profession's text.
#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vl {

class ProfessionPlaceDialog : public QDialog {
  Q_OBJECT

 public:
  ProfessionPlaceDialog(const QString& profession, const QString& place, QWidget* parent = nullptr);

  // The place as a block's 30-byte field keeps it (Windows-1252, at most 29 characters).
  std::string storedPlace() const;

  QLabel* professionLabel() const { return profession_; }
  QLineEdit* placeField() const { return place_; }
  QPushButton* okButton() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* profession_;
  QLineEdit* place_;
  QPushButton* ok_;
};

}  // namespace vl
