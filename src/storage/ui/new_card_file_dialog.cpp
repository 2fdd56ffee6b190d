#include "storage/ui/new_card_file_dialog.hpp"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "common/ui/dialog_placement.hpp"
#include "common/ui/qt_text.hpp"
#include "common/ui/photo_frame.hpp"

namespace vl {
namespace {

QLineEdit* Field(QWidget* parent, const char* name, int length, int minimumChars) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setMaxLength(length);
  field->setMinimumWidth(field->fontMetrics().averageCharWidth() * minimumChars);
  return field;
}

}  // namespace

NewCardFileDialog::NewCardFileDialog(Prompter& prompter, std::filesystem::path photoDir, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
  setObjectName("Dossier_nouveau");
  setWindowTitle("Neue Kartei anlegen");
  setModal(true);

  title_ = Field(this, "title", kTitleLength, 50);
  name_ = Field(this, "name", kNameLength, 24);
  firstName_ = Field(this, "firstName", kFirstNameLength, 24);
  address_ = Field(this, "address", kAddressLength, 40);
  town_ = Field(this, "town", kTownLength, 24);
  photo_ = new PhotoFrame(std::move(photoDir), this);
  photo_->SetPrompter(&prompter_);
  photo_->SetPhoto({});
  photoHint_ = new QLabel("Rechte Maustaste: Foto wählen", this);
  photoHint_->setWordWrap(true);
  photoHint_->setAlignment(Qt::AlignCenter);
  photoHint_->setVisible(false);
  connect(photo_, &PhotoFrame::photoRequested, this, &NewCardFileDialog::ChoosePhoto);

  auto* titleForm = new QFormLayout;
  titleForm->addRow("&Titel", title_);

  auto* owner = new QGroupBox("Angelegt von:", this);
  auto* ownerForm = new QFormLayout(owner);
  ownerForm->addRow("&Name", name_);
  ownerForm->addRow("&Vorname", firstName_);
  ownerForm->addRow("A&dresse", address_);
  ownerForm->addRow("O&rt", town_);

  auto* fields = new QVBoxLayout;
  fields->addLayout(titleForm);
  fields->addWidget(owner);
  fields->addStretch(1);

  auto* photoColumn = new QVBoxLayout;
  photoColumn->addWidget(photo_, 1);
  photoColumn->addWidget(photoHint_);

  auto* body = new QHBoxLayout;
  body->addLayout(fields, 1);
  body->addLayout(photoColumn);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
  cancel_ = buttons->addButton("&Abbrechen", QDialogButtonBox::RejectRole);
  ok_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &NewCardFileDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &NewCardFileDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(buttons);
  title_->setFocus(Qt::OtherFocusReason);
}

void NewCardFileDialog::SetPhotoChooser(PhotoChooser chooser) {
  chooser_ = std::move(chooser);
  photoHint_->setVisible(static_cast<bool>(chooser_));
}

void NewCardFileDialog::ApplyTo(CardFileHeader& header) const {
  header.SetTitle(ToCp1252(title_->text()));
  header.SetOwnerName(ToCp1252(name_->text()));
  header.SetOwnerFirstName(ToCp1252(firstName_->text()));
  header.SetAddress(ToCp1252(address_->text()));
  header.SetTown(ToCp1252(town_->text()));
  header.SetPhoto(photo_->photo());
}

void NewCardFileDialog::accept() {
  if (title_->text().isEmpty()) {
    prompter_.ShowInformation(Msg(8061));
    title_->setFocus(Qt::OtherFocusReason);
    return;
  }
  if (name_->text().isEmpty()) {
    prompter_.ShowInformation(Msg(8062));
    name_->setFocus(Qt::OtherFocusReason);
    return;
  }
  QDialog::accept();
}

void NewCardFileDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) PlaceModalDialog(*this);
}

void NewCardFileDialog::ChoosePhoto() {
  if (!chooser_) return;
  if (auto name = chooser_(this)) photo_->SetPhoto(*name);
}

}  // namespace vl
