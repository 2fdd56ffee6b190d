#pragma once
// The sub-window "Zeuge/Zeugin" on a witness entry (witnesses, godparents).
#include "records/person_blocks.hpp"
#include "records/ui/person_block_dialog.hpp"

namespace vl {

class WitnessEntryDialog : public PersonBlockDialog {
  Q_OBJECT

 public:
  // nameBit: 512, 1024, 2048 or 4096.
  WitnessEntryDialog(CertificateRecord& record, const WitnessEntryLayout& entry, uint16_t nameBit,
                     const CertificateServices& services, QWidget* parent = nullptr);

  QLineEdit* kinshipField() const { return kinship_; }

 protected:
  void StoreOwnFields() override;

 private:
  WitnessEntryLayout entry_;
  QLineEdit* kinship_;
};

}  // namespace vl
