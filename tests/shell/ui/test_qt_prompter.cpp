// The message boxes of the desktop program and its progress window.
#include "common/messages.hpp"
#include "shell/application_setup.hpp"
#include "shell/progress_panel.hpp"
#include "shell/qt_prompter.hpp"
#include "shell/ui/desktop_windows.hpp"

namespace {

enum class Box { Error, Information, Question, CarefulQuestion, Continue };

struct BoxCase {
  Box box;
  int id;               // 0: the message is a text given directly
  const char* message;  // the text, or the argument of the numbered message
  const char* press;    // empty: Enter, which takes the default button
  const char* title;    // as the desktop shows it
  const char* text;
  QMessageBox::Icon icon;
  QStringList buttons;
  const char* defaultButton;
  bool answer;  // yes or OK
};

// Shows the box through the prompter; the answer is true for yes and OK.
bool Show(vl::QtPrompter& prompter, Box box, const vl::Message& message) {
  switch (box) {
    case Box::Error:
      prompter.ShowError(message);
      return true;
    case Box::Information:
      prompter.ShowInformation(message);
      return true;
    case Box::Question:
      return prompter.AskYesNo(message);
    case Box::CarefulQuestion:
      return prompter.AskYesNoDefaultNo(message);
    case Box::Continue:
      return prompter.AskContinue(message);
  }
  return false;
}

}  // namespace

Q_DECLARE_METATYPE(BoxCase)

class TestQtPrompter : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { vl::SetUpApplication(*qobject_cast<QApplication*>(QCoreApplication::instance())); }

  void boxes_data() {
    const QStringList ok{"OK"};
    const QStringList yesNo{"&Ja", "&Nein"};
    const QStringList okCancel{"OK", "Abbrechen"};
    const char* confirm = "Bitte bestätigen!";
    const auto question = QMessageBox::Question;
    const std::pair<const char*, BoxCase> cases[] = {
        {"error",
         {Box::Error, 8015, "/tmp/DOSSIER.001", "", "Fehler", "Die Datei /tmp/DOSSIER.001 kann nicht geöffnet werden!",
          QMessageBox::Critical, ok, "OK", true}},
        {"information",
         {Box::Information, 8061, "", "", "Information", "Geben Sie bitte den Titel dieser Kartei ein!",
          QMessageBox::Information, ok, "OK", true}},
        {"question yes",
         {Box::Question, 8077, "Köln", "&Ja", confirm, "Möchten Sie Köln wirklich löschen?", question, yesNo, "&Ja",
          true}},
        {"question no",
         {Box::Question, 8107, "", "&Nein", confirm, "Möchten Sie wirklich löschen?", question, yesNo, "&Ja", false}},
        {"careful question, Enter",
         {Box::CarefulQuestion, 0, "Trotzdem beenden?", "", confirm, "Trotzdem beenden?", question, yesNo, "&Nein",
          false}},
        {"careful question, yes",
         {Box::CarefulQuestion, 0, "Trotzdem beenden?", "&Ja", confirm, "Trotzdem beenden?", question, yesNo, "&Nein",
          true}},
        {"continue",
         {Box::Continue, 0, "Das Alter ist ungewöhnlich.", "OK", confirm, "Das Alter ist ungewöhnlich. Fortfahren ?",
          question, okCancel, "OK", true}},
        {"continue cancelled",
         {Box::Continue, 0, "Noch einmal.", "Abbrechen", confirm, "Noch einmal. Fortfahren ?", question, okCancel, "OK",
          false}},
    };
    QTest::addColumn<BoxCase>("expected");
    for (const auto& [name, expected] : cases) QTest::newRow(name) << expected;
  }

  void boxes() {
    QFETCH(BoxCase, expected);
    vl::QtPrompter prompter;
    vltest::BoxWatcher watcher(QString::fromUtf8(expected.press));
    const std::string text = expected.message;
    const vl::Message message = expected.id == 0 ? vl::DirectText(text)
                                : text.empty()   ? vl::Msg(expected.id)
                                                 : vl::Msg(expected.id, text);
    const bool answer = Show(prompter, expected.box, message);
    QCOMPARE(watcher.seen.size(), size_t{1});
    const vltest::SeenBox& seen = watcher.seen.front();
    QCOMPARE(seen.title, QString::fromUtf8(expected.title));
    QCOMPARE(seen.text, QString::fromUtf8(expected.text));
    QCOMPARE(seen.icon, expected.icon);
    QCOMPARE(seen.buttons, expected.buttons);
    QCOMPARE(seen.defaultButton, QString::fromUtf8(expected.defaultButton));
    QCOMPARE(answer, expected.answer);
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
