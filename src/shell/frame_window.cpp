#include "shell/frame_window.hpp"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "shell/child_window_host.hpp"
#include "shell/command_ids.hpp"
#include "shell/command_table.hpp"
#include "shell/help_window.hpp"
#include "shell/hint_button.hpp"
#include "shell/icons.hpp"
#include "shell/mouse_mode.hpp"
#include "shell/progress_panel.hpp"
#include "common/ui/qt_text.hpp"
#include "common/ui/shared_look.hpp"
#include "shell/start_screen.hpp"
#include "shell/status_line.hpp"
#include "shell/tool_bar.hpp"
#include "shell/tool_window.hpp"

namespace vl {
namespace {

constexpr int kSeparator = 0;

bool IsMouseModeTool(int id) {
  for (const ToolButtonInfo& info : ToolWindow::Buttons()) {
    if (info.id == id) return info.mouseMode;
  }
  return false;
}

}  // namespace

FrameWindow::FrameWindow(ProgramHome home, Prompter& prompter, const Clock& clock, const SharedLook& look,
                         FrameOptions options, QWidget* parent)
    : QMainWindow(parent),
      home_(std::move(home)),
      prompter_(prompter),
      clock_(clock),
      look_(look),
      editor_(home_.Editor()),
      card_(prompter) {
  InitShellResources();
  setObjectName("Sample:MDIFrame");
  setWindowTitle(MessageQString(8000));
  setWindowIcon(ProgramIcon("ICO_Ormelin"));
  BuildLayout();
  BuildActions();
  BuildMenus();
  ConnectButtons();
  connect(statusLine_, &StatusLine::minutePassed, this, [this] { OnMinuteTick(); });
  if (options.runTimers) statusLine_->StartTimers();
  qApp->installEventFilter(this);
  EnterStartState();
  statusLine_->Clear();
  resize(1024, 700);
}

FrameWindow::~FrameWindow() {
  qApp->removeEventFilter(this);
  while (busyDepth_ > 0) SetBusy(false);
  if (mouseMode_) QApplication::restoreOverrideCursor();
}

void FrameWindow::BuildLayout() {
  auto* central = new QWidget(this);
  central->setObjectName("frameClient");
  toolBar_ = new ToolBar(central);
  statusLine_ = new StatusLine(clock_, central);

  startPage_ = new QWidget;
  startPage_->setObjectName("startPage");
  startPage_->setAutoFillBackground(true);
  QPalette workspace = startPage_->palette();
  workspace.setColor(QPalette::Window, SharedLook::DarkGrey().lighter(125));
  startPage_->setPalette(workspace);
  startScreen_ = new StartScreen(look_, startPage_);
  auto* centre = new QGridLayout(startPage_);
  centre->addWidget(startScreen_, 0, 0, Qt::AlignCenter);

  workPage_ = new QWidget;
  workPage_->setObjectName("workPage");
  mdiArea_ = new QMdiArea(workPage_);
  mdiArea_->setObjectName("MDIClient");
  toolWindow_ = new ToolWindow(workPage_);
  auto* work = new QHBoxLayout(workPage_);
  work->setContentsMargins(0, 0, 0, 0);
  work->setSpacing(1);
  work->addWidget(mdiArea_, 1);
  work->addWidget(toolWindow_);

  middle_ = new QStackedWidget(central);
  middle_->addWidget(startPage_);
  middle_->addWidget(workPage_);

  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolBar_);
  layout->addWidget(middle_, 1);
  layout->addWidget(statusLine_);
  setCentralWidget(central);

  progress_ = new ProgressPanel(central);
  help_ = new HelpWindow(this);
}

void FrameWindow::BuildActions() {
  for (const CommandInfo& info : Commands()) {
    auto* act = new QAction(this);
    act->setObjectName(QString("command%1").arg(info.id));
    if (info.menuText) act->setText(QString::fromUtf8(info.menuText));
    if (info.key) {
      act->setShortcut(QKeySequence(QString::fromLatin1(info.key)));
      act->setShortcutContext(Qt::WindowShortcut);
      addAction(act);  // keys work in both states, with or without a menu item
    }
    act->setProperty("hintId", info.hintId);
    const int id = info.id;
    connect(act, &QAction::triggered, this, [this, id] { RunCommand(id); });
    actions_[info.id] = act;
  }
}

