#pragma once
// Bapteme: the entry window of a baptism certificate (kind 3).
#include "records/ui/certificate_window.hpp"

namespace vl {

class BaptismWindow : public CertificateWindow {
  Q_OBJECT

 public:
  BaptismWindow(CertificatePlace& place, const CertificateServices& services, QWidget* parent = nullptr);

  QCheckBox* diedBox() const { return died_; }
  DateLineEdit* deathDateField() const { return deathDate_; }

 protected:
  void FillOwn() override;

 private:
  QCheckBox* died_;
  DateLineEdit* deathDate_;
};

}  // namespace vl
