#include "storage/ui/open_card_file_dialog.hpp"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "common/file_names.hpp"
#include "common/ui/dialog_placement.hpp"
#include "common/ui/qt_text.hpp"
#include "common/ui/photo_frame.hpp"

namespace vl {
namespace {

QLabel* Value(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 34);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

// The stamp keeps years since 1900; shown as such, 2024 would read "124".
QString StampText(const TimeStamp& s) {
  return QString::fromStdString(
      FormatPrintf(std::string(MessageText(8445)), s.day, s.month, s.year + 1900, s.hour, s.minute));
}

OpenCardFileDialog::OpenCardFileDialog(const StoreContext& ctx, std::filesystem::path photoDir, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
  setObjectName("Dossier_ouvrir");
  setWindowTitle("Kartei öffnen");
  setModal(true);

  list_ = new QListWidget(this);
  list_->setObjectName("cardFiles");
  list_->setMinimumWidth(list_->fontMetrics().averageCharWidth() * 40);
  auto* listLabel = new QLabel("&Vorhandene Karteien", this);
  listLabel->setBuddy(list_);

  title_ = Value(this, "cardFileTitle");
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  title_->setWordWrap(true);
  owner_ = Value(this, "owner");
  address_ = Value(this, "address");
  town_ = Value(this, "town");
  created_ = Value(this, "created");
  saved_ = Value(this, "saved");
  photo_ = new PhotoFrame(std::move(photoDir), this);
  photo_->SetPrompter(&ctx_.prompter);

  auto* details = new QGroupBox(this);
  auto* form = new QFormLayout(details);
  form->addRow(title_);
  form->addRow("Angelegt von:", owner_);
  form->addRow("", address_);
  form->addRow("", town_);
  form->addRow("Erstellt am:", created_);
  form->addRow("Geändert am:", saved_);

  auto* right = new QHBoxLayout;
  right->addWidget(details, 1);
  right->addWidget(photo_);

  auto* left = new QVBoxLayout;
  left->addWidget(listLabel);
  left->addWidget(list_, 1);

  auto* body = new QVBoxLayout;
  body->addLayout(left, 1);
  body->addLayout(right);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
  cancel_ = buttons->addButton("&Abbrechen", QDialogButtonBox::RejectRole);
  ok_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  connect(list_, &QListWidget::currentRowChanged, this, &OpenCardFileDialog::ShowSelection);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(buttons);

  listing_ = ListCardFiles(ctx_);
  for (const CardFileListing& entry : listing_) list_->addItem(FromCp1252(entry.header.Title()));
  if (!listing_.empty()) {
    list_->setCurrentRow(0);
  } else {
    ClearDetails();
  }
  list_->setFocus(Qt::OtherFocusReason);
}

int OpenCardFileDialog::selectedNumber() const {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(listing_.size())) return 0;
  return listing_[row].number;
}

QString OpenCardFileDialog::titleText() const { return title_->text(); }
QString OpenCardFileDialog::ownerText() const { return owner_->text(); }
QString OpenCardFileDialog::addressText() const { return address_->text(); }
QString OpenCardFileDialog::townText() const { return town_->text(); }
QString OpenCardFileDialog::createdText() const { return created_->text(); }
QString OpenCardFileDialog::savedText() const { return saved_->text(); }

void OpenCardFileDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) PlaceModalDialog(*this);
}

// The header is read again: the file may have changed since the list was made.
void OpenCardFileDialog::ShowSelection() {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(listing_.size())) {
    ClearDetails();
    return;
  }
  CardFileHeader header;
  const auto path = FindFileNoCase(ctx_.dataDir, listing_[row].fileName).value_or(ctx_.dataDir / listing_[row].fileName);
  if (ReadHeaderOnly(path, header, ctx_.prompter) < 0) {
    ClearDetails();
    return;
  }
  title_->setText(FromCp1252(header.Title()));
  owner_->setText(QString::fromStdString(FormatPrintf(std::string(MessageText(8446)), Cp1252ToUtf8(header.OwnerName()),
                                                      Cp1252ToUtf8(header.OwnerFirstName()))));
  address_->setText(FromCp1252(header.Address()));
  town_->setText(FromCp1252(header.Town()));
  created_->setText(StampText(header.Created()));
  saved_->setText(StampText(header.Saved()));
  photo_->SetPhoto(header.Photo());
}

void OpenCardFileDialog::ClearDetails() {
  for (QLabel* label : {title_, owner_, address_, town_, created_, saved_}) label->clear();
  photo_->SetPhoto({});
}

}  // namespace vl
