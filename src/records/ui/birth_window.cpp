#include "records/ui/birth_window.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "dates/ui/date_line_edit.hpp"
#include "records/certificate_layouts.hpp"
#include "records/ui/entry_fields.hpp"
#include "records/ui/given_names_box.hpp"

namespace vl {

BirthWindow::BirthWindow(CertificatePlace& place, const CertificateServices& services, QWidget* parent)
    : CertificateWindow(place, services, parent) {
  using namespace birth_record;
  setObjectName("Naissance");
  QGridLayout& form = Form();
  int row = AddHeaderRows("Standesbeamter", "Stadt/Gemeinde");
  BindSex(kSex);
  AddRow(form, row, 0, "Nr.", BindText(kNumberText, field_limit::kNumberText, "numberText"));
  form.addLayout(SexRow(), row++, 3);
  AddRow(form, row, 0, "Name", BindMainSurname(kSurname, kChildLink, true));
  AddRow(form, row++, 2, "Vorname(n)", BindMainGivenNames(kGivenNames));
  QLineEdit* time = nullptr;
  AddRow(form, row, 0, "Geburtsdatum", BindDate(kBirth, "birthDate", &time, "birthTime"));
  AddRow(form, row++, 2, "Uhrzeit", time);
  QLineEdit* eventPlace = BindText(kBirthPlace, field_limit::kPlace, "birthPlace");
  OfferNames(*eventPlace, services.card.places);
  AddRow(form, row++, 0, "Ort", eventPlace);
  AddRow(form, row++, 0, "Adresse", BindText(kAddress, field_limit::kAddress, "address"), 3);
  AddRow(form, row++, 0, "Notizen", BindNotes(kNotes, "notes"), 3);
  BindPhoto(kPhoto);
  AddPersonButtons(kFather, kMother, kWitnesses, "Zeugen");
  FinishLayout();
}

}  // namespace vl
