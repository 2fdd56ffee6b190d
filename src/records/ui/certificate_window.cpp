#include "records/ui/certificate_window.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/ui/photo_frame.hpp"
#include "common/ui/qt_text.hpp"
#include "dates/date_format.hpp"
#include "dates/date_parse.hpp"
#include "dates/ui/date_line_edit.hpp"
#include "records/certificate_layouts.hpp"
#include "records/record_names.hpp"
#include "records/ui/entry_fields.hpp"
#include "records/ui/given_names_box.hpp"
#include "records/ui/parent_entry_dialog.hpp"
#include "records/ui/witness_entry_dialog.hpp"

namespace vl {
namespace {

constexpr QSize kPhotoSize(88, 130);
constexpr int kFatherCommand = 120;
constexpr int kMotherCommand = 121;

bool IsRejected(const QString& text) {
  const DateTextStatus status = ReadDateText(ToCp1252(text.trimmed())).status;
  return status != DateTextStatus::Accepted && status != DateTextStatus::Empty;
}

bool IsRejectedTime(const QString& text) {
  DateTimeValue probe;
  return ParseTime(probe, ToCp1252(text.trimmed()), nullptr) == kParseRejected;
}

}  // namespace

CertificateWindow::CertificateWindow(CertificatePlace& place, const CertificateServices& services, QWidget* parent)
    : QWidget(parent), place_(place), services_(services) {
  runSubWindow_ = [](QDialog& dialog) { return dialog.exec(); };
  form_ = new QGridLayout;
  form_->setColumnStretch(1, 1);
  form_->setColumnStretch(3, 1);
  side_ = new QGridLayout;
  ok_ = new QPushButton("&OK", this);
  ok_->setObjectName("ok");
  ok_->setEnabled(false);
  cancel_ = new QPushButton("&Abbrechen", this);
  cancel_->setObjectName("cancel");
  connect(ok_, &QPushButton::clicked, this, [this] { Confirm(true); });
  connect(cancel_, &QPushButton::clicked, this, &CertificateWindow::Cancel);
}

// ---- Bindings ---------------------------------------------------------------------------------

QLineEdit* CertificateWindow::BindText(TextField field, int maxChars, const char* name) {
  QLineEdit* edit = LimitedEdit(maxChars, name, this);
  texts_.push_back({edit, field});
  connect(edit, &QLineEdit::textChanged, this, [this] { MarkChanged(kChangedOther); });
  return edit;
}

QPlainTextEdit* CertificateWindow::BindNotes(TextField field, const char* name) {
  notes_ = new QPlainTextEdit(this);
  notes_->setObjectName(name);
  notes_->setTabChangesFocus(true);
  notesField_ = field;
  connect(notes_, &QPlainTextEdit::textChanged, this, [this] {
    const QString text = notes_->toPlainText();
    if (text.size() > field_limit::kNotes) {
      QTextCursor cursor = notes_->textCursor();
      notes_->setPlainText(text.left(field_limit::kNotes));
      cursor.setPosition(field_limit::kNotes);
      notes_->setTextCursor(cursor);
      return;
    }
    MarkChanged(kChangedOther);
  });
  return notes_;
}

QLineEdit* CertificateWindow::BindMainSurname(TextField field, U16Field link, bool keyPerson) {
  mainSurname_ = LimitedEdit(field_limit::kSurname, "surname", this);
  mainSurnameField_ = field;
  mainLink_ = link;
  mainIsKeyPerson_ = keyPerson;
  mainSurname_->installEventFilter(this);
  connect(mainSurname_, &QLineEdit::textChanged, this, [this] { MarkChanged(kChangedMainName); });
  connect(mainSurname_, &QLineEdit::editingFinished, this, &CertificateWindow::UpdateTitle);
  return mainSurname_;
}

GivenNamesBox* CertificateWindow::BindMainGivenNames(GivenNamesField field) {
  mainGivenNames_ = new GivenNamesBox(services_.prompter, this);
  mainGivenNames_->setObjectName("givenNames");
  mainGivenNamesField_ = field;
  connect(mainGivenNames_, &QComboBox::editTextChanged, this, [this] { MarkChanged(kChangedMainName); });
  connect(mainGivenNames_, &GivenNamesBox::namesChanged, this, [this] { MarkChanged(kChangedMainName); });
  connect(mainGivenNames_, &GivenNamesBox::left, this, &CertificateWindow::UpdateTitle);
  return mainGivenNames_;
}

DateLineEdit* CertificateWindow::BindDate(DateTimeField field, const char* dateName, QLineEdit** time,
                                          const char* timeName) {
  auto* date = new DateLineEdit(this);
  date->setObjectName(dateName);
  date->setMaxLength(field_limit::kDate);
  connect(date, &QLineEdit::textChanged, this, [this] { MarkChanged(kChangedOther); });
  QLineEdit* timeEdit = nullptr;
  if (time != nullptr) {
    timeEdit = TimeEdit(timeName, this);
    connect(timeEdit, &QLineEdit::textChanged, this, [this] { MarkChanged(kChangedOther); });
    *time = timeEdit;
  }
  dates_.push_back({date, timeEdit, field});
  return date;
}

QCheckBox* CertificateWindow::BindFlag(U16Field field, const QString& text, const char* name) {
  auto* box = new QCheckBox(text, this);
  box->setObjectName(name);
  flags_.push_back({box, field});
  connect(box, &QCheckBox::toggled, this, [this] { MarkChanged(kChangedOther); });
  return box;
}

void CertificateWindow::BindSex(ByteField field) {
  sexField_ = field;
  male_ = new QRadioButton("m", this);
  male_->setObjectName("male");
  female_ = new QRadioButton("w", this);
  female_->setObjectName("female");
  connect(male_, &QRadioButton::clicked, this, [this] { SetSex('H'); });
  connect(female_, &QRadioButton::clicked, this, [this] { SetSex('F'); });
}

void CertificateWindow::BindPhoto(TextField field) {
  photoField_ = field;
  photo_ = new PhotoFrame(services_.photoDir, this);
  photo_->SetPrompter(&services_.prompter);
  photo_->setMinimumSize(kPhotoSize);
  photo_->setFixedSize(kPhotoSize);
  connect(photo_, &PhotoFrame::photoRequested, this, &CertificateWindow::ChoosePhoto);
}

QPushButton* CertificateWindow::AddParentButton(const QString& text, const QString& title,
                                                const ParentEntryLayout& entry, uint16_t bit) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(bit == kChangedFatherName ? "father" : "mother");
  connect(button, &QPushButton::clicked, this, [this, title, entry, bit] {
    ParentEntryDialog dialog(title, Record(), entry, bit, services_, this);
    OpenSubWindow(dialog);
  });
  (bit == kChangedFatherName ? fatherButton_ : motherButton_) = button;
  return button;
}

