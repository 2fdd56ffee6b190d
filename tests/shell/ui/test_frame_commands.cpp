// Menus, keys, hints in the status line, button states and the seams for later windows.
#include <QAction>
#include <QEnterEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <set>

#include "common/messages.hpp"
#include "shell/child_window_host.hpp"
#include "shell/command_table.hpp"
#include "shell/hint_button.hpp"
#include "shell/mouse_mode.hpp"
#include "shell/start_screen.hpp"
#include "shell/status_line.hpp"
#include "shell/tool_bar.hpp"
#include "shell/tool_window.hpp"
#include "shell/ui/frame_fixture.hpp"

using vl::ToolBar;
using vltest::FrameFixture;

namespace {

QString Hint(int id) { return QString::fromUtf8(std::string(vl::MessageText(id)).c_str()); }

void CollectActions(const QMenu* menu, std::vector<QAction*>& out) {
  for (QAction* act : menu->actions()) {
    if (act->menu()) {
      CollectActions(act->menu(), out);
    } else if (!act->isSeparator()) {
      out.push_back(act);
    }
  }
}

std::set<int> MenuCommandIds(const std::vector<QMenu*>& menus) {
  std::vector<QAction*> actions;
  for (QMenu* menu : menus) CollectActions(menu, actions);
  std::set<int> ids;
  for (QAction* act : actions) ids.insert(act->objectName().mid(7).toInt());
  return ids;
}

// The access key of a menu text ("S&chließen": c), lower case; none for "&&".
QChar AccessKey(const QString& text) {
  for (qsizetype i = text.indexOf('&'); i >= 0 && i + 1 < text.size(); i = text.indexOf('&', i + 2)) {
    if (text[i + 1] != '&') return text[i + 1].toLower();
  }
  return {};
}

// Every item of the menu (and of the menu bar's own titles) has its own access key.
void ExpectDistinctAccessKeys(const QString& where, const QList<QAction*>& items) {
  std::map<QChar, QString> taken;
  for (QAction* act : items) {
    if (act->isSeparator()) continue;
    const QChar key = AccessKey(act->text());
    QVERIFY2(!key.isNull(), qPrintable(where + ": " + act->text()));
    const auto [it, added] = taken.emplace(key, act->text());
    QVERIFY2(added, qPrintable(where + ": " + it->second + " / " + act->text()));
    if (act->menu()) ExpectDistinctAccessKeys(act->text(), act->menu()->actions());
  }
}

// Carries out the zoom, section and print modes only, as if their windows existed.
class FakeModes : public vl::MouseModeClient {
 public:
  bool HandlesMode(int toolId) const override { return toolId == 3001 || toolId == 3004 || toolId == 3011; }
  void ModeClicked(int, QMdiSubWindow*, QPoint) override {}
  void SectionChosen(QRect) override { ++sections; }
  int sections = 0;
};

class FakeHost : public vl::ChildWindowHost {
 public:
  bool HandlesCommand(int id) const override { return id == 1407 || id == 120 || id == 3005; }
  void RunCommand(int id) override { ran.push_back(id); }
  void CloseAllWithoutAsking() override { ++closedAll; }
  std::vector<int> ran;
  int closedAll = 0;
};

void Hover(QWidget* widget) {
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QApplication::sendEvent(widget, &enter);
}

void Leave(QWidget* widget) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(widget, &leave);
}

}  // namespace

class TestFrameCommands : public QObject {
  Q_OBJECT

