// The frame's command dispatch and the commands that need no card-file work.
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPrinter>

#include "dates/ui/calendar_dialog.hpp"
#include "dates/ui/moret_dialog.hpp"
#include "shell/about_dialog.hpp"
#include "shell/child_window_host.hpp"
#include "shell/command_ids.hpp"
#include "shell/command_table.hpp"
#include "shell/frame_window.hpp"
#include "shell/help_window.hpp"

namespace vl {

void FrameWindow::RunCommand(int id) {
  if (!IsCommandAvailable(id)) return;
  if (NeedsStartScreen(id) && !startScreenShown_) return;
  if (NeedsOpenCardFile(id) && !open_) return;
  if (busyDepth_ > 0) return;

  const CommandInfo* info = FindCommand(id);
  if (info && info->owner == CommandOwner::ChildWindows) {
    childHost_->RunCommand(id);
    return;
  }
  if (info && info->owner == CommandOwner::Later) {
    RunInstalled(id);
    return;
  }
  if (!info) {
    BeginMouseMode(id);
    return;
  }
  switch (id) {
    case cmd::kNewCardFile:
      NewCardFile();
      break;
    case cmd::kOpenCardFile:
      ChooseAndOpenCardFile();
      break;
    case cmd::kSave:
      SaveCardFile();
      break;
    case cmd::kClose:
      CloseCommand();
      break;
    case cmd::kPrinterSetup:
      PrinterSetup();
      break;
    case cmd::kExit:
      close();
      break;
    case cmd::kContextHelp:
      ContextHelp();
      break;
    case cmd::kHelpContents:
      ShowHelp(kHelpContentsTopic);
      break;
    case cmd::kAbout: {
      AboutDialog about(look_, this);
      about.exec();
      break;
    }
    case cmd::kTile:
      mdiArea_->tileSubWindows();
      break;
    case cmd::kCascade:
      mdiArea_->cascadeSubWindows();
      break;
    case cmd::kArrangeIcons:
      ArrangeIcons();
      break;
    case cmd::kCloseAllWindows:
      mdiArea_->closeAllSubWindows();  // each child may ask before it closes
      break;
    case cmd::kRepublicanCalendar: {
      CalendarDialog calendar(this);
      calendar.exec();
      break;
    }
    case cmd::kPerpetualCalendar: {
      MoretDialog moret(this);
      moret.exec();
      break;
    }
    case cmd::kAutoSaveSettings:
      AutoSaveSettings();
      break;
    case cmd::kToolbarNotes:
      WorkingNotes();
      break;
    default:
      break;
  }
}

// The card-file commands of other subsystems leave the start screen while their dialog runs.
void FrameWindow::RunInstalled(int id) {
  auto handler = installed_.at(id);
  if (!NeedsStartScreen(id)) {
    handler();
    return;
  }
  HideStartScreen();
  handler();
  if (!open_) ShowStartScreen();
}

void FrameWindow::PrinterSetup() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPageSetupDialog dialog(printer_.get(), this);
  if (dialog.exec() == QDialog::Accepted) {
    pageOrientation_ = printer_->pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
  }
}

void FrameWindow::ShowHelp(const QString& topic) {
  // While a modal dialog runs, only its own windows take input.
  if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != help_) {
    auto* help = new HelpWindow(modal);
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->ShowTopic(topic);
    help->show();
    return;
  }
  help_->ShowTopic(topic);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void FrameWindow::ContextHelp() {
  QString topic;
  if (QWidget* modal = QApplication::activeModalWidget()) {
    topic = HelpTopicFor(QApplication::focusWidget() ? QApplication::focusWidget() : modal);
    if (topic.isEmpty()) topic = HelpTopicFor(modal);
  } else if (QMdiSubWindow* child = mdiArea_->activeSubWindow(); child && open_) {
    topic = HelpTopicFor(child->widget());
  }
  if (topic.isEmpty()) topic = open_ ? "kartei_bearbeiten" : "startbildschirm";
  ShowHelp(topic);
}

// Minimised children line up along the bottom edge of the client area.
void FrameWindow::ArrangeIcons() {
  int x = 0;
  int row = 0;
  const QSize client = mdiArea_->viewport()->size();
  for (QMdiSubWindow* child : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
    if (!child->isMinimized()) continue;
    const QSize size = child->size();
    if (x > 0 && x + size.width() > client.width()) {
      x = 0;
      ++row;
    }
    child->move(x, client.height() - (row + 1) * size.height());
    x += size.width();
  }
}

}  // namespace vl
