#include "shell/about_dialog.hpp"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "common/ui/dialog_placement.hpp"
#include "shell/icons.hpp"
#include "common/ui/shared_look.hpp"

namespace vl {

AboutDialog::AboutDialog(const SharedLook& look, QWidget* parent) : QDialog(parent) {
  setObjectName("APropos");
  setWindowTitle("Info über Vorlinde");
  setModal(true);

  auto* picture = new QLabel(this);
  picture->setPixmap(ProgramPixmap("ICO_Ormelin", QSize(64, 64), devicePixelRatioF()));
  auto* name = new QLabel("Vorlinde", this);
  name->setFont(look.TitleFont());
  auto* version = new QLabel(QString("Version %1").arg(kProgramVersion), this);
  auto* text = new QLabel(
      "Ahnenforschung mit Karteien: Personenkarteikarten, Geburts-, Tauf-, Heirats-, Trau-, "
      "Sterbe- und Begräbnisurkunden, Stammtafeln, Listen, Statistiken und Suchen.",
      this);
  text->setWordWrap(true);
  text->setMinimumWidth(320);

  auto* column = new QVBoxLayout;
  column->addWidget(name);
  column->addWidget(version);
  column->addSpacing(8);
  column->addWidget(text);
  auto* row = new QHBoxLayout;
  row->addWidget(picture, 0, Qt::AlignTop);
  row->addSpacing(12);
  row->addLayout(column, 1);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
}

void AboutDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) PlaceModalDialog(*this);
}

}  // namespace vl
