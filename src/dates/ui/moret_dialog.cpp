#include "dates/ui/moret_dialog.hpp"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "common/cp1252.hpp"
#include "dates/ui/calendar_dialog.hpp"
#include "dates/ui/date_line_edit.hpp"
#include "common/ui/dialog_placement.hpp"
#include "dates/weekday.hpp"

namespace vl {

MoretDialog::MoretDialog(QWidget* parent) : QDialog(parent), date_(new DateLineEdit(this)), result_(new QLabel(this)) {
  setObjectName("MORET");
  setWindowTitle("Immerwährender Kalender (nach Moret)");
  setModal(true);
  date_->setMaxLength(kCalendarFieldLength);
  result_->setMinimumWidth(result_->fontMetrics().horizontalAdvance("Donnerstag, 30. September 2899") + 20);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
  ok_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* field = new QHBoxLayout;
  auto* label = new QLabel("Datum: tt.mm.jjjj", this);
  label->setBuddy(date_);
  field->addWidget(label);
  field->addWidget(date_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(field);
  layout->addWidget(result_);
  layout->addWidget(buttons);

  connect(date_, &QLineEdit::textChanged, this, [this] { DateChanged(); });
  date_->setFocus(Qt::OtherFocusReason);
}

QString MoretDialog::resultText() const { return result_->text(); }

void MoretDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) PlaceModalDialog(*this);
}

void MoretDialog::DateChanged() {
  result_->setText(QString::fromStdString(Cp1252ToUtf8(WeekdayText(Utf8ToCp1252(date_->text().toStdString())))));
}

}  // namespace vl
