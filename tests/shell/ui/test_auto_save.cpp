// The automatic save: only modified minutes count, interval 0 never saves; the settings dialog.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "shell/auto_save.hpp"
#include "shell/status_line.hpp"
#include "shell/ui/frame_fixture.hpp"
#include "storage/ui/auto_save_dialog.hpp"

using vl::AutoSave;
using vl::AutoSaveDialog;
using vltest::FrameFixture;
using vltest::OnModal;

class TestAutoSave : public QObject {
  Q_OBJECT

 private slots:
  void onlyModifiedMinutesCountTowardsTheSave() {
    FrameFixture f;
    f.MakeCardFile("Minuten", "Uhr");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    QCOMPARE(f.frame->autoSave().Interval(), 10);
    vl::CardFile& card = f.frame->cardFile();

    for (int i = 0; i < 25; ++i) QVERIFY(!f.frame->OnMinuteTick());  // nothing to save
    QCOMPARE(f.frame->autoSave().Counter(), 0);

    card.persons.Create("Uhr Max", 3);
    for (int i = 0; i < 4; ++i) QVERIFY(!f.frame->OnMinuteTick());
    // A save in between (here by command) starts the count again.
    f.frame->RunCommand(1402);
    QCOMPARE(f.frame->autoSave().Counter(), 0);
    for (int i = 0; i < 5; ++i) QVERIFY(!f.frame->OnMinuteTick());

    card.persons.Create("Uhr Eva", 3);
    for (int i = 1; i < 10; ++i) QVERIFY2(!f.frame->OnMinuteTick(), qPrintable(QString::number(i)));
    QCOMPARE(f.frame->autoSave().Counter(), 9);
    QVERIFY(f.frame->OnMinuteTick());
    QCOMPARE(f.frame->statusLine()->text(), QString("Kartei wird automatisch gespeichert..."));
    // The save is posted and runs from the event loop.
    QVERIFY(card.modified.IsSet());
    QTRY_VERIFY(!card.modified.IsSet());
    QCOMPARE(f.frame->statusLine()->text(), QString());
    QCOMPARE(vltest::U16At(vltest::ReadBytes(f.DataFile("DOSSIER.001")), 432), uint16_t{2});
    QVERIFY(f.prompter.Empty());
  }

  // A failed automatic save keeps the changes marked and tries again after the next interval.
  void failedAutomaticSaveKeepsTheChanges() {
    FrameFixture f;
    f.MakeCardFile("Ausfall", "Stein");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    f.frame->autoSave().Configure(true, 2);
    f.frame->cardFile().persons.Create("Stein Olga", 5);
    std::filesystem::rename(f.home.DataDir(), f.home.Root() / "WEG");
    QVERIFY(!f.frame->OnMinuteTick());
    QVERIFY(f.frame->OnMinuteTick());
    QTRY_VERIFY(f.frame->statusLine()->text().isEmpty());
    QVERIFY(f.frame->IsCardFileOpen());
    QVERIFY(f.frame->cardFile().modified.IsSet());
    QCOMPARE(f.frame->cardFile().persons.Count(), size_t{1});
    QVERIFY(!f.prompter.shown.empty());
    QCOMPARE(f.prompter.shown.front().id, 8004);

    std::filesystem::rename(f.home.Root() / "WEG", f.home.DataDir());
    QVERIFY(!f.frame->OnMinuteTick());
    QVERIFY(f.frame->OnMinuteTick());
    QTRY_VERIFY(!f.frame->cardFile().modified.IsSet());
    QCOMPARE(vltest::U16At(vltest::ReadBytes(f.DataFile("DOSSIER.001")), 432), uint16_t{1});
  }

  void noCountingWithoutAnOpenCardFile() {
    FrameFixture f;
    f.frame->cardFile().modified.Set();
    for (int i = 0; i < 12; ++i) QVERIFY(!f.frame->OnMinuteTick());
    QCOMPARE(f.frame->autoSave().Counter(), 0);
  }

  void intervalZeroNeverSaves() {
    AutoSave save;
    save.Configure(true, 0);
    // Far more minutes than a 16-bit counter holds.
    for (int i = 0; i < 70000; ++i) QVERIFY(!save.Tick(true, true));
    save.Configure(false, 25);
    QCOMPARE(save.Interval(), 0);
    QVERIFY(!save.Enabled());
    for (int i = 0; i < 30; ++i) QVERIFY(!save.Tick(true, true));
  }