QMenu* FrameWindow::AddMenu(std::vector<QMenu*>& bar, const char* title, std::initializer_list<int> items) {
  auto* menu = new QMenu(QString::fromUtf8(title), this);
  for (int id : items) {
    if (id == kSeparator) {
      menu->addSeparator();
    } else {
      menu->addAction(actions_.at(id));
    }
  }
  bar.push_back(menu);
  ConnectHints(menu, true);
  return menu;
}

void FrameWindow::BuildMenus() {
  using namespace cmd;
  // MEN_Debut: no card file open.
  AddMenu(startMenus_, "&Datei",
          {kNewCardFile, kOpenCardFile, kSearchAllCardFiles, kSeparator, kPrinterSetup, kSeparator, kExit});
  AddMenu(startMenus_, "&Austausch", {kExportCardFile, kImportCardFile, kSeparator, kGedcomImport, kGedcomExport});
  AddMenu(startMenus_, "&Verwaltung", {kRenameCardFile, kDeleteCardFile, kMergeCardFiles, kSeparator, kImportOlderVersion});
  AddMenu(startMenus_, "E&xtras", {kRepublicanCalendar, kPerpetualCalendar});
  AddMenu(startMenus_, "&Hilfe", {kHelpContents, kContextHelp, kSeparator, kAbout});

  // MEN_General: a card file is open.
  AddMenu(cardFileMenus_, "&Datei",
          {kSave, kClose, kSeparator, kToolbarNotes, kAutoSaveSettings, kSeparator, kPrinterSetup, kPrint, kSeparator,
           kExit});
  QMenu* certificates = AddMenu(cardFileMenus_, "&Urkunde", {});
  const std::pair<const char*, int> groups[] = {
      {"&Neu", kNewCertificateFirst}, {"Ö&ffnen", kOpenCertificateFirst}, {"&Löschen", kDeleteCertificateFirst}};
  for (const auto& [title, first] : groups) {
    QMenu* sub = certificates->addMenu(QString::fromUtf8(title));
    for (int kind = 0; kind < 6; ++kind) sub->addAction(actions_.at(first + kind));
    ConnectHints(sub, false);
  }
  AddMenu(cardFileMenus_, "Kar&teikarte", {kNewPersonCard, kOpenPersonCard, kDeletePerson, kSeparator, kPersonOverview});
  AddMenu(cardFileMenus_, "&Stammbaum",
          {kDescendantList, kDescendantChart, kDescendantCircle, kSeparator, kAncestorChart, kAncestorCircle,
           kAncestorList, kSeparator, kCombinedChart, kSeparator, kGenerations});
  AddMenu(cardFileMenus_, "Stat&istik", {kPersonStatistics, kCardFileData});
  AddMenu(cardFileMenus_, "Su&chen", {kCriteriaSearch, kPossibleParents, kLivingPersons});
  AddMenu(cardFileMenus_, "E&xtras", {kRepublicanCalendar, kPerpetualCalendar});
  AddMenu(cardFileMenus_, "&Fenster", {kTile, kCascade, kArrangeIcons, kSeparator, kCloseAllWindows});
  AddMenu(cardFileMenus_, "&Hilfe", {kHelpContents, kContextHelp, kSeparator, kAbout});
}

// Selecting an item shows its hint; separators, submenus and closing the menu clear the line.
void FrameWindow::ConnectHints(QMenu* menu, bool topLevel) {
  connect(menu, &QMenu::hovered, this, [this](QAction* act) {
    const int hint = act->menu() ? 0 : act->property("hintId").toInt();
    if (hint > 0) {
      ShowHint(hint);
    } else {
      ClearHint();
    }
  });
  if (topLevel) connect(menu, &QMenu::aboutToHide, this, [this] { ClearHint(); });
}

void FrameWindow::ConnectButtons() {
  connect(toolBar_, &ToolBar::commandRequested, this, &FrameWindow::RunCommand);
  connect(toolWindow_, &ToolWindow::commandRequested, this, &FrameWindow::RunCommand);
  connect(startScreen_, &StartScreen::commandRequested, this, &FrameWindow::RunCommand);
  connect(toolBar_, &ToolBar::hintRequested, this, &FrameWindow::ShowHint);
  connect(toolBar_, &ToolBar::hintCleared, this, &FrameWindow::ClearHint);
  connect(toolWindow_, &ToolWindow::hintRequested, this, &FrameWindow::ShowHint);
  connect(toolWindow_, &ToolWindow::hintCleared, this, &FrameWindow::ClearHint);
  connect(startScreen_, &StartScreen::hintRequested, this, &FrameWindow::ShowHint);
  connect(startScreen_, &StartScreen::hintCleared, this, &FrameWindow::ClearHint);
}

