#include "records/ui/witness_entry_dialog.hpp"

#include <QGridLayout>
#include <QLineEdit>

#include "records/ui/entry_fields.hpp"

namespace vl {
namespace {

BlockFields FieldsOf(const WitnessEntryLayout& e) {
  return {e.Name(), e.link, e.profession, e.professionPlace, e.photo, e.residence, e.address, e.birthDate,
          e.birthPlace, e.age};
}

}  // namespace

WitnessEntryDialog::WitnessEntryDialog(CertificateRecord& record, const WitnessEntryLayout& entry, uint16_t nameBit,
                                       const CertificateServices& services, QWidget* parent)
    : PersonBlockDialog(record, FieldsOf(entry), nameBit, services, parent), entry_(entry) {
  setObjectName("Temoin");
  setWindowTitle("Zeuge/Zeugin");
  kinship_ = NumberEdit(field_limit::kKinship, "kinship", this);
  kinship_->setText(SmallNumberText(record.Get(entry.kinshipDegree)));
  kinship_->setMaximumWidth(kinship_->fontMetrics().horizontalAdvance("0000") + 16);
  AddRow(Grid(), kOwnRow, 0, "Verwandtschaftsgrad", kinship_);
  Grid().setAlignment(kinship_, Qt::AlignLeft);
  WatchOther(kinship_);
  FinishFilling();
}

void WitnessEntryDialog::StoreOwnFields() { record().Set(entry_.kinshipDegree, SmallNumberValue(kinship_->text())); }

}  // namespace vl
