// The homonym window "Namensübereinstimmung" and its place in the desktop prompter.
// The core headers come before Qt's, whose "slots" keyword would rewrite PersonCard::slots.
#include <memory>

#include "common/cp1252.hpp"
#include "common/scripted_prompter.hpp"
#include "records/certificate_save.hpp"
#include "shell/application_setup.hpp"
#include "shell/choice_identity_window.hpp"
#include "shell/homonym_dialog.hpp"
#include "shell/qt_prompter.hpp"
#include "storage/card_file.hpp"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "shell/ui/desktop_windows.hpp"

#undef slots

using namespace vl;

namespace {

struct AnswerCase {
  bool select;           // a person is selected first
  const char* press;     // "ok", "add", "close"
  std::vector<bool> answers;
  std::vector<int> asked;
  HomonymAnswer::Kind kind;
  bool stillOpen;        // the question was cancelled
};

}  // namespace

Q_DECLARE_METATYPE(AnswerCase)

class TestHomonymDialog : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ScriptedPrompter> prompter_;
  std::unique_ptr<CardFile> card_;
  std::vector<HomonymCandidate> candidates_;

 private Q_SLOTS:
  void initTestCase() { SetUpApplication(*qobject_cast<QApplication*>(QCoreApplication::instance())); }

  void init() {
    prompter_ = std::make_unique<ScriptedPrompter>();
    card_ = std::make_unique<CardFile>(*prompter_);
    candidates_.clear();
    for (int i = 0; i < 2; ++i) {
      PersonCard* person = card_->persons.Create(Utf8ToCp1252("Weiß Anna"), 5);
      card_->persons.SetSex(*person, 'F');
      card_->persons.SetDate(*person, DateTimeValue{0, static_cast<int16_t>(3 + i), 4, 1850, 0, 0}, "Ulm", 0);
      candidates_.push_back({person->number, person->fullName});
    }
  }

  void countText() {
    QCOMPARE(HomonymCountText(1), std::string("Es gibt bereits 1 Person(en), \ndie den gleichen Namen  hat"));
    QCOMPARE(HomonymCountText(2), std::string("Es gibt bereits 2 Person(en), \ndie den gleichen Namen  haben"));
  }

  void windowShowsCandidatesAndIdentifiesTheSelected() {
    HomonymDialog dialog(Utf8ToCp1252("WEIß Anna"), candidates_, &card_->persons, *prompter_);
    QCOMPARE(dialog.windowTitle(), QString("Namensübereinstimmung"));
    QCOMPARE(dialog.list()->count(), 2);
    QCOMPARE(dialog.list()->item(0)->text(), QString("Weiß Anna"));
    QCOMPARE(dialog.countLabel()->text(), QString("Es gibt bereits 2 Person(en), \ndie den gleichen Namen  haben"));
    QCOMPARE(dialog.nameLabel()->text(), QString("wie WEIß Anna"));
    QCOMPARE(dialog.addButton()->text(), QString("&Hinzufügen"));
    QVERIFY(!dialog.okButton()->isEnabled());
    dialog.list()->setCurrentRow(1);
    QVERIFY(dialog.okButton()->isEnabled());
    QCOMPARE(dialog.identityWindow()->nameField()->text(), QString("Weiß Anna"));
    QCOMPARE(dialog.identityWindow()->birthField()->text(), QString("* 04.04.1850 (Ulm)"));
    QVERIFY(prompter_->Empty());
  }

  void answers_data() {
    QTest::addColumn<AnswerCase>("c");
    QTest::newRow("OK confirmed") << AnswerCase{true, "ok", {true}, {8395}, HomonymAnswer::Existing, false};
    QTest::newRow("OK cancelled") << AnswerCase{true, "ok", {false}, {8395}, HomonymAnswer::Refused, true};
    QTest::newRow("double click") << AnswerCase{true, "double", {true}, {8395}, HomonymAnswer::Existing, false};
    QTest::newRow("add confirmed") << AnswerCase{false, "add", {true}, {8396}, HomonymAnswer::New, false};
    QTest::newRow("add cancelled") << AnswerCase{false, "add", {false}, {8396}, HomonymAnswer::Refused, true};
    QTest::newRow("closed") << AnswerCase{true, "close", {}, {}, HomonymAnswer::Refused, false};
  }

  void answers() {
    QFETCH(AnswerCase, c);
    for (bool answer : c.answers) prompter_->QueueAnswer(answer);
    HomonymDialog dialog(Utf8ToCp1252("Weiß Anna"), candidates_, &card_->persons, *prompter_);
    HomonymAnswer answer;
    bool openAfter = false;
    QTimer::singleShot(0, this, [&] {
      if (c.select) dialog.list()->setCurrentRow(1);
      const QString press = c.press;
      if (press == "ok") dialog.okButton()->click();
      if (press == "add") dialog.addButton()->click();
      if (press == "double") emit dialog.list()->itemDoubleClicked(dialog.list()->item(1));
      if (press == "close") dialog.close();
      openAfter = dialog.isVisible();
      if (openAfter) dialog.close();
    });
    answer = dialog.Run();
    QCOMPARE(prompter_->Ids(), c.asked);
    for (const ShownMessage& shown : prompter_->shown) QCOMPARE(shown.kind, BoxKind::Continue);
    if (!c.asked.empty()) {
      const QString text = QString::fromStdString(prompter_->shown[0].text);
      QCOMPARE(text, c.asked[0] == 8395 ? QString("Bestätigen Sie die Auswahl der Person!")
                                        : QString("Möchten Sie hinzufügen?"));
    }
    QCOMPARE(openAfter, c.stillOpen);
    QCOMPARE(answer.kind, c.kind);
    if (c.kind == HomonymAnswer::Existing) QCOMPARE(answer.number, candidates_[1].number);
  }

  // The desktop prompter shows the window and asks its questions in continue boxes.
  void desktopPrompterShowsTheWindow() {
    QtPrompter prompter;
    prompter.SetPersonIndex(&card_->persons);
    vltest::BoxWatcher boxes("OK");
    QTimer::singleShot(0, this, [] {
      auto* dialog = qobject_cast<HomonymDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      QCOMPARE(dialog->identityWindow()->isVisible(), true);
      dialog->addButton()->click();
    });
    const HomonymAnswer answer = prompter.ChooseHomonym("main", Utf8ToCp1252("Weiß Anna"), candidates_);
    QCOMPARE(answer.kind, HomonymAnswer::New);
    QCOMPARE(boxes.seen.size(), size_t(1));
    QCOMPARE(boxes.seen[0].text, QString("Möchten Sie hinzufügen? Fortfahren ?"));
    QCOMPARE(boxes.seen[0].title, QString("Bitte bestätigen!"));
  }
};

QTEST_MAIN(TestHomonymDialog)
#include "test_homonym_dialog.moc"
