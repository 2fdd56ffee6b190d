// Liste_choix: the place and profession lists to choose from and to clean up.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "common/cp1252.hpp"
#include "common/scripted_prompter.hpp"
#include "storage/modified_flag.hpp"
#include "storage/name_list.hpp"
#include "storage/ui/list_choice_dialog.hpp"

using vl::ListChoiceDialog;
using vl::NameListKind;

namespace {

QStringList Texts(const QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

}  // namespace

class TestListChoiceDialog : public QObject {
  Q_OBJECT

 private slots:
  void showsTheListSortedWithoutRegardToCase() {
    vl::ModifiedFlag modified;
    vl::NameList places(modified);
    for (const char* text : {"bremen", "Aachen", "celle", "Berlin"}) places.Add(text);
    places.Add(vl::Utf8ToCp1252("Bückeburg"));
    vl::ScriptedPrompter prompter;
    ListChoiceDialog dialog(places, NameListKind::Places, prompter);
    QCOMPARE(dialog.windowTitle(), QString("Bereits erfaßte Orte"));
    QCOMPARE(Texts(dialog.list()), (QStringList{"Aachen", "Berlin", "bremen", "Bückeburg", "celle"}));
    QCOMPARE(dialog.countText(), QString("5"));
    QVERIFY(!dialog.deleteButton()->isEnabled());
    QCOMPARE(dialog.deleteButton()->text(), QString("&Löschen"));
    QCOMPARE(dialog.cancelButton()->text(), QString("&Abbrechen"));

    vl::NameList professions(modified);
    ListChoiceDialog other(professions, NameListKind::Professions, prompter);
    QCOMPARE(other.windowTitle(), QString("Bereits erfaßte Berufe"));
    QCOMPARE(other.countText(), QString("0"));
  }

  void okTakesTheSelectedText() {
    vl::ModifiedFlag modified;
    vl::NameList professions(modified);
    professions.Add(vl::Utf8ToCp1252("Müller"));
    professions.Add("Weber");
    vl::ScriptedPrompter prompter;
    {
      ListChoiceDialog dialog(professions, NameListKind::Professions, prompter);
      dialog.show();
      QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
      QCOMPARE(dialog.result(), 0);
      QVERIFY(dialog.chosenText().empty());
    }
    {
      ListChoiceDialog dialog(professions, NameListKind::Professions, prompter);
      dialog.show();
      dialog.list()->setCurrentRow(0);
      QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
      QCOMPARE(dialog.result(), 1);
      QCOMPARE(dialog.chosenText(), vl::Utf8ToCp1252("Müller"));
    }
    {
      ListChoiceDialog dialog(professions, NameListKind::Professions, prompter);
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      QListWidget* list = dialog.list();
      const QPoint second = list->visualItemRect(list->item(1)).center();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
      QCOMPARE(dialog.result(), 1);
      QCOMPARE(dialog.chosenText(), std::string("Weber"));
    }
    {
      ListChoiceDialog dialog(professions, NameListKind::Professions, prompter);
      dialog.show();
      dialog.list()->setCurrentRow(1);
      QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
      QCOMPARE(dialog.result(), 0);
    }
    QCOMPARE(professions.Count(), 2);
  }

  void deletingAsksAndRemovesFromTheList() {
    vl::ModifiedFlag modified;
    vl::NameList places(modified);
    for (const char* text : {"Emden", "Aurich", "Leer"}) places.Add(text);
    modified.Clear();
    vl::ScriptedPrompter prompter;
    ListChoiceDialog dialog(places, NameListKind::Places, prompter);
    dialog.show();
    dialog.list()->setCurrentRow(1);  // Emden
    QVERIFY(dialog.deleteButton()->isEnabled());

    prompter.QueueAnswer(false);
    QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
    QCOMPARE(prompter.Ids(), std::vector<int>{8077});
    QCOMPARE(prompter.shown[0].text, std::string("Möchten Sie Emden wirklich löschen?"));
    QCOMPARE(places.Count(), 3);
    QCOMPARE(dialog.list()->count(), 3);

    prompter.QueueAnswer(true);
    QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
    QCOMPARE(places.Count(), 2);
    QVERIFY(places.Find("Emden") == nullptr);
    QCOMPARE(Texts(dialog.list()), (QStringList{"Aurich", "Leer"}));
    QCOMPARE(dialog.countText(), QString("2"));
    QVERIFY(!dialog.deleteButton()->isEnabled());
    QVERIFY(modified.IsSet());
    QVERIFY(dialog.isVisible());
  }
};

QTEST_MAIN(TestListChoiceDialog)
#include "test_list_choice_dialog.moc"