QPushButton* CertificateWindow::AddWitnessButton(int number, const WitnessEntryLayout& entry) {
  auto* button = new QPushButton(QString::number(number), this);
  button->setObjectName(QString("witness%1").arg(number));
  button->setFixedWidth(button->fontMetrics().horizontalAdvance("00") + 20);
  const auto bit = static_cast<uint16_t>(kChangedWitness1Name << (number - 1));
  connect(button, &QPushButton::clicked, this, [this, entry, bit] {
    WitnessEntryDialog dialog(Record(), entry, bit, services_, this);
    OpenSubWindow(dialog);
  });
  witnessButtons_.push_back(button);
  return button;
}

int CertificateWindow::AddHeaderRows(const QString& officialLabel, const QString& officeLabel) {
  using namespace certificate_header;
  AddRow(*form_, 0, 0, officialLabel, BindText(kOfficial, field_limit::kHeaderText, "official"));
  AddRow(*form_, 0, 2, officeLabel, BindText(kOffice, field_limit::kHeaderText, "office"));
  AddRow(*form_, 1, 0, "Registernummer", BindText(kRegisterNumber, field_limit::kHeaderText, "registerNumber"));
  AddRow(*form_, 1, 2, "Quelle", BindText(kSource, field_limit::kHeaderText, "source"));
  return 2;
}

QHBoxLayout* CertificateWindow::SexRow() {
  auto* row = new QHBoxLayout;
  row->addWidget(male_);
  row->addWidget(female_);
  row->addStretch(1);
  return row;
}

