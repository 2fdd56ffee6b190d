#include "shell/start_screen.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/command_ids.hpp"
#include "shell/hint_button.hpp"
#include "shell/icons.hpp"
#include "common/ui/shared_look.hpp"

namespace vl {

const std::vector<StartButtonInfo>& StartScreen::Buttons() {
  static const std::vector<StartButtonInfo> buttons = {
      {3500, "TB_Aide", 26, 0, 0, "Hilfe", cmd::kHelpContents},
      {3501, "TB_NDossier", 27, 0, 1, "Neue Kartei", cmd::kNewCardFile},
      {3502, "TB_Dossier", 28, 0, 2, "Kartei öffnen", cmd::kOpenCardFile},
      {3507, "TB_Inconnu", 33, 0, 3, "Person suchen", cmd::kSearchAllCardFiles},
      {3503, "TB_Exporter", 29, 1, 0, "Kartei exportieren", cmd::kExportCardFile},
      {3504, "TB_Importer", 30, 1, 1, "Kartei importieren", cmd::kImportCardFile},
      {3505, "TB_Ged", 31, 1, 2, "GEDCOM-Import", cmd::kGedcomImport},
      {3506, "TB_Gedcom", 32, 1, 3, "GEDCOM-Export", cmd::kGedcomExport},
  };
  return buttons;
}

StartScreen::StartScreen(const SharedLook& look, QWidget* parent) : QFrame(parent) {
  setObjectName("Menu");
  SharedLook::MakeRaisedPanel(*this, 2);

  auto* cover = new QLabel(this);
  cover->setObjectName("BMP_Cover");
  cover->setPixmap(ProgramPixmap("BMP_Cover", QSize(280, 340), devicePixelRatioF()));
  cover->setFrameStyle(QFrame::Panel | QFrame::Sunken);

  auto* title = new QLabel("Vorlinde", this);
  title->setFont(look.TitleFont());
  title->setAlignment(Qt::AlignCenter);
  auto* subtitle = new QLabel("Ahnenforschung mit Karteikarten und Urkunden", this);
  subtitle->setAlignment(Qt::AlignCenter);

  auto* grid = new QGridLayout;
  grid->setSpacing(10);
  for (const StartButtonInfo& info : Buttons()) {
    auto* button = new HintButton(info.id, info.hintId, info.icon, this);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setIconSize(QSize(32, 32));
    button->setText(QString::fromUtf8(info.caption));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const int command = info.command;
    connect(button, &QToolButton::clicked, this, [this, command] { emit commandRequested(command); });
    connect(button, &HintButton::hintRequested, this, &StartScreen::hintRequested);
    connect(button, &HintButton::hintCleared, this, &StartScreen::hintCleared);
    grid->addWidget(button, info.row, info.column);
    buttons_[info.id] = button;
  }

  auto* right = new QVBoxLayout;
  right->addWidget(title);
  right->addWidget(subtitle);
  right->addSpacing(12);
  right->addLayout(grid);
  right->addStretch(1);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->setSpacing(20);
  layout->addWidget(cover, 0, Qt::AlignTop);
  layout->addLayout(right);
}

HintButton* StartScreen::button(int id) const {
  auto it = buttons_.find(id);
  return it == buttons_.end() ? nullptr : it->second;
}

}  // namespace vl