 private slots:
  void everyMenuCommandHasItsPlaceTextAndKey() {
    FrameFixture f;
    const std::set<int> start = MenuCommandIds(f.frame->startMenus());
    const std::set<int> general = MenuCommandIds(f.frame->cardFileMenus());
    for (const vl::CommandInfo& info : vl::Commands()) {
      if (!info.menuText) continue;
      QVERIFY2(start.count(info.id) || general.count(info.id), qPrintable(QString::number(info.id)));
      QCOMPARE(f.frame->action(info.id)->text(), QString::fromUtf8(info.menuText));
    }
    for (int id : {1400, 1401, 1452, 1453, 1454, 1455, 1456, 1459, 1460, 1461, 1462}) QVERIFY(start.count(id));
    for (int id : {1402, 1403, 1407, 1413, 1419, 1433, 1438, 1446, 1457}) QVERIFY(general.count(id));
    QCOMPARE(f.frame->action(1400)->text(), QString("&Neu..."));
    QCOMPARE(f.frame->action(1403)->text(), QString("S&chließen"));
    QCOMPARE(f.frame->action(1451)->text(), QString("&Immerwährender Kalender (nach Moret)..."));
    const std::pair<int, const char*> keys[] = {{1400, "F2"}, {1401, "F3"}, {1456, "F4"}, {1452, "F5"},
                                                {1453, "F6"}, {1454, "F7"}, {1455, "F8"}, {1435, "F1"},
                                                {120, "F9"},  {121, "F10"}, {145, "F11"}, {146, "F12"}};
    for (const auto& [id, key] : keys) QCOMPARE(f.frame->action(id)->shortcut(), QKeySequence(key));
  }

  void accessKeysAreDistinctInEveryMenu() {
    FrameFixture f;
    for (const auto* menus : {&f.frame->startMenus(), &f.frame->cardFileMenus()}) {
      QList<QAction*> titles;
      for (QMenu* menu : *menus) titles << menu->menuAction();
      ExpectDistinctAccessKeys("Menüleiste", titles);
    }
    QCOMPARE(f.frame->action(1457)->text(), QString("&Automatisches Speichern..."));
  }

  void theMenuBarFollowsTheState() {
    FrameFixture f;
    auto titles = [&] {
      QStringList list;
      for (QAction* act : f.frame->menuBar()->actions()) list << act->text();
      return list;
    };
    QCOMPARE(titles(), (QStringList{"&Datei", "&Austausch", "&Verwaltung", "E&xtras", "&Hilfe"}));
    f.MakeCardFile("Menüs", "Kern");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    QCOMPARE(titles(), (QStringList{"&Datei", "&Urkunde", "Kar&teikarte", "&Stammbaum", "Stat&istik", "Su&chen",
                                    "E&xtras", "&Fenster", "&Hilfe"}));
    QVERIFY(f.frame->CloseCardFile());
    QCOMPARE(titles().size(), 5);
  }

  void selectingAMenuItemShowsItsHint() {
    FrameFixture f;
    QMenu* file = f.frame->startMenus().front();
    file->popup(QPoint(10, 10));
    QTRY_VERIFY(file->isVisible());
    file->setActiveAction(f.frame->action(1401));
    QCOMPARE(f.frame->statusLine()->text(), Hint(1401));
    QCOMPARE(f.frame->statusLine()->text(), QString("Eine vorhandene Kartei öffnen"));
    file->setActiveAction(f.frame->action(1406));
    QCOMPARE(f.frame->statusLine()->text(), Hint(1406));
    file->hide();
    QCOMPARE(f.frame->statusLine()->text(), QString());

    // A submenu's own item clears the line.
    f.MakeCardFile("Hinweise", "Kern");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    QMenu* certificates = f.frame->cardFileMenus()[1];
    certificates->popup(QPoint(10, 10));
    QTRY_VERIFY(certificates->isVisible());
    f.frame->statusLine()->ShowText("alt");
    certificates->setActiveAction(certificates->actions().front());
    QCOMPARE(f.frame->statusLine()->text(), QString());
    certificates->hide();
  }

