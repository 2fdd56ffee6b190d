#include "records/ui/baptism_window.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "dates/ui/date_line_edit.hpp"
#include "records/certificate_layouts.hpp"
#include "records/ui/entry_fields.hpp"
#include "records/ui/given_names_box.hpp"

namespace vl {

BaptismWindow::BaptismWindow(CertificatePlace& place, const CertificateServices& services, QWidget* parent)
    : CertificateWindow(place, services, parent) {
  using namespace baptism_record;
  setObjectName("Bapteme");
  QGridLayout& form = Form();
  int row = AddHeaderRows("Pfarrer/Vikar", "Gemeinde");
  BindSex(kSex);
  AddRow(form, row, 0, "Nr.", BindText(kNumberText, field_limit::kNumberText, "numberText"));
  form.addLayout(SexRow(), row++, 3);
  AddRow(form, row, 0, "Name", BindMainSurname(kSurname, kChildLink, true));
  AddRow(form, row++, 2, "Vorname(n)", BindMainGivenNames(kGivenNames));
  QLineEdit* time = nullptr;
  AddRow(form, row, 0, "Taufdatum", BindDate(kBaptism, "baptismDate", &time, "baptismTime"));
  AddRow(form, row++, 2, "Uhrzeit", time);
  QLineEdit* eventPlace = BindText(kBaptismPlace, field_limit::kPlace, "baptismPlace");
  OfferNames(*eventPlace, services.card.places);
  AddRow(form, row++, 0, "Ort", eventPlace);
  AddRow(form, row++, 0, "Adresse", BindText(kAddress, field_limit::kAddress, "address"), 3);

  auto* flags = new QHBoxLayout;
  flags->addWidget(BindFlag(kLegitimate, " ehelich", "legitimate"));
  flags->addWidget(BindFlag(kEmergencyBaptism, " Nottaufe", "emergencyBaptism"));
  flags->addStretch(1);
  form.addLayout(flags, row++, 1, 1, 3);
  died_ = BindFlag(kDied, " Gestorben", "died");
  deathDate_ = BindDate(kDeathDate, "deathDate");
  form.addWidget(died_, row, 1);
  AddRow(form, row++, 2, "am", deathDate_);
  // The "am" date belongs to the flag: emptied whenever it is toggled, open only while it is set.
  connect(died_, &QCheckBox::toggled, this, [this](bool checked) {
    if (Filling()) return;
    deathDate_->clear();
    deathDate_->setEnabled(checked);
  });
  AddRow(form, row++, 0, "Notizen", BindNotes(kNotes, "notes"), 3);
  BindPhoto(kPhoto);
  AddPersonButtons(kFather, kMother, kGodparents, "Taufpaten");
  FinishLayout();
}

void BaptismWindow::FillOwn() { deathDate_->setEnabled(died_->isChecked()); }

}  // namespace vl