  void noCountWhileASaveRuns() {
    AutoSave save;
    save.Configure(true, 2);
    save.SetAllowed(false);
    QVERIFY(!save.Tick(true, true));
    QVERIFY(!save.Tick(true, true));
    save.SetAllowed(true);
    QVERIFY(!save.Tick(true, true));
    QVERIFY(save.Tick(true, true));
    QCOMPARE(save.Counter(), 0);
  }

  void typedIntervalIsReadLikeADecimalNumber() {
    QCOMPARE(vl::ParseAutoSaveInterval("15"), 15);
    QCOMPARE(vl::ParseAutoSaveInterval("  7"), 7);
    QCOMPARE(vl::ParseAutoSaveInterval("12ab"), 12);
    QCOMPARE(vl::ParseAutoSaveInterval("abc"), 0);
    QCOMPARE(vl::ParseAutoSaveInterval(""), 0);
    QCOMPARE(vl::ParseAutoSaveInterval("-5"), 0);
    QCOMPARE(vl::ParseAutoSaveInterval("9999"), 9999);
    QCOMPARE(vl::ParseAutoSaveInterval("123456"), 9999);
  }

  // Letters are taken as typed, so that OK gives interval 0 instead of keeping the old one.
  void settingsFieldTakesFourCharactersOfAnyKind() {
    AutoSaveDialog dialog(true, 10, nullptr);
    QCOMPARE(dialog.windowTitle(), QString("Automatisches Speichern"));
    QCOMPARE(dialog.enabledBox()->text().remove('&'), QString("Automatisches Speichern:"));
    QLineEdit* field = dialog.intervalField();
    QCOMPARE(field->text(), QString("10"));
    QCOMPARE(field->maxLength(), 4);
    const std::pair<const char*, int> typed[] = {{"zehn", 0}, {"abc", 0}, {"12345", 1234}, {"x7", 0}, {"7x", 7}};
    for (const auto& [keys, interval] : typed) {
      field->selectAll();
      QTest::keyClicks(field, keys);
      QCOMPARE(field->text(), QString(keys).left(4));
      QCOMPARE(dialog.interval(), interval);
    }

    dialog.enabledBox()->setChecked(false);
    QVERIFY(!field->isEnabled());
    QCOMPARE(field->text(), QString());
    QCOMPARE(dialog.interval(), 0);
    QVERIFY(!dialog.enabled());
    dialog.enabledBox()->setChecked(true);
    QVERIFY(field->isEnabled());
    QCOMPARE(field->text(), QString("7x"));
  }

  void settingsDialogStoresTheChoiceAndRestartsTheCount() {
    FrameFixture f;
    f.MakeCardFile("Einstellung", "Kurz");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    f.frame->cardFile().modified.Set();
    f.frame->OnMinuteTick();
    f.frame->OnMinuteTick();
    QCOMPARE(f.frame->autoSave().Counter(), 2);

    OnModal<AutoSaveDialog>(f.frame.get(), [](AutoSaveDialog& dialog) {
      dialog.intervalField()->selectAll();
      QTest::keyClicks(dialog.intervalField(), "3");
      QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    f.frame->RunCommand(1457);
    QCOMPARE(f.frame->autoSave().Interval(), 3);
    QCOMPARE(f.frame->autoSave().Counter(), 0);
    QVERIFY(!f.frame->OnMinuteTick());
    QVERIFY(!f.frame->OnMinuteTick());
    QVERIFY(f.frame->OnMinuteTick());
    QTRY_VERIFY(!f.frame->cardFile().modified.IsSet());

    // Letters only, typed over the shown interval: interval 0, never saved.
    OnModal<AutoSaveDialog>(f.frame.get(), [](AutoSaveDialog& dialog) {
      QCOMPARE(dialog.intervalField()->text(), QString("3"));
      dialog.intervalField()->selectAll();
      QTest::keyClicks(dialog.intervalField(), "zehn");
      QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    f.frame->RunCommand(1457);
    QCOMPARE(f.frame->autoSave().Interval(), 0);
    f.frame->cardFile().modified.Set();
    for (int i = 0; i < 50; ++i) QVERIFY(!f.frame->OnMinuteTick());

    // Unchecked: disabled with interval 0.
    OnModal<AutoSaveDialog>(f.frame.get(), [](AutoSaveDialog& dialog) {
      dialog.enabledBox()->setChecked(false);
      dialog.accept();
    });
    f.frame->RunCommand(1457);
    QVERIFY(!f.frame->autoSave().Enabled());
    QCOMPARE(f.frame->autoSave().Interval(), 0);
  }
};

QTEST_MAIN(TestAutoSave)
#include "test_auto_save.moc"