// ---- States ---------------------------------------------------------------------------------

void FrameWindow::ShowMenu(bool general) {
  generalMenu_ = general;
  QMenuBar* bar = menuBar();
  bar->clear();
  for (QMenu* menu : general ? cardFileMenus_ : startMenus_) bar->addMenu(menu);
  UpdateCommandStates();
}

void FrameWindow::ShowStartScreen() {
  startScreenShown_ = true;
  middle_->setCurrentWidget(startPage_);
  UpdateCommandStates();
}

void FrameWindow::HideStartScreen() {
  startScreenShown_ = false;
  middle_->setCurrentWidget(workPage_);
  UpdateCommandStates();
}

void FrameWindow::EnterCardFileState() {
  open_ = true;
  setWindowTitle(QString::fromStdString(
      FormatPrintf("%s : %s", std::string(MessageText(8000)), Cp1252ToUtf8(card_.header.Title()))));
  ShowMenu(true);
  toolBar_->SetCardFileState(true);
  toolWindow_->show();
  HideStartScreen();
  autoSave_.ResetCounter();
  UpdateCommandStates();
}

void FrameWindow::EnterStartState() {
  open_ = false;
  setWindowTitle(MessageQString(8000));
  ShowMenu(false);
  toolBar_->SetCardFileState(false);
  toolWindow_->hide();
  ShowStartScreen();
}

bool FrameWindow::IsCommandAvailable(int id) const {
  if (IsMouseModeTool(id)) return mouseModeClient_ != nullptr && mouseModeClient_->HandlesMode(id);
  const CommandInfo* info = FindCommand(id);
  if (!info) return false;
  switch (info->owner) {
    case CommandOwner::Frame:
      return true;
    case CommandOwner::ChildWindows:
      return childHost_ && childHost_->HandlesCommand(id);
    case CommandOwner::Later:
      return installed_.count(id) > 0;
  }
  return false;
}

void FrameWindow::UpdateCommandStates() {
  for (auto& [id, act] : actions_) {
    bool enabled = IsCommandAvailable(id);
    if (NeedsStartScreen(id)) enabled = enabled && !open_;
    if (NeedsOpenCardFile(id)) enabled = enabled && open_;
    act->setEnabled(enabled);
  }
  for (const ToolbarButtonInfo& info : ToolBar::Buttons()) {
    toolBar_->button(info.id)->setEnabled(IsCommandAvailable(info.command));
  }
  for (const ToolButtonInfo& info : ToolWindow::Buttons()) {
    toolWindow_->button(info.id)->setEnabled(IsCommandAvailable(info.id));
  }
  for (const StartButtonInfo& info : StartScreen::Buttons()) {
    startScreen_->button(info.id)->setEnabled(IsCommandAvailable(info.command));
  }
}

QAction* FrameWindow::action(int id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void FrameWindow::InstallCommand(int id, std::function<void()> handler) {
  const CommandInfo* info = FindCommand(id);
  if (!info || info->owner != CommandOwner::Later) return;
  installed_[id] = std::move(handler);
  UpdateCommandStates();
}

void FrameWindow::SetChildWindowHost(ChildWindowHost* host) {
  childHost_ = host;
  UpdateCommandStates();
}

void FrameWindow::SetMouseModeClient(MouseModeClient* client) {
  if (client == nullptr && mouseMode_ != 0) EndMouseMode();
  mouseModeClient_ = client;
  UpdateCommandStates();
}

// Long operations: nothing can be chosen meanwhile, the progress panel stays readable.
void FrameWindow::SetBusy(bool busy) {
  if (busy) {
    if (busyDepth_++ == 0) {
      QApplication::setOverrideCursor(Qt::WaitCursor);
      for (QWidget* w : std::initializer_list<QWidget*>{menuBar(), toolBar_, middle_}) w->setEnabled(false);
    }
  } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
    for (QWidget* w : std::initializer_list<QWidget*>{menuBar(), toolBar_, middle_}) w->setEnabled(true);
    QApplication::restoreOverrideCursor();
  }
}

StoreContext FrameWindow::Context(ProgressWindow* progress) const {
  return StoreContext{home_.DataDir(), prompter_, clock_, progress};
}

// ---- Status line ----------------------------------------------------------------------------

void FrameWindow::ShowHint(int hintId) { statusLine_->ShowMessage(hintId); }

// A mouse mode's prompt comes back as soon as the hint goes.
void FrameWindow::ClearHint() { statusLine_->Clear(); }

}  // namespace vl