  void everyCommandAndButtonHasAHint() {
    for (const vl::CommandInfo& info : vl::Commands()) {
      if (info.menuText) QVERIFY2(!Hint(info.hintId).isEmpty(), qPrintable(QString::number(info.id)));
    }
    for (int id = 1; id <= 33; ++id) {
      QVERIFY2(!Hint(id).isEmpty(), qPrintable(QString::number(id)));
      QVERIFY(Hint(id).size() <= vl::StatusLine::kMaxMessageLength);
    }
  }

  void buttonsShowTheirHintsWhileTheMouseIsOverThem() {
    FrameFixture f;
    vl::HintButton* open = f.frame->toolBar()->button(2000);
    Hover(open);
    QCOMPARE(f.frame->statusLine()->text(), Hint(1));
    Leave(open);
    QCOMPARE(f.frame->statusLine()->text(), QString());
    Hover(f.frame->startScreen()->button(3501));
    QCOMPARE(f.frame->statusLine()->text(), Hint(27));
    Hover(f.frame->toolWindow()->button(3004));
    QCOMPARE(f.frame->statusLine()->text(), Hint(18));
  }

  void toolbarButtonsSitWhereTheStateWantsThem() {
    FrameFixture f;
    vl::ToolBar* bar = f.frame->toolBar();
    QCOMPARE(bar->height(), 54);
    const std::set<int> startIds{2000, 2012, 2013, 2014, 2015, 2016, 2017, 2018};
    for (const vl::ToolbarButtonInfo& info : vl::ToolBar::Buttons()) {
      QCOMPARE(!bar->button(info.id)->isHidden(), startIds.count(info.id) > 0);
      QCOMPARE(bar->button(info.id)->size(), QSize(42, 42));
      if (info.x >= 0) QCOMPARE(bar->button(info.id)->pos(), QPoint(info.x, 5));
    }
    QCOMPARE(bar->button(2013)->pos(), QPoint(49, 5));
    QCOMPARE(bar->button(2012)->x(), std::max(bar->width() - 47, 336));

    f.MakeCardFile("Leiste", "Kern");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    for (const vl::ToolbarButtonInfo& info : vl::ToolBar::Buttons()) {
      QCOMPARE(!bar->button(info.id)->isHidden(), info.cardFile);
    }
    QCOMPARE(bar->button(2011)->pos(), QPoint(519, 5));
    bar->resize(500, ToolBar::kHeight);
    QCOMPARE(bar->button(2012)->x(), 573);
    bar->resize(1000, ToolBar::kHeight);
    QCOMPARE(bar->button(2012)->x(), 953);
  }

  void unfinishedWindowsStayDisabled() {
    FrameFixture f;
    QVERIFY(!f.frame->action(1452)->isEnabled());
    QVERIFY(!f.frame->startScreen()->button(3503)->isEnabled());
    QVERIFY(!f.frame->toolBar()->button(2014)->isEnabled());
    QVERIFY(f.frame->startScreen()->button(3501)->isEnabled());
    QVERIFY(f.frame->action(1400)->isEnabled());
    QVERIFY(f.frame->action(1450)->isEnabled());

    f.MakeCardFile("Sperren", "Kern");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    for (int id : {1405, 1407, 1413, 1419, 1425, 1426, 1433, 1443, 1446, 1447, 1448, 1449, 120}) {
      QVERIFY2(!f.frame->action(id)->isEnabled(), qPrintable(QString::number(id)));
    }
    for (int id : {2001, 2002, 2007, 2008, 2009, 2010}) QVERIFY(!f.frame->toolBar()->button(id)->isEnabled());
    for (int id : {3005, 3006, 3007, 3008, 3009}) QVERIFY(!f.frame->toolWindow()->button(id)->isEnabled());
    // No window takes the clicks of the mouse modes yet.
    for (int id : {3000, 3001, 3002, 3003, 3004, 3010, 3011}) {
      QVERIFY2(!f.frame->toolWindow()->button(id)->isEnabled(), qPrintable(QString::number(id)));
    }
    QVERIFY(f.frame->toolBar()->button(2011)->isEnabled());
    for (int id : {1402, 1403, 1457, 1438, 1441, 2011}) QVERIFY(f.frame->action(id)->isEnabled());
    // Running a disabled command does nothing.
    f.frame->RunCommand(1433);
    f.frame->RunCommand(3011);
    QCOMPARE(f.frame->activeMouseMode(), 0);
    QVERIFY(f.prompter.Empty());
  }

