// The message boxes of the desktop program and its progress window.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "common/messages.hpp"
#include "shell/progress_panel.hpp"
#include "shell/qt_prompter.hpp"

namespace {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
};

// Records the next message box and presses the button with the given text.
void AnswerBox(SeenBox& seen, const QString& press) {
  QTimer::singleShot(5, [&seen, press] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
      AnswerBox(seen, press);
      return;
    }
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    for (QAbstractButton* button : box->buttons()) {
      seen.buttons << button->text();
      if (button->text() == press) button->click();
    }
  });
}

}  // namespace

class TestQtPrompter : public QObject {
  Q_OBJECT

 private slots:
  void errorBox() {
    vl::QtPrompter prompter;
    SeenBox seen;
    AnswerBox(seen, "OK");
    prompter.ShowError(vl::Msg(8015, std::string("/tmp/DOSSIER.001")));
    QCOMPARE(seen.title, QString("Fehler"));
    QCOMPARE(seen.text, QString("Die Datei /tmp/DOSSIER.001 kann nicht geöffnet werden!"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QStringList{"OK"});
  }

  void informationBox() {
    vl::QtPrompter prompter;
    SeenBox seen;
    AnswerBox(seen, "OK");
    prompter.ShowInformation(vl::Msg(8061));
    QCOMPARE(seen.title, QString("Information"));
    QCOMPARE(seen.text, QString("Geben Sie bitte den Titel dieser Kartei ein!"));
    QCOMPARE(seen.icon, QMessageBox::Information);
  }

  void questionBoxAnswersYesAndNo() {
    vl::QtPrompter prompter;
    SeenBox yes;
    AnswerBox(yes, "&Ja");
    QVERIFY(prompter.AskYesNo(vl::Msg(8077, std::string("Köln"))));
    QCOMPARE(yes.title, QString("Bitte bestätigen!"));
    QCOMPARE(yes.text, QString("Möchten Sie Köln wirklich löschen?"));
    QCOMPARE(yes.buttons.size(), 2);
    QVERIFY(yes.buttons.contains("&Nein"));
    SeenBox no;
    AnswerBox(no, "&Nein");
    QVERIFY(!prompter.AskYesNo(vl::Msg(8107)));
  }

  void continueBoxAppendsItsQuestion() {
    vl::QtPrompter prompter;
    SeenBox ok;
    AnswerBox(ok, "OK");
    QVERIFY(prompter.AskContinue(vl::DirectText("Das Alter ist ungewöhnlich.")));
    QCOMPARE(ok.title, QString("Bitte bestätigen!"));
    QCOMPARE(ok.text, QString("Das Alter ist ungewöhnlich. Fortfahren ?"));
    QCOMPARE(ok.icon, QMessageBox::Question);
    QVERIFY(ok.buttons.contains("Abbrechen"));
    SeenBox cancel;
    AnswerBox(cancel, "Abbrechen");
    QVERIFY(!prompter.AskContinue(vl::DirectText("Noch einmal.")));
  }

  void statusTextGoesToItsSink() {
    vl::QtPrompter prompter;
    std::vector<std::string> texts;
    prompter.SetStatusText("ohne Ziel");
    prompter.SetStatusSink([&](const std::string& text) { texts.push_back(text); });
    prompter.SetStatusText("Kartei wird automatisch gespeichert...");
    QCOMPARE(texts, std::vector<std::string>{"Kartei wird automatisch gespeichert..."});
  }

  void progressPanelLinesAndBar() {
    QWidget parent;
    parent.resize(600, 400);
    vl::ProgressPanel panel(&parent);
    parent.show();
    panel.Open();
    QVERIFY(panel.isVisible());
    QCOMPARE(panel.percentText(), QString());
    panel.SetLine(0, "Laden der Kartei");
    panel.SetLine(2, "Orte.");
    panel.SetLine(3, "wird übergangen");
    QCOMPARE(panel.lineText(0), QString("Laden der Kartei"));
    QCOMPARE(panel.lineText(1), QString());
    QCOMPARE(panel.lineText(2), QString("Orte."));
    panel.SetPercent(42);
    QCOMPARE(panel.percentText(), QString("42 %"));
    QCOMPARE(panel.percent(), 42);
    panel.SetPercent(vl::ProgressWindow::kReset);
    QCOMPARE(panel.percentText(), QString());
    QCOMPARE(panel.percent(), 0);
    panel.SetPercent(100);
    QCOMPARE(panel.percentText(), QString("100 %"));
    // Centred over its parent.
    QCOMPARE(panel.geometry().center().x(), QRect(QPoint(0, 0), parent.size()).center().x());
    panel.Open();
    QCOMPARE(panel.lineText(0), QString());
    QCOMPARE(panel.percentText(), QString());
    panel.Close();
    QVERIFY(!panel.isVisible());
  }
};

QTEST_MAIN(TestQtPrompter)
#include "test_qt_prompter.moc"
