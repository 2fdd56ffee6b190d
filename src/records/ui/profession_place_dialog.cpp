#include "records/ui/profession_place_dialog.hpp"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/dialog_placement.hpp"
#include "common/ui/qt_text.hpp"

namespace vl {
namespace {

constexpr int kPlaceLimit = 29;

}  // namespace

ProfessionPlaceDialog::ProfessionPlaceDialog(const QString& profession, const QString& place, QWidget* parent)
    : QDialog(parent) {
  setObjectName("Habitat");
  setWindowTitle("Ort der Beschäftigung");
  setModal(true);
  profession_ = new QLabel(profession, this);
  profession_->setObjectName("profession");
  profession_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  profession_->setTextFormat(Qt::PlainText);
  place_ = new QLineEdit(place, this);
  place_->setObjectName("place");
  place_->setMaxLength(kPlaceLimit);
  place_->setMinimumWidth(place_->fontMetrics().horizontalAdvance(QString(kPlaceLimit, QChar('n'))) + 16);
  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
  buttons->addButton("&Abbrechen", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Beruf", this));
  layout->addWidget(profession_);
  auto* caption = new QLabel("Ort der Beschäftigung", this);
  caption->setBuddy(place_);
  layout->addWidget(caption);
  layout->addWidget(place_);
  layout->addWidget(buttons);
}

std::string ProfessionPlaceDialog::storedPlace() const {
  std::string text = ToCp1252(place_->text().trimmed());
  if (text.size() > static_cast<size_t>(kPlaceLimit)) text.resize(kPlaceLimit);
  return text;
}

void ProfessionPlaceDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  PlaceModalDialog(*this);
}

}  // namespace vl
