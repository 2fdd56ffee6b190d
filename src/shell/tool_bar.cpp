#include "shell/tool_bar.hpp"

#include <QMouseEvent>
#include <algorithm>

#include "shell/command_ids.hpp"
#include "shell/hint_button.hpp"
#include "common/ui/shared_look.hpp"

namespace vl {

const std::vector<ToolbarButtonInfo>& ToolBar::Buttons() {
  static const std::vector<ToolbarButtonInfo> buttons = {
      {2000, "TB_Dossier", 1, 5, true, false, cmd::kOpenCardFile},
      {2001, "TB_Fiche", 2, 59, false, true, cmd::kNewPersonCard},
      {2002, "TB_Naissance", 3, 113, false, true, cmd::kNewCertificateFirst + 0},
      {2003, "TB_Mariage", 4, 157, false, true, cmd::kNewCertificateFirst + 1},
      {2004, "TB_Deces", 5, 201, false, true, cmd::kNewCertificateFirst + 2},
      {2005, "TB_Bapteme", 6, 245, false, true, cmd::kNewCertificateFirst + 3},
      {2006, "TB_Benediction", 7, 289, false, true, cmd::kNewCertificateFirst + 4},
      {2007, "TB_Sepulture", 8, 333, false, true, cmd::kNewCertificateFirst + 5},
      {2008, "TB_Desc", 9, 387, false, true, cmd::kDescendantChart},
      {2009, "TB_Asc", 10, 431, false, true, cmd::kAncestorChart},
      {2010, "TB_Stat", 11, 475, false, true, cmd::kPersonStatistics},
      {2011, "TB_Note", 12, 519, false, true, cmd::kToolbarNotes},
      {2012, "TB_Aide", 13, -1, true, true, cmd::kHelpContents},
      {2013, "TB_NDossier", 27, 49, true, false, cmd::kNewCardFile},
      {2014, "TB_Exporter", 29, 157, true, false, cmd::kExportCardFile},
      {2015, "TB_Importer", 30, 201, true, false, cmd::kImportCardFile},
      {2016, "TB_Ged", 31, 245, true, false, cmd::kGedcomImport},
      {2017, "TB_Gedcom", 32, 289, true, false, cmd::kGedcomExport},
      {2018, "TB_Inconnu", 33, 113, true, false, cmd::kSearchAllCardFiles},
  };
  return buttons;
}

ToolBar::ToolBar(QWidget* parent) : QWidget(parent) {
  setObjectName("ToolBar");
  setFixedHeight(kHeight);
  setMouseTracking(true);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, SharedLook::LightGrey());
  setPalette(pal);
  for (const ToolbarButtonInfo& info : Buttons()) {
    auto* button = new HintButton(info.id, info.hintId, info.icon, this);
    button->setIconSize(QSize(32, 32));
    button->setGeometry(std::max(info.x, 0), kButtonY, kButtonSize, kButtonSize);
    const int command = info.command;
    connect(button, &QToolButton::clicked, this, [this, command] { emit commandRequested(command); });
    connect(button, &HintButton::hintRequested, this, &ToolBar::hintRequested);
    connect(button, &HintButton::hintCleared, this, &ToolBar::hintCleared);
    buttons_[info.id] = button;
  }
  SetCardFileState(false);
}

void ToolBar::SetCardFileState(bool cardFile) {
  cardFile_ = cardFile;
  for (const ToolbarButtonInfo& info : Buttons()) buttons_[info.id]->setVisible(cardFile ? info.cardFile : info.start);
  PlaceHelp();
}

HintButton* ToolBar::button(int id) const {
  auto it = buttons_.find(id);
  return it == buttons_.end() ? nullptr : it->second;
}

int ToolBar::HelpButtonX() const { return std::max(width() - 47, cardFile_ ? 573 : 336); }

void ToolBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceHelp();
}

void ToolBar::mouseMoveEvent(QMouseEvent* event) {
  QWidget::mouseMoveEvent(event);
  emit hintCleared();
}

void ToolBar::PlaceHelp() { buttons_[cmd::kToolbarHelp]->move(HelpButtonX(), kButtonY); }

}  // namespace vl
