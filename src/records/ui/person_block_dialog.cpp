#include "records/ui/person_block_dialog.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/dialog_placement.hpp"
#include "common/ui/photo_frame.hpp"
#include "common/ui/qt_text.hpp"
#include "dates/date_format.hpp"
#include "dates/date_parse.hpp"
#include "dates/ui/date_line_edit.hpp"
#include "records/certificate_save.hpp"
#include "records/plausibility_checks.hpp"
#include "records/ui/entry_fields.hpp"
#include "records/ui/given_names_box.hpp"
#include "records/ui/profession_place_dialog.hpp"

namespace vl {
namespace {

constexpr QSize kPhotoSize(88, 130);

}  // namespace

PersonBlockDialog::PersonBlockDialog(CertificateRecord& record, const BlockFields& fields, uint16_t nameBit,
                                     const CertificateServices& services, QWidget* parent)
    : QDialog(parent), record_(record), fields_(fields), nameBit_(nameBit), services_(services) {
  setModal(true);
  surname_ = LimitedEdit(field_limit::kSurname, "surname", this);
  surname_->installEventFilter(this);
  givenNames_ = new GivenNamesBox(services.prompter, this);
  givenNames_->setObjectName("givenNames");
  profession_ = LimitedEdit(field_limit::kProfession, "profession", this);
  professionPlaceButton_ = new QPushButton("...", this);
  professionPlaceButton_->setObjectName("professionPlaceButton");
  professionPlaceButton_->setAutoDefault(false);
  professionPlaceButton_->setFixedWidth(professionPlaceButton_->fontMetrics().horizontalAdvance("...") + 16);
  residence_ = LimitedEdit(field_limit::kPlace, "residence", this);
  address_ = LimitedEdit(field_limit::kAddress, "address", this);
  birthDate_ = new DateLineEdit(this);
  birthDate_->setObjectName("birthDate");
  birthDate_->setMaxLength(field_limit::kDate);
  birthPlace_ = LimitedEdit(field_limit::kPlace, "birthPlace", this);
  age_ = NumberEdit(field_limit::kAge, "age", this);
  OfferNames(*profession_, services.card.professions);
  OfferNames(*residence_, services.card.places);
  OfferNames(*birthPlace_, services.card.places);
  photoFrame_ = new PhotoFrame(services.photoDir, this);
  photoFrame_->SetPrompter(&services.prompter);
  photoFrame_->setMinimumSize(kPhotoSize);
  photoFrame_->setFixedSize(kPhotoSize);
  ok_ = new QPushButton("&OK", this);
  ok_->setObjectName("ok");
  ok_->setDefault(true);
  cancel_ = new QPushButton("&Abbrechen", this);
  cancel_->setObjectName("cancel");
  cancel_->setAutoDefault(false);

  auto* professionRow = new QHBoxLayout;
  professionRow->addWidget(profession_, 1);
  professionRow->addWidget(professionPlaceButton_);
  auto* professionBox = new QWidget(this);
  professionBox->setLayout(professionRow);
  professionRow->setContentsMargins(0, 0, 0, 0);

  auto* grid = grid_ = new QGridLayout;
  AddRow(*grid, 0, 0, "Name", surname_);
  AddRow(*grid, 1, 0, "Vorname(n)", givenNames_);
  AddRow(*grid, 2, 0, "Beruf", professionBox);
  AddRow(*grid, 3, 0, "Ort", residence_);
  AddRow(*grid, 4, 0, "Adresse", address_);
  AddRow(*grid, 6, 0, "Geboren am", birthDate_);
  AddRow(*grid, 7, 0, "in", birthPlace_);
  AddRow(*grid, 8, 0, "Alter", age_);
  age_->setMaximumWidth(age_->fontMetrics().horizontalAdvance("0000") + 16);
  grid->addWidget(photoFrame_, 0, 2, 5, 1, Qt::AlignTop | Qt::AlignRight);
  grid->setColumnMinimumWidth(1, surname_->fontMetrics().horizontalAdvance(QString(30, QChar('n'))));
  grid->setColumnStretch(1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, &PersonBlockDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &PersonBlockDialog::reject);
  connect(professionPlaceButton_, &QPushButton::clicked, this, &PersonBlockDialog::EditProfessionPlace);
  connect(photoFrame_, &PhotoFrame::photoRequested, this, &PersonBlockDialog::ChoosePhoto);
  auto nameChanged = [this] {
    if (!filling_) changes_ |= nameBit_;
  };
  connect(surname_, &QLineEdit::textChanged, this, nameChanged);
  connect(givenNames_, &QComboBox::editTextChanged, this, nameChanged);
  connect(givenNames_, &GivenNamesBox::namesChanged, this, nameChanged);
  for (QLineEdit* edit : {profession_, residence_, address_, static_cast<QLineEdit*>(birthDate_), birthPlace_, age_}) {
    WatchOther(edit);
  }
  Fill();
}

void PersonBlockDialog::WatchOther(QLineEdit* edit) {
  connect(edit, &QLineEdit::textChanged, this, [this] {
    if (!filling_) changes_ |= kChangedOther;
  });
}

void PersonBlockDialog::Fill() {
  surname_->setText(FromCp1252(record_.Get(fields_.name.surname)));
  givenNames_->SetNames(record_.Get(fields_.name.givenNames));
  ShowText(*profession_, record_, fields_.profession);
  ShowText(*residence_, record_, fields_.residence);
  ShowText(*address_, record_, fields_.address);
  birthDate_->setText(FromCp1252(FormatDate(record_.Get(fields_.birthDate).Date())));
  ShowText(*birthPlace_, record_, fields_.birthPlace);
  age_->setText(SmallNumberText(record_.Get(fields_.age)));
  professionPlace_ = record_.Get(fields_.professionPlace);
  photo_ = record_.Get(fields_.photo);
  photoFrame_->SetPhoto(photo_);
}

void PersonBlockDialog::accept() {
  if (!surname_->text().trimmed().isEmpty() && givenNames_->IsEmpty()) {
    services_.prompter.ShowInformation(Msg(8120));
    givenNames_->setFocus();
    return;
  }
  DateTimeValue birth = record_.Get(fields_.birthDate);
  if (ParseDate(birth, ToCp1252(birthDate_->text().trimmed()), &services_.prompter) == kParseRejected) {
    birthDate_->setFocus();
    return;
  }
  if (!CheckAgeField(ToCp1252(age_->text().trimmed()), services_.prompter)) {
    age_->setFocus();
    return;
  }
  if (!CheckOwnFields()) return;
  record_.Set(fields_.name.surname, StoredText(surname_->text().trimmed(), fields_.name.surname.size));
  record_.Set(fields_.name.givenNames, givenNames_->Names());
  StoreText(*profession_, record_, fields_.profession);
  record_.Set(fields_.professionPlace, professionPlace_);
  StoreText(*residence_, record_, fields_.residence);
  StoreText(*address_, record_, fields_.address);
  record_.Set(fields_.birthDate, birth);
  StoreText(*birthPlace_, record_, fields_.birthPlace);
  record_.Set(fields_.age, SmallNumberValue(age_->text()));
  if (photo_ != record_.Get(fields_.photo)) changes_ |= kChangedOther;
  record_.Set(fields_.photo, photo_);
  if (chosenLink_) record_.Set(fields_.link, *chosenLink_);
  StoreOwnFields();
  if (changes_ != 0) {
    services_.card.places.Add(record_.Get(fields_.residence));
    services_.card.places.Add(record_.Get(fields_.birthPlace));
    services_.card.professions.Add(record_.Get(fields_.profession));
  }
  QDialog::accept();
}

void PersonBlockDialog::EditProfessionPlace() {
  ProfessionPlaceDialog dialog(profession_->text(), FromCp1252(professionPlace_), this);
  if (dialog.exec() != QDialog::Accepted) return;
  professionPlace_ = dialog.storedPlace();
  services_.card.places.Add(professionPlace_);
  changes_ |= kChangedOther;
}

void PersonBlockDialog::ChoosePhoto() {
  if (!services_.choosePhoto) return;
  std::optional<std::string> chosen = services_.choosePhoto(this);
  if (!chosen) return;
  photo_ = StoredText(FromCp1252(*chosen), fields_.photo.size);
  photoFrame_->SetPhoto(photo_);
  changes_ |= kChangedOther;
}

void PersonBlockDialog::ChoosePerson() {
  if (!services_.choosePerson) return;
  PersonCard* person = services_.choosePerson(this);
  if (person == nullptr) return;
  surname_->setText(FromCp1252(SurnameOf(*person)));
  givenNames_->SetNames(GivenNamesOf(*person));
  chosenLink_ = person->number;
  changes_ |= nameBit_;
}

void PersonBlockDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  PlaceModalDialog(*this);
}

bool PersonBlockDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == surname_ && event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    ChoosePerson();
    return true;
  }
  if (watched == surname_ && event->type() == QEvent::ContextMenu) return true;
  return QDialog::eventFilter(watched, event);
}

}  // namespace vl