  void laterWindowsAttachTheirCommands() {
    FrameFixture f;
    int statistics = 0;
    bool startShownDuringExport = true;
    f.frame->InstallCommand(1433, [&] { ++statistics; });
    f.frame->InstallCommand(1452, [&] { startShownDuringExport = f.frame->StartScreenShown(); });
    f.frame->InstallCommand(1400, [] {});  // the frame's own commands cannot be replaced
    QVERIFY(f.frame->toolBar()->button(2014)->isEnabled());
    QVERIFY(f.frame->startScreen()->button(3503)->isEnabled());
    QTest::keyClick(f.frame.get(), Qt::Key_F5);
    QVERIFY(!startShownDuringExport);
    QVERIFY(f.frame->StartScreenShown());

    f.frame->RunCommand(1433);  // needs an open card file
    QCOMPARE(statistics, 0);
    f.MakeCardFile("Statistik", "Kern");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    QVERIFY(f.frame->toolBar()->button(2010)->isEnabled());
    QTest::mouseClick(f.frame->toolBar()->button(2010), Qt::LeftButton);
    QCOMPARE(statistics, 1);
  }

  void childWindowCommandsGoToTheHost() {
    FrameFixture f;
    FakeHost host;
    f.frame->SetChildWindowHost(&host);
    QVERIFY(!f.frame->action(1407)->isEnabled());  // no card file yet
    f.MakeCardFile("Kinder", "Kern");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    QVERIFY(f.frame->action(1407)->isEnabled());
    QVERIFY(!f.frame->action(1408)->isEnabled());
    QVERIFY(f.frame->toolBar()->button(2002)->isEnabled());
    QVERIFY(f.frame->toolWindow()->button(3005)->isEnabled());
    QTest::mouseClick(f.frame->toolBar()->button(2002), Qt::LeftButton);
    QTest::keyClick(f.frame.get(), Qt::Key_F9);
    QTest::mouseClick(f.frame->toolWindow()->button(3005), Qt::LeftButton);
    QCOMPARE(host.ran, (std::vector<int>{1407, 120, 3005}));
    QVERIFY(f.frame->CloseCardFile());
    QCOMPARE(host.closedAll, 1);
    f.frame->SetChildWindowHost(nullptr);
  }

  void statusLineClockAndLength() {
    FrameFixture f;
    vl::StatusLine* line = f.frame->statusLine();
    line->ShowText(QString(100, 'x'));
    QCOMPARE(line->text().size(), 79);
    line->OnClockTick();
    QCOMPARE(line->text(), QString());
    QCOMPARE(line->dateText(), QString("06.12.24"));
    QCOMPARE(line->timeText(), QString("14:30"));
    f.clock.Set(vl::TimeStamp{1, 2, 99, 8, 5});
    line->OnClockTick();
    QCOMPARE(line->dateText(), QString("01.02.99"));
    QCOMPARE(line->timeText(), QString("08:05"));
  }

