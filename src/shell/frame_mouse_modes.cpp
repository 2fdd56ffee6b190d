// The mouse modes of the tool window, and keys that must reach the frame while a dialog is open.
#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

#include "shell/command_ids.hpp"
#include "shell/frame_window.hpp"
#include "shell/icons.hpp"
#include "shell/mouse_mode.hpp"
#include "common/ui/qt_text.hpp"
#include "shell/status_line.hpp"
#include "shell/tool_window.hpp"

namespace vl {
namespace {

const char* CursorIcon(int toolId) {
  switch (toolId) {
    case cmd::kToolLink:
      return "TOOLS_Curseur";
    case cmd::kToolZoom:
      return "TOOLS_Loupe";
    case cmd::kToolDesign:
      return "TOOLS_Design";
    case cmd::kToolTreeOptions:
      return "TB_Arbre";
    case cmd::kToolObject:
      return "TOOLS_Objet";
    case cmd::kToolPrintMode:
      return "TOOLS_Print";
    default:
      return nullptr;
  }
}

// An arrow with the tool's picture beside it; the arrow's tip is the hot spot.
QCursor ModeCursor(int toolId) {
  const char* icon = CursorIcon(toolId);
  if (!icon) return QCursor(Qt::CrossCursor);
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF arrow[] = {{1, 1}, {1, 15}, {4.5, 11.5}, {7, 17}, {9, 16}, {6.5, 10.5}, {11, 10.5}};
  painter.setPen(QPen(Qt::white, 1.2));
  painter.setBrush(Qt::black);
  painter.drawPolygon(arrow, 7);
  painter.drawPixmap(12, 12, ProgramPixmap(icon, QSize(20, 20)));
  painter.end();
  return QCursor(pixmap, 1, 1);
}

// What the status line asks for while the mode is on; most modes ask nothing.
QString ModePrompt(int toolId) {
  switch (toolId) {
    case cmd::kToolSection:
      return MessageQString(8314);
    case cmd::kToolPrintMode:
      return MessageQString(8316);
    default:
      return {};
  }
}

QMdiSubWindow* SubWindowAt(QPoint globalPos) {
  for (QWidget* w = QApplication::widgetAt(globalPos); w; w = w->parentWidget()) {
    if (auto* child = qobject_cast<QMdiSubWindow*>(w)) return child;
  }
  return nullptr;
}

}  // namespace

void FrameWindow::BeginMouseMode(int toolId) {
  const bool same = mouseMode_ == toolId;
  EndMouseMode();
  if (same || !open_) return;  // a second click on the active mode ends it
  mouseMode_ = toolId;
  toolWindow_->SetActiveMode(toolId);
  QApplication::setOverrideCursor(ModeCursor(toolId));
  statusLine_->SetStandingPrompt(ModePrompt(toolId));
}

void FrameWindow::EndMouseMode() {
  if (rubberBand_) rubberBand_->deleteLater();
  rubberBand_ = nullptr;
  if (mouseMode_ != 0) QApplication::restoreOverrideCursor();
  mouseMode_ = 0;
  toolWindow_->SetActiveMode(0);
  statusLine_->SetStandingPrompt({});
}

bool FrameWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    // A modal dialog keeps the frame's keys from working; its help topic is still wanted.
    if (key->key() == Qt::Key_F1 && QApplication::activeModalWidget() && watched->isWidgetType()) {
      ContextHelp();
      return true;
    }
    if (key->key() == Qt::Key_Escape && mouseMode_ != 0) {
      EndMouseMode();
      return true;
    }
  }
  if (mouseMode_ != 0 && watched->isWidgetType() && MouseModeEvent(event)) return true;
  return QMainWindow::eventFilter(watched, event);
}

// The mode holds the mouse until its click (or, for the section, the release); a click outside
// the client area ends the mode without effect. Clicks on the tool window switch modes as usual.
bool FrameWindow::MouseModeEvent(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) {
    return false;
  }
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint global = mouse->globalPosition().toPoint();
  QWidget* client = mdiArea_->viewport();
  const QRect clientRect(client->mapToGlobal(QPoint(0, 0)), client->size());
  const bool inClient = clientRect.contains(global);

  if (type == QEvent::MouseMove) {
    if (rubberBand_) rubberBand_->setGeometry(QRect(sectionOrigin_, client->mapFromGlobal(global)).normalized());
    return rubberBand_ != nullptr;
  }
  if (type == QEvent::MouseButtonPress) {
    if (!inClient) {
      const QRect tools(toolWindow_->mapToGlobal(QPoint(0, 0)), toolWindow_->size());
      if (tools.contains(global)) return false;
      EndMouseMode();
      return true;
    }
    if (mouseMode_ == cmd::kToolSection) {
      sectionOrigin_ = client->mapFromGlobal(global);
      rubberBand_ = new QRubberBand(QRubberBand::Rectangle, client);
      rubberBand_->setGeometry(QRect(sectionOrigin_, QSize()));
      rubberBand_->show();
      statusLine_->SetStandingPrompt(MessageQString(8315));
      return true;
    }
    const int tool = mouseMode_;
    QMdiSubWindow* target = SubWindowAt(global);
    EndMouseMode();
    if (mouseModeClient_ && target) mouseModeClient_->ModeClicked(tool, target, global);
    return true;
  }
  // Release.
  if (mouseMode_ == cmd::kToolSection && rubberBand_) {
    const QRect local = QRect(sectionOrigin_, client->mapFromGlobal(global)).normalized();
    const QRect section(client->mapToGlobal(local.topLeft()), local.size());
    EndMouseMode();
    if (mouseModeClient_ && !section.isEmpty()) mouseModeClient_->SectionChosen(section);
    return true;
  }
  return false;
}

}  // namespace vl
