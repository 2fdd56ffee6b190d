// The help pages, context help with F1 and the about box.
#include <QDirIterator>
#include <QLineEdit>
#include <QToolButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include "dates/ui/moret_dialog.hpp"
#include "shell/help_window.hpp"
#include "shell/icons.hpp"
#include "shell/tool_bar.hpp"
#include "shell/ui/frame_fixture.hpp"
#include "storage/ui/new_card_file_dialog.hpp"

using vl::HelpWindow;
using vltest::FrameFixture;
using vltest::OnModal;

namespace {

QString PageText(const QString& topic) {
  QFile file(QString(":/help/%1.html").arg(topic));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace

class TestHelpWindow : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { vl::InitShellResources(); }

  void theGregorianCalendarTopicExists() {
    QVERIFY(vl::HelpTopicExists("gregorianischer_kalender"));
    const QString page = PageText("gregorianischer_kalender");
    QVERIFY(page.contains("<title>Gregorianischer Kalender</title>"));
    QVERIFY(page.contains("5. bis zum 14. Oktober 1582"));
    QVERIFY(!vl::HelpTopicExists("gibt_es_nicht"));
  }

  void everyLinkLeadsToAPage() {
    QDirIterator pages(":/help", {"*.html"});
    int count = 0;
    const QRegularExpression link("href=\"([a-z_]+)\\.html\"");
    while (pages.hasNext()) {
      const QString path = pages.next();
      ++count;
      QFile file(path);
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QString text = QString::fromUtf8(file.readAll());
      QVERIFY2(text.contains("lang=\"de\""), qPrintable(path));
      for (const auto& match : link.globalMatch(text)) {
        QVERIFY2(vl::HelpTopicExists(match.captured(1)), qPrintable(path + " -> " + match.captured(1)));
      }
    }
    QVERIFY(count >= 10);
  }

  void unknownTopicsShowTheContents() {
    HelpWindow help;
    help.ShowTopic("kartei_anlegen");
    QCOMPARE(help.currentTopic(), QString("kartei_anlegen"));
    QVERIFY(help.browser()->toPlainText().contains("Neue Kartei anlegen"));
    help.ShowTopic("nirgends");
    QCOMPARE(help.currentTopic(), QString("inhalt"));
  }

  void topicsFollowTheWindow() {
    vl::ScriptedPrompter prompter;
    vl::NewCardFileDialog dialog(prompter, "/tmp");
    QCOMPARE(vl::HelpTopicFor(dialog.titleField()), QString("kartei_anlegen"));
    vl::MoretDialog moret;
    QCOMPARE(vl::HelpTopicFor(&moret), QString("immerwaehrender_kalender"));
    QWidget plain;
    QCOMPARE(vl::HelpTopicFor(&plain), QString());
    plain.setProperty("helpTopic", "werkzeug");
    QCOMPARE(vl::HelpTopicFor(&plain), QString("werkzeug"));
  }

  void helpCommandsOpenTheRightPage() {
    FrameFixture f;
    f.frame->RunCommand(1436);
    QVERIFY(f.frame->helpWindow()->isVisible());
    QCOMPARE(f.frame->helpWindow()->currentTopic(), QString("inhalt"));
    f.frame->helpWindow()->close();
    QTest::mouseClick(f.frame->toolBar()->findChild<QToolButton*>("TB_Aide"), Qt::LeftButton);
    QCOMPARE(f.frame->helpWindow()->currentTopic(), QString("inhalt"));
    f.frame->RunCommand(1435);
    QCOMPARE(f.frame->helpWindow()->currentTopic(), QString("startbildschirm"));
  }

  void f1InADialogShowsItsTopic() {
    FrameFixture f;
    QString topic;
    OnModal<vl::NewCardFileDialog>(f.frame.get(), [&](vl::NewCardFileDialog& dialog) {
      QTest::keyClick(dialog.titleField(), Qt::Key_F1);
      for (HelpWindow* help : dialog.findChildren<HelpWindow*>()) {
        if (help->isVisible()) topic = help->currentTopic();
      }
      dialog.reject();
    });
    f.frame->RunCommand(1400);
    QCOMPARE(topic, QString("kartei_anlegen"));
  }
};

QTEST_MAIN(TestHelpWindow)
#include "test_help_window.moc"
