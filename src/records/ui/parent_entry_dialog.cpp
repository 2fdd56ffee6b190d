#include "records/ui/parent_entry_dialog.hpp"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

#include "records/certificate_save.hpp"

namespace vl {
namespace {

BlockFields FieldsOf(const ParentEntryLayout& e) {
  return {e.Name(), e.link, e.profession, e.professionPlace, e.photo, e.residence, e.address, e.birthDate,
          e.birthPlace, e.age};
}

constexpr std::array<const char*, 5> kStatusTexts = {"verwitwet", "geschieden", "verheiratet", "ledig",
                                                     "eheähnl. Gem."};

}  // namespace

ParentEntryDialog::ParentEntryDialog(const QString& title, CertificateRecord& record, const ParentEntryLayout& entry,
                                     uint16_t nameBit, const CertificateServices& services, QWidget* parent)
    : PersonBlockDialog(record, FieldsOf(entry), nameBit, services, parent), entry_(entry) {
  setObjectName(title == "Vater" ? "Pere" : "Mere");
  setWindowTitle(title);
  auto* box = new QGroupBox(this);
  box->setObjectName("maritalStatus");
  auto* boxLayout = new QGridLayout(box);
  auto* group = new QButtonGroup(box);  // exclusive also when no button is checked
  const uint16_t stored = record.Get(entry.maritalStatus);
  for (size_t i = 0; i < status_.size(); ++i) {
    status_[i] = new QRadioButton(QString::fromUtf8(kStatusTexts[i]), box);
    status_[i]->setObjectName(QString("status%1").arg(i));
    group->addButton(status_[i], static_cast<int>(i));
    boxLayout->addWidget(status_[i], static_cast<int>(i % 3), static_cast<int>(i / 3));
    status_[i]->setChecked(stored == i);
  }
  Grid().addWidget(box, kOwnRow, 0, 1, 2);
  FinishFilling();
}

int ParentEntryDialog::CheckedStatus() const {
  for (size_t i = 0; i < status_.size(); ++i) {
    if (status_[i]->isChecked()) return static_cast<int>(i);
  }
  return -1;
}

void ParentEntryDialog::StoreOwnFields() {
  const int checked = CheckedStatus();
  if (checked < 0 || checked == record().Get(entry_.maritalStatus)) return;
  MarkChanged(kChangedOther);
  record().Set(entry_.maritalStatus, static_cast<uint16_t>(checked));
}

}  // namespace vl
