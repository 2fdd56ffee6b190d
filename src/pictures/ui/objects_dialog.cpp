#include "pictures/ui/objects_dialog.hpp"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/ui/dialog_placement.hpp"
#include "common/ui/dib_image.hpp"
#include "common/ui/qt_text.hpp"
#include "pictures/attachments.hpp"

namespace vl {

ObjectsDialog::ObjectsDialog(PersonCard& person, ModifiedFlag& modified, std::filesystem::path objectDir,
                             Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      person_(person),
      modified_(modified),
      objectDir_(std::move(objectDir)),
      prompter_(prompter),
      documents_(person.documents),
      lastChosen_(QDir::homePath()) {
  setWindowTitle("Objekte");
  askFile_ = [](QWidget* owner, const QString& start, const QString& filter) {
    return QFileDialog::getOpenFileName(owner, "Objekt hinzufügen", start, filter);
  };
  open_ = [](const QUrl& file) { return QDesktopServices::openUrl(file); };

  name_ = new QLabel(FromCp1252(person.fullName), this);
  name_->setObjectName("personName");
  QFont bold = name_->font();
  bold.setBold(true);
  name_->setFont(bold);
  list_ = new QListWidget(this);
  list_->setObjectName("descriptionList");
  list_->setMinimumSize(320, 160);
  description_ = new QLineEdit(this);
  description_->setObjectName("descriptionField");
  description_->setMaxLength(static_cast<int>(kMaxDocumentDescription));
  add_ = new QPushButton("&Hinzufügen...", this);
  remove_ = new QPushButton("&Entfernen", this);
  openButton_ = new QPushButton("Ö&ffnen", this);
  ok_ = new QPushButton("&OK", this);
  ok_->setDefault(true);
  cancel_ = new QPushButton("&Abbrechen", this);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {ok_, cancel_}) buttons->addWidget(button);
  buttons->addSpacing(12);
  for (QPushButton* button : {add_, remove_, openButton_}) buttons->addWidget(button);
  buttons->addStretch(1);
  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel("Person:", this), 0, 0);
  fields->addWidget(name_, 0, 1);
  fields->addWidget(new QLabel("Objekte:", this), 1, 0, Qt::AlignTop);
  fields->addWidget(list_, 1, 1);
  auto* descriptionLabel = new QLabel("&Beschreibung:", this);
  descriptionLabel->setBuddy(description_);
  fields->addWidget(descriptionLabel, 2, 0);
  fields->addWidget(description_, 2, 1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(fields, 1);
  layout->addLayout(buttons);

  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { ShowDescription(row); });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { OpenDocument(); });
  connect(description_, &QLineEdit::editingFinished, this, [this] { TakeDescription(); });
  connect(add_, &QPushButton::clicked, this, &ObjectsDialog::AddDocument);
  connect(remove_, &QPushButton::clicked, this, &ObjectsDialog::RemoveDocument);
  connect(openButton_, &QPushButton::clicked, this, &ObjectsDialog::OpenDocument);
  connect(ok_, &QPushButton::clicked, this, &ObjectsDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &ObjectsDialog::reject);
  Refill(documents_.empty() ? -1 : 0);
}

void ObjectsDialog::Refill(int select) {
  shownRow_ = -1;
  list_->blockSignals(true);
  list_->clear();
  for (const AttachedDocument& d : documents_) list_->addItem(FromCp1252(d.description));
  list_->blockSignals(false);
  list_->setCurrentRow(select);
  ShowDescription(select);
  remove_->setEnabled(!documents_.empty());
  openButton_->setEnabled(!documents_.empty());
}

// The field shows the selected entry's description; what was typed for the previous one is kept first.
void ObjectsDialog::ShowDescription(int row) {
  TakeDescription();
  shownRow_ = row;
  const bool valid = row >= 0 && row < static_cast<int>(documents_.size());
  description_->setEnabled(valid);
  description_->setText(valid ? FromCp1252(documents_[static_cast<size_t>(row)].description) : QString());
  description_->setModified(false);
}

void ObjectsDialog::TakeDescription() {
  if (shownRow_ < 0 || shownRow_ >= static_cast<int>(documents_.size()) || !description_->isModified()) return;
  DescribeDocument(documents_, static_cast<size_t>(shownRow_), ToCp1252(description_->text()));
  list_->item(shownRow_)->setText(FromCp1252(documents_[static_cast<size_t>(shownRow_)].description));
  description_->setModified(false);
}

void ObjectsDialog::AddDocument() {
  TakeDescription();
  const QString chosen = askFile_(this, lastChosen_, QtFileFilter(MessageText(8338)));
  if (chosen.isEmpty()) return;
  lastChosen_ = chosen;
  auto plan = PlanAttachment(objectDir_, documents_, chosen.toStdString(), prompter_);
  if (!plan || !CopyAttachment(objectDir_, *plan, prompter_)) return;
  AppendDocument(documents_, plan->file);
  Refill(static_cast<int>(documents_.size()) - 1);
}

void ObjectsDialog::RemoveDocument() {
  const int row = list_->currentRow();
  if (row < 0 || !DetachDocument(documents_, static_cast<size_t>(row))) return;
  Refill(documents_.empty() ? -1 : std::min(row, static_cast<int>(documents_.size()) - 1));
}

void ObjectsDialog::OpenDocument() {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(documents_.size())) return;
  auto path = DocumentToOpen(objectDir_, documents_[static_cast<size_t>(row)].file, prompter_);
  if (!path) return;
  if (!open_(QUrl::fromLocalFile(QString::fromStdString(path->string())))) prompter_.ShowInformation(Msg(8352));
}

void ObjectsDialog::accept() {
  TakeDescription();
  changed_ = WriteBackDocuments(person_, documents_, modified_);
  QDialog::accept();
}

void ObjectsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  PlaceModalDialog(*this);
}

bool EditDocuments(QWidget* parent, PersonCard& person, ModifiedFlag& modified, const std::filesystem::path& objectDir,
                   Prompter& prompter) {
  ObjectsDialog dialog(person, modified, objectDir, prompter, parent);
  dialog.exec();
  return dialog.changed();
}

}  // namespace vl
