#include "shell/tool_window.hpp"

#include <QLabel>
#include <QVBoxLayout>

#include "shell/hint_button.hpp"
#include "common/ui/shared_look.hpp"

namespace vl {

const std::vector<ToolButtonInfo>& ToolWindow::Buttons() {
  static const std::vector<ToolButtonInfo> buttons = {
      {3000, "TOOLS_Curseur", 14, true}, {3001, "TOOLS_Loupe", 15, true},  {3002, "TOOLS_Design", 16, true},
      {3003, "TB_Arbre", 17, true},      {3004, "TOOLS_Snap", 18, true},   {3005, "TB_Droite", 19, false},
      {3006, "TB_DDroite", 20, false},   {3007, "TB_Gauche", 21, false},   {3008, "TB_GGauche", 22, false},
      {3009, "TB_Gofiche", 23, false},   {3010, "TOOLS_Objet", 24, true}, {3011, "TOOLS_Print", 25, true},
  };
  return buttons;
}

ToolWindow::ToolWindow(QWidget* parent) : QFrame(parent) {
  setObjectName("Outils");
  setWindowTitle("Werkzeug");
  setFixedWidth(kWidth);
  SharedLook::MakeRaisedPanel(*this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  auto* title = new QLabel("Werkzeug", this);
  title->setObjectName("toolWindowTitle");
  title->setAlignment(Qt::AlignCenter);
  QFont font = title->font();
  font.setBold(true);
  // The narrow window takes the largest font in which its title still fits.
  for (int pixels = 10; pixels >= 7; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).horizontalAdvance(title->text()) <= kWidth - 6) break;
  }
  title->setFont(font);
  title->setAutoFillBackground(true);
  QPalette titlePalette = title->palette();
  titlePalette.setColor(QPalette::Window, SharedLook::DarkGrey());
  titlePalette.setColor(QPalette::WindowText, SharedLook::White());
  title->setPalette(titlePalette);
  layout->addWidget(title);

  for (const ToolButtonInfo& info : Buttons()) {
    auto* button = new HintButton(info.id, info.hintId, info.icon, this);
    button->setFixedSize(36, 36);
    button->setIconSize(QSize(28, 28));
    button->setCheckable(info.mouseMode);
    const int id = info.id;
    connect(button, &QToolButton::clicked, this, [this, id] { emit commandRequested(id); });
    connect(button, &HintButton::hintRequested, this, &ToolWindow::hintRequested);
    connect(button, &HintButton::hintCleared, this, &ToolWindow::hintCleared);
    layout->addWidget(button, 0, Qt::AlignHCenter);
    buttons_[info.id] = button;
    // Browsing and the choice by name form their own group.
    if (info.id == 3004 || info.id == 3009) layout->addSpacing(6);
  }
  layout->addStretch(1);
}

HintButton* ToolWindow::button(int id) const {
  auto it = buttons_.find(id);
  return it == buttons_.end() ? nullptr : it->second;
}

void ToolWindow::SetActiveMode(int id) {
  for (const ToolButtonInfo& info : Buttons()) {
    if (info.mouseMode) buttons_[info.id]->setChecked(info.id == id);
  }
}

}  // namespace vl
