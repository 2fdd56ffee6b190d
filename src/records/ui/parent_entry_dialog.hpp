#pragma once
// The sub-window "Vater" / "Mutter" on a parent entry of a birth or baptism certificate.
#include <array>

#include "records/person_blocks.hpp"
#include "records/ui/person_block_dialog.hpp"

class QRadioButton;

namespace vl {

class ParentEntryDialog : public PersonBlockDialog {
  Q_OBJECT

 public:
  // title: "Vater" or "Mutter"; nameBit 2 or 4.
  ParentEntryDialog(const QString& title, CertificateRecord& record, const ParentEntryLayout& entry,
                    uint16_t nameBit, const CertificateServices& services, QWidget* parent = nullptr);

  // By stored value: 0 "verwitwet", 1 "geschieden", 2 "verheiratet", 3 "ledig", 4 "eheähnl. Gem.".
  QRadioButton* statusButton(int value) const { return status_.at(static_cast<size_t>(value)); }

 protected:
  void StoreOwnFields() override;

 private:
  int CheckedStatus() const;

  ParentEntryLayout entry_;
  std::array<QRadioButton*, 5> status_{};
};

}  // namespace vl
