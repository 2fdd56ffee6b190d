#include "storage/ui/auto_save_dialog.hpp"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "common/ui/dialog_placement.hpp"
#include "shell/auto_save.hpp"

namespace vl {

AutoSaveDialog::AutoSaveDialog(bool enabled, int interval, QWidget* parent) : QDialog(parent) {
  setObjectName("Sauvegarde");
  setWindowTitle("Automatisches Speichern");
  setModal(true);

  enabled_ = new QCheckBox("Automatisches &Speichern:", this);
  interval_ = new QLineEdit(this);
  interval_->setObjectName("interval");
  interval_->setMaxLength(kFieldLength);
  // No validator: a blocked letter would silently keep the old interval, while a typed text that
  // is no number is to give 0, which never saves.
  interval_->setAlignment(Qt::AlignRight);
  interval_->setFixedWidth(interval_->fontMetrics().horizontalAdvance("99999") + 14);
  auto* every = new QLabel("&alle", this);
  every->setBuddy(interval_);
  auto* minutes = new QLabel("Minuten", this);

  auto* row = new QHBoxLayout;
  row->addWidget(enabled_);
  row->addSpacing(8);
  row->addWidget(every);
  row->addWidget(interval_);
  row->addWidget(minutes);
  row->addStretch(1);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
  cancel_ = buttons->addButton("A&bbrechen", QDialogButtonBox::RejectRole);
  ok_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addSpacing(8);
  layout->addWidget(buttons);

  keptText_ = QString::number(interval);
  enabled_->setChecked(enabled);
  Toggled(enabled);
  connect(enabled_, &QCheckBox::toggled, this, &AutoSaveDialog::Toggled);
}

bool AutoSaveDialog::enabled() const { return enabled_->isChecked(); }

int AutoSaveDialog::interval() const {
  return enabled_->isChecked() ? ParseAutoSaveInterval(interval_->text().toStdString()) : 0;
}

void AutoSaveDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) PlaceModalDialog(*this);
}

void AutoSaveDialog::Toggled(bool checked) {
  if (checked) {
    interval_->setText(keptText_);
    interval_->setEnabled(true);
    interval_->setFocus(Qt::OtherFocusReason);
    interval_->selectAll();
  } else {
    if (!interval_->text().isEmpty()) keptText_ = interval_->text();
    interval_->clear();
    interval_->setEnabled(false);
  }
}

}  // namespace vl
