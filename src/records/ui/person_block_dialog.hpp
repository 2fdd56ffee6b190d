#pragma once
// The common part of the sub-windows "Vater"/"Mutter" (parent entry) and "Zeuge/Zeugin"
// (witness entry): names, profession with its place, residence, address, birth date and place,
// age and photo, with the checks and copying of OK.
#include <QDialog>
#include <cstdint>
#include <optional>
#include <string>

#include "records/certificate_record.hpp"
#include "records/ui/certificate_window_host.hpp"

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace vl {

class DateLineEdit;
class GivenNamesBox;
class PhotoFrame;

// The fields that parent and witness entries share, wherever they lie in the block.
struct BlockFields {
  NameFields name;
  U16Field link;
  TextField profession;
  TextField professionPlace;
  TextField photo;
  TextField residence;
  TextField address;
  DateTimeField birthDate;
  TextField birthPlace;
  I16Field age;
};

class PersonBlockDialog : public QDialog {
  Q_OBJECT

 public:
  // nameBit: the modification bit of the block's names (2, 4, 512 ... 4096).
  PersonBlockDialog(CertificateRecord& record, const BlockFields& fields, uint16_t nameBit,
                    const CertificateServices& services, QWidget* parent = nullptr);

  // The bits this window set; merged into the entry window's word when it closes with OK.
  uint16_t Changes() const { return changes_; }

  QLineEdit* surnameField() const { return surname_; }
  GivenNamesBox* givenNamesField() const { return givenNames_; }
  QLineEdit* professionField() const { return profession_; }
  QPushButton* professionPlaceButton() const { return professionPlaceButton_; }
  QLineEdit* residenceField() const { return residence_; }
  QLineEdit* addressField() const { return address_; }
  DateLineEdit* birthDateField() const { return birthDate_; }
  QLineEdit* birthPlaceField() const { return birthPlace_; }
  QLineEdit* ageField() const { return age_; }
  PhotoFrame* photoFrame() const { return photoFrame_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  const std::string& professionPlace() const { return professionPlace_; }

  // OK: 8120, the date, the age, then copying; the window stays open after a refusal.
  void accept() override;
  // A right click into the surname: the person chooser fills the names and the link.
  void ChoosePerson();
  // A right click into the photo frame.
  void ChoosePhoto();
  // The "..." button: "Ort der Beschäftigung".
  void EditProfessionPlace();

 protected:
  // The form grid (label column 0, field column 1) and the row kept for the subclass's own
  // fields, between the address and the birth date.
  QGridLayout& Grid() { return *grid_; }
  static constexpr int kOwnRow = 5;
  void MarkChanged(uint16_t bit) { changes_ |= bit; }
  void WatchOther(QLineEdit* edit);
  // Fills the common fields; the subclass fills its own and then calls FinishFilling.
  void FinishFilling() { filling_ = false; }
  bool Filling() const { return filling_; }
  CertificateRecord& record() { return record_; }
  const CertificateServices& services() const { return services_; }

  // The subclass's own checks and copying (marital status, kinship).
  virtual bool CheckOwnFields() { return true; }
  virtual void StoreOwnFields() {}

 private:
  void Fill();
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  CertificateRecord& record_;
  BlockFields fields_;
  uint16_t nameBit_;
  const CertificateServices& services_;
  uint16_t changes_ = 0;
  bool filling_ = true;
  std::string professionPlace_;
  std::string photo_;
  std::optional<uint16_t> chosenLink_;  // a person card chosen for the names

  QGridLayout* grid_;
  QLineEdit* surname_;
  GivenNamesBox* givenNames_;
  QLineEdit* profession_;
  QPushButton* professionPlaceButton_;
  QLineEdit* residence_;
  QLineEdit* address_;
  DateLineEdit* birthDate_;
  QLineEdit* birthPlace_;
  QLineEdit* age_;
  PhotoFrame* photoFrame_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace vl