  void mouseModesSwitchCursorAndPrompt() {
    FrameFixture f;
    FakeModes modes;
    f.frame->SetMouseModeClient(&modes);
    f.MakeCardFile("Maus", "Kern");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    for (int id : {3000, 3002, 3003, 3010}) QVERIFY(!f.frame->toolWindow()->button(id)->isEnabled());
    QTest::mouseClick(f.frame->toolWindow()->button(3004), Qt::LeftButton);
    QCOMPARE(f.frame->activeMouseMode(), 3004);
    const QString upperLeft = "Bestimmen Sie die linke obere Ecke des gewünschten Ausschnitts per Mausklick...";
    QCOMPARE(f.frame->statusLine()->text(), upperLeft);
    QVERIFY(f.frame->toolWindow()->button(3004)->isChecked());
    // The prompt outlives the 2-second clock, a hint and the mouse leaving a button.
    f.frame->statusLine()->OnClockTick();
    QCOMPARE(f.frame->statusLine()->text(), upperLeft);
    Hover(f.frame->toolWindow()->button(3011));
    QCOMPARE(f.frame->statusLine()->text(), Hint(25));
    Leave(f.frame->toolWindow()->button(3011));
    QCOMPARE(f.frame->statusLine()->text(), upperLeft);
    // After the press the line asks for the lower right corner until the release.
    QWidget* client = f.frame->mdiArea()->viewport();
    QTest::mousePress(client, Qt::LeftButton, {}, QPoint(20, 20));
    f.frame->statusLine()->OnClockTick();
    QCOMPARE(f.frame->statusLine()->text(),
             QString("Bestimmen Sie die rechte untere Ecke, indem Sie die Maustaste loslassen"));
    QTest::mouseMove(client, QPoint(120, 90));
    QTest::mouseRelease(client, Qt::LeftButton, {}, QPoint(120, 90));
    QCOMPARE(modes.sections, 1);
    QCOMPARE(f.frame->activeMouseMode(), 0);
    QCOMPARE(f.frame->statusLine()->text(), QString());

    QTest::mouseClick(f.frame->toolWindow()->button(3004), Qt::LeftButton);
    QTest::keyClick(f.frame.get(), Qt::Key_Escape);
    QCOMPARE(f.frame->activeMouseMode(), 0);
    QCOMPARE(f.frame->statusLine()->text(), QString());

    QTest::mouseClick(f.frame->toolWindow()->button(3011), Qt::LeftButton);
    const QString print = "Klicken Sie auf den Stammbaum bzw. die Karteikarte, die Sie drucken möchten...";
    QCOMPARE(f.frame->statusLine()->text(), print);
    f.frame->statusLine()->OnClockTick();
    QCOMPARE(f.frame->statusLine()->text(), print);
    QTest::mouseClick(f.frame->toolWindow()->button(3011), Qt::LeftButton);
    QCOMPARE(f.frame->activeMouseMode(), 0);
    QVERIFY(!f.frame->toolWindow()->button(3011)->isChecked());

    QTest::mouseClick(f.frame->toolWindow()->button(3001), Qt::LeftButton);
    QCOMPARE(f.frame->activeMouseMode(), 3001);
    QTest::mouseClick(f.frame->mdiArea()->viewport(), Qt::LeftButton);
    QCOMPARE(f.frame->activeMouseMode(), 0);
    QCOMPARE(f.frame->statusLine()->text(), QString());
    f.frame->SetMouseModeClient(nullptr);
  }

  void windowCommandsArrangeTheChildren() {
    FrameFixture f;
    f.MakeCardFile("Fenster", "Kern");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    QMdiArea* area = f.frame->mdiArea();
    for (int i = 0; i < 3; ++i) area->addSubWindow(new QWidget)->show();
    f.frame->RunCommand(1438);
    const auto windows = area->subWindowList();
    QCOMPARE(windows.size(), 3);
    QVERIFY(!windows[0]->geometry().intersects(windows[1]->geometry()));
    for (QMdiSubWindow* w : windows) w->showMinimized();
    f.frame->RunCommand(1440);
    for (QMdiSubWindow* w : windows) QCOMPARE(w->geometry().bottom(), area->viewport()->height() - 1);
    f.frame->RunCommand(1441);
    QTRY_COMPARE(area->subWindowList().size(), 0);
  }
};

QTEST_MAIN(TestFrameCommands)
#include "test_frame_commands.moc"