void CertificateWindow::AddPersonButtons(const ParentEntryLayout& father, const ParentEntryLayout& mother,
                                         const std::array<WitnessEntryLayout, 4>& witnesses,
                                         const QString& witnessCaption) {
  side_->addWidget(AddParentButton("&Vater", "Vater", father, kChangedFatherName), 0, 0, 1, 4);
  side_->addWidget(AddParentButton("&Mutter", "Mutter", mother, kChangedMotherName), 1, 0, 1, 4);
  auto* caption = new QLabel(witnessCaption, this);
  caption->setObjectName("witnessCaption");
  side_->addWidget(caption, 2, 0, 1, 4);
  for (int i = 0; i < 4; ++i) side_->addWidget(AddWitnessButton(i + 1, witnesses[static_cast<size_t>(i)]), 3, i);
}

void CertificateWindow::FinishLayout() {
  // Room for a full name or place in every field, as on the paper forms.
  const int fieldWidth = fontMetrics().horizontalAdvance(QString(24, QChar('n')));
  form_->setColumnMinimumWidth(1, fieldWidth);
  form_->setColumnMinimumWidth(3, fieldWidth);
  if (notes_ != nullptr) notes_->setMinimumHeight(fontMetrics().lineSpacing() * 6);
  if (notes_ != nullptr) notes_->setMaximumHeight(fontMetrics().lineSpacing() * 8);
  auto* right = new QVBoxLayout;
  if (photo_ != nullptr) right->addWidget(photo_, 0, Qt::AlignHCenter);
  right->addLayout(side_);
  right->addStretch(1);
  right->addWidget(ok_);
  right->addWidget(cancel_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(form_, 1);
  layout->addSpacing(8);
  layout->addLayout(right);
  Fill();
}

// ---- Filling and reading ----------------------------------------------------------------------

void CertificateWindow::Fill() {
  filling_ = true;
  const CertificateRecord& record = Record();
  for (const TextBinding& text : texts_) ShowText(*text.edit, record, text.field);
  if (notes_ != nullptr) notes_->setPlainText(FromCp1252(record.Get(notesField_)));
  if (mainSurname_ != nullptr) mainSurname_->setText(FromCp1252(record.Get(mainSurnameField_)));
  if (mainGivenNames_ != nullptr) mainGivenNames_->SetNames(record.Get(mainGivenNamesField_));
  for (const DateBinding& date : dates_) {
    const DateTimeValue value = record.Get(date.field);
    date.date->setText(FromCp1252(FormatDate(value.Date())));
    if (date.time != nullptr) date.time->setText(FromCp1252(FormatTime(value)));
  }
  for (const FlagBinding& flag : flags_) flag.box->setChecked(record.Get(flag.field) == 1);
  if (male_ != nullptr) {
    const uint8_t sex = record.Get(sexField_);
    // Neither button for a sex the record does not know.
    male_->setAutoExclusive(false);
    female_->setAutoExclusive(false);
    male_->setChecked(sex == 'H');
    female_->setChecked(sex == 'F');
    male_->setAutoExclusive(true);
    female_->setAutoExclusive(true);
  }
  if (photo_ != nullptr) photo_->SetPhoto(record.Get(photoField_));
  FillOwn();
  filling_ = false;
  place_.Modified() = 0;
  ok_->setEnabled(false);
  UpdateTitle();
}

void CertificateWindow::ReadForm() {
  CertificateRecord& record = Record();
  for (const TextBinding& text : texts_) StoreText(*text.edit, record, text.field);
  if (notes_ != nullptr) record.Set(notesField_, StoredText(notes_->toPlainText(), notesField_.size));
  if (mainSurname_ != nullptr) record.Set(mainSurnameField_, StoredText(mainSurname_->text().trimmed(), mainSurnameField_.size));
  if (mainGivenNames_ != nullptr) {
    mainGivenNames_->CommitTyped();
    record.Set(mainGivenNamesField_, mainGivenNames_->Names());
  }
  for (const FlagBinding& flag : flags_) record.Set(flag.field, flag.box->isChecked() ? 1 : 0);
  ReadOwn();
}

std::vector<TypedDate> CertificateWindow::TypedDates() const {
  std::vector<TypedDate> typed;
  for (const DateBinding& date : dates_) {
    typed.push_back({date.field, ToCp1252(date.date->text().trimmed()),
                     date.time != nullptr ? ToCp1252(date.time->text().trimmed()) : std::string(),
                     date.time != nullptr});
  }
  return typed;
}

void CertificateWindow::UpdateTitle() {
  if (mainSurname_ == nullptr) return;
  CertificateRecord shown = Record();
  shown.Set(mainSurnameField_, StoredText(mainSurname_->text().trimmed(), mainSurnameField_.size));
  if (mainGivenNames_ != nullptr) shown.Set(mainGivenNamesField_, mainGivenNames_->Names());
  const QString title = QString::fromStdString(EntryWindowTitle(shown));
  if (windowTitle() != title) setWindowTitle(title);
}

// ---- Changes ----------------------------------------------------------------------------------

void CertificateWindow::MarkChanged(uint16_t bit) {
  if (filling_) return;
  place_.Modified() |= bit;
  ok_->setEnabled(true);
}

void CertificateWindow::SetSex(uint8_t sex) {
  if (Record().Get(sexField_) == sex) return;
  Record().Set(sexField_, sex);
  MarkChanged(kChangedOther);
}

void CertificateWindow::ChoosePhoto() {
  if (!services_.choosePhoto) return;
  std::optional<std::string> chosen = services_.choosePhoto(this);
  if (!chosen) return;
  Record().Set(photoField_, StoredText(FromCp1252(*chosen), photoField_.size));
  photo_->SetPhoto(Record().Get(photoField_));
  MarkChanged(kChangedOther);
}

void CertificateWindow::ChooseMainPerson() {
  if (!services_.choosePerson) return;
  PersonCard* person = services_.choosePerson(this);
  if (person == nullptr) return;
  mainSurname_->setText(FromCp1252(SurnameOf(*person)));
  if (mainGivenNames_ != nullptr) mainGivenNames_->SetNames(GivenNamesOf(*person));
  Record().Set(mainLink_, person->number);
  if (mainIsKeyPerson_) Record().SetKeyPerson(person->number);
  MarkChanged(kChangedMainName);
  UpdateTitle();
}

void CertificateWindow::OpenSubWindow(PersonBlockDialog& dialog) {
  if (runSubWindow_(dialog) != QDialog::Accepted || dialog.Changes() == 0) return;
  MarkChanged(dialog.Changes());
}

// ---- Commands ---------------------------------------------------------------------------------

bool CertificateWindow::Confirm(bool byUser) {
  ReadForm();
  uint16_t& word = place_.Modified();
  if (word == 0) return true;
  CertificateEntry entry{Record(), place_.Current(), word, TypedDates()};
  const CertificateSaveContext context{services_.card, services_.dataDir, services_.prompter, services_.clock,
                                       nullptr, services_.chartsChanged};
  const CertificateSaveResult result = services_.save ? services_.save(context, entry) : CertificateSaveResult{};
  if (!result.saved) {
    FocusRejectedDate();
    return false;
  }
  word = 0;
  ok_->setEnabled(false);
  place_.Current() = static_cast<int16_t>(result.slot);
  if (byUser) place_.StartNewRecord();
  return true;
}

// The save names no field; a date or time that cannot be read gets the focus back.
void CertificateWindow::FocusRejectedDate() {
  for (const DateBinding& date : dates_) {
    if (IsRejected(date.date->text())) {
      date.date->setFocus();
      return;
    }
    if (date.time != nullptr && IsRejectedTime(date.time->text())) {
      date.time->setFocus();
      return;
    }
  }
}

void CertificateWindow::Cancel() { place_.Close(); }

void CertificateWindow::RunChildCommand(int id) {
  if (id == kFatherCommand && fatherButton_ != nullptr) fatherButton_->click();
  if (id == kMotherCommand && motherButton_ != nullptr) motherButton_->click();
}

// ---- Events -----------------------------------------------------------------------------------

void CertificateWindow::paintEvent(QPaintEvent* event) {
  UpdateTitle();
  QWidget::paintEvent(event);
}

// The entry windows open in the top left corner of the client area.
void CertificateWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (placed_) return;
  if (auto* child = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    child->move(2, 2);
    placed_ = true;
  }
}

bool CertificateWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mainSurname_ && mainSurname_ != nullptr) {
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
      ChooseMainPerson();
      return true;
    }
    if (event->type() == QEvent::ContextMenu) return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace vl
