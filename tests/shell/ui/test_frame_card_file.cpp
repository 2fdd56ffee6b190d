// New, open, save, close and exit of a card file through the real frame.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

#include "shell/application_setup.hpp"
#include "shell/progress_panel.hpp"
#include "shell/qt_prompter.hpp"
#include "shell/ui/desktop_windows.hpp"
#include "shell/ui/frame_fixture.hpp"
#include "shell/tool_bar.hpp"
#include "shell/tool_window.hpp"
#include "storage/ui/new_card_file_dialog.hpp"
#include "storage/ui/open_card_file_dialog.hpp"

using vl::BoxKind;
using vl::NewCardFileDialog;
using vl::OpenCardFileDialog;
using vltest::FrameFixture;
using vltest::OnModal;

namespace {

void ExpectStartState(const vl::FrameWindow& frame) {
  QVERIFY(!frame.IsCardFileOpen());
  QVERIFY(frame.StartScreenShown());
  QVERIFY(!frame.ShowsGeneralMenu());
  QVERIFY(!frame.toolBar()->CardFileState());
  QVERIFY(frame.toolWindow()->isHidden());
  QCOMPARE(vltest::DesktopTitle(frame.windowHandle()), QString("Vorlinde"));
}

void ExpectCardFileState(const vl::FrameWindow& frame, const QString& title) {
  QVERIFY(frame.IsCardFileOpen());
  QVERIFY(!frame.StartScreenShown());
  QVERIFY(frame.ShowsGeneralMenu());
  QVERIFY(frame.toolBar()->CardFileState());
  QVERIFY(!frame.toolWindow()->isHidden());
  QCOMPARE(vltest::DesktopTitle(frame.windowHandle()), "Vorlinde : " + title);
  QVERIFY(!frame.cardFile().modified.IsSet());
}

std::string Latin(const char* utf8) { return vl::Utf8ToCp1252(utf8); }

}  // namespace

class TestFrameCardFile : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { vl::SetUpApplication(*qobject_cast<QApplication*>(QCoreApplication::instance())); }

  void f2CreatesACardFileAndInsistsOnTitleAndName() {
    FrameFixture f;
    ExpectStartState(*f.frame);
    bool checked = false;
    OnModal<NewCardFileDialog>(f.frame.get(), [&](NewCardFileDialog& dialog) {
      QCOMPARE(vltest::DesktopTitle(dialog.windowHandle()), QString("Neue Kartei anlegen"));
      QCOMPARE(dialog.titleField()->maxLength(), 79);
      QCOMPARE(dialog.nameField()->maxLength(), 29);
      QCOMPARE(dialog.firstNameField()->maxLength(), 19);
      QCOMPARE(dialog.addressField()->maxLength(), 79);
      QCOMPARE(dialog.townField()->maxLength(), 29);
      QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
      QVERIFY(dialog.isVisible());
      dialog.titleField()->setText("Familie Größer");
      QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
      QVERIFY(dialog.isVisible());
      dialog.nameField()->setText("Größer");
      dialog.firstNameField()->setText("Jörg");
      dialog.addressField()->setText("Am Markt 3");
      dialog.townField()->setText("Weißenfels");
      checked = true;
      QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    QTest::keyClick(f.frame.get(), Qt::Key_F2);
    QVERIFY(checked);

    QCOMPARE(f.prompter.Ids(), (std::vector<int>{8061, 8062}));
    QCOMPARE(f.prompter.shown[0].kind, BoxKind::Information);
    QCOMPARE(f.prompter.shown[0].text, std::string("Geben Sie bitte den Titel dieser Kartei ein!"));
    QCOMPARE(f.prompter.shown[1].text, std::string("Geben Sie bitte Ihren Namen ein!"));
    ExpectCardFileState(*f.frame, "Familie Größer");
    QCOMPARE(f.frame->cardFile().number, 1);
    QCOMPARE(f.frame->TreeZoom(), 1);

    const auto header = vltest::ReadBytes(f.DataFile("DOSSIER.001"));
    QCOMPARE(header.size(), size_t{456});
    QCOMPARE(vltest::U16At(header, 0), uint16_t{150});
    QCOMPARE(vltest::TextAt(header, 2, 80), Latin("Familie Größer"));
    QCOMPARE(vltest::TextAt(header, 82, 30), Latin("Größer"));
    QCOMPARE(vltest::TextAt(header, 112, 20), Latin("Jörg"));
    QCOMPARE(vltest::TextAt(header, 132, 30), Latin("Weißenfels"));
    QCOMPARE(vltest::TextAt(header, 162, 80), Latin("Am Markt 3"));
    QCOMPARE(vltest::U16At(header, 452), uint16_t{1});
    for (const char* name : {"FICHES.001", "NAISS.001", "MARIAGES.001", "DECES.001", "BAPTEMES.001", "BENEDICT.001",
                             "SEPULTUR.001", "COMMUNES.001", "PROFESSI.001"}) {
      QVERIFY2(std::filesystem::exists(f.DataFile(name)), name);
    }
    QVERIFY(f.frame->progressPanel()->isHidden());
  }

  void cancellingTheNewCardFileBringsTheStartScreenBack() {
    FrameFixture f;
    OnModal<NewCardFileDialog>(f.frame.get(), [](NewCardFileDialog& dialog) {
      dialog.titleField()->setText("Verworfen");
      QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    });
    f.frame->RunCommand(1400);
    ExpectStartState(*f.frame);
    QVERIFY(!std::filesystem::exists(f.DataFile("DOSSIER.001")));
    QVERIFY(f.prompter.Empty());
  }

  // New and open belong to the start screen: with a card file open F2 and F3 do nothing.
  void cardFileCommandsWaitForTheStartScreen() {
    FrameFixture f;
    f.MakeCardFile("Erste", "Meier");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    bool dialogSeen = false;
    OnModal<QDialog>(f.frame.get(), [&](QDialog& dialog) {
      dialogSeen = true;
      dialog.reject();
    });
    QTest::keyClick(f.frame.get(), Qt::Key_F2);
    QTest::keyClick(f.frame.get(), Qt::Key_F3);
    QTest::qWait(50);
    QVERIFY(!dialogSeen);
    QVERIFY(f.frame->IsCardFileOpen());
  }

  void f3ListsCurrentCardFilesOnlyAndOpensTheChosenOne() {
    FrameFixture f;
    f.MakeCardFile("Linie Hartmann", "Hartmann");
    f.MakeCardFile("Linie Schäfer", "Schäfer", [](vl::CardFile& card) {
      card.places.Add("Minden");
      card.persons.Create("Schaefer Karl", 8);
    });
    // An older format and a header too short to read are left out.
    std::vector<uint8_t> older(456, 0);
    older[0] = 140;
    older[2] = 'A';
    std::ofstream(f.DataFile("DOSSIER.003"), std::ios::binary).write(reinterpret_cast<const char*>(older.data()), 456);
    std::ofstream(f.DataFile("DOSSIER.004"), std::ios::binary) << "kurz";

    bool checked = false;
    OnModal<OpenCardFileDialog>(f.frame.get(), [&](OpenCardFileDialog& dialog) {
      QCOMPARE(vltest::DesktopTitle(dialog.windowHandle()), QString("Kartei öffnen"));
      QCOMPARE(dialog.list()->count(), 2);
      QCOMPARE(dialog.list()->item(0)->text(), QString("Linie Hartmann"));
      QCOMPARE(dialog.list()->item(1)->text(), QString("Linie Schäfer"));
      QCOMPARE(dialog.list()->currentRow(), 0);
      QCOMPARE(dialog.titleText(), QString("Linie Hartmann"));
      QCOMPARE(dialog.ownerText(), QString("Hartmann Anna"));
      QCOMPARE(dialog.createdText(), QString("06.12.2024 um 14:30"));
      QCOMPARE(dialog.savedText(), QString("06.12.2024 um 14:30"));
      dialog.list()->setCurrentRow(1);
      QCOMPARE(dialog.titleText(), QString("Linie Schäfer"));
      QCOMPARE(dialog.selectedNumber(), 2);
      checked = true;
      QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    QTest::keyClick(f.frame.get(), Qt::Key_F3);
    QVERIFY(checked);
    QCOMPARE(f.prompter.Ids(), std::vector<int>{8015});
    ExpectCardFileState(*f.frame, "Linie Schäfer");
    QCOMPARE(f.frame->cardFile().number, 2);
    QCOMPARE(f.frame->cardFile().persons.Count(), size_t{1});
    QCOMPARE(f.frame->cardFile().places.Count(), 1);
  }

  void doubleClickOpensAndCancelReturns() {
    FrameFixture f;
    f.MakeCardFile("Einzige", "Berg");
    OnModal<OpenCardFileDialog>(f.frame.get(), [](OpenCardFileDialog& dialog) { dialog.reject(); });
    f.frame->RunCommand(1401);
    ExpectStartState(*f.frame);

    OnModal<OpenCardFileDialog>(f.frame.get(), [](OpenCardFileDialog& dialog) {
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      QListWidget* list = dialog.list();
      const QRect item = list->visualItemRect(list->item(0));
      // The second click of a double click follows a first one.
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());
    });
    f.frame->RunCommand(1401);
    ExpectCardFileState(*f.frame, "Einzige");
  }

  void missingPersonFileShows8004AndReturnsToTheStart() {
    FrameFixture f;
    f.MakeCardFile("Ohne Karteikarten", "Lang", [](vl::CardFile& card) { card.persons.Create("Lang Otto", 4); });
    std::filesystem::remove(f.DataFile("FICHES.001"));
    OnModal<OpenCardFileDialog>(f.frame.get(), [](OpenCardFileDialog& dialog) { dialog.accept(); });
    f.frame->RunCommand(1401);
    QCOMPARE(f.prompter.Ids(), std::vector<int>{8004});
    QCOMPARE(f.prompter.shown[0].text, "Fehler beim Öffnen der Datei " + f.DataFile("FICHES.001").string());
    ExpectStartState(*f.frame);
    QCOMPARE(f.frame->cardFile().persons.Count(), size_t{0});
    QVERIFY(!f.frame->cardFile().modified.IsSet());
  }

  void saveCloseAndExitWriteChangesWithoutAsking() {
    FrameFixture f;
    f.MakeCardFile("Speicherprobe", "Vogt");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    vl::CardFile& card = f.frame->cardFile();

    card.places.Add("Husum");
    f.frame->RunCommand(1402);
    QVERIFY(!card.modified.IsSet());
    auto places = vltest::ReadBytes(f.DataFile("COMMUNES.001"));
    QCOMPARE(vltest::U16At(places, 262), uint16_t{1});
    QCOMPARE(std::string(places.begin() + 268, places.begin() + 273), std::string("Husum"));

    card.persons.Create("Vogt Emil", 4);
    f.frame->RunCommand(1403);
    QVERIFY(f.prompter.Empty());
    QCOMPARE(vltest::U16At(vltest::ReadBytes(f.DataFile("DOSSIER.001")), 432), uint16_t{1});
    ExpectStartState(*f.frame);
    QCOMPARE(f.frame->cardFile().persons.Count(), size_t{0});

    QVERIFY(f.frame->OpenCardFileNumber(1));
    f.frame->cardFile().persons.Create("Vogt Ida", 4);
    QVERIFY(f.frame->close());
    QVERIFY(f.prompter.Empty());
    QVERIFY(!f.frame->isVisible());
    QCOMPARE(vltest::U16At(vltest::ReadBytes(f.DataFile("DOSSIER.001")), 432), uint16_t{2});
  }

  void closingAnUnmodifiedCardFileWritesNothing() {
    FrameFixture f;
    f.MakeCardFile("Unberührt", "Roth");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    QVERIFY(f.frame->CloseCardFile());
    // Loading renews the list's access stamp, so only the person file tells: it was not rewritten.
    QVERIFY(!std::filesystem::exists(f.DataFile("FICHESS.001")));
    ExpectStartState(*f.frame);
  }

  // A card file that cannot be saved stays open, so that its changes are not lost.
  void failedSaveKeepsTheCardFileOpen() {
    FrameFixture f;
    f.MakeCardFile("Gefährdet", "Kühn");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    f.frame->cardFile().persons.Create("Kuehn Lotte", 5);
    std::filesystem::rename(f.home.DataDir(), f.home.Root() / "WEG");

    f.frame->RunCommand(1403);
    QVERIFY(f.frame->IsCardFileOpen());
    QVERIFY(f.frame->cardFile().modified.IsSet());
    QCOMPARE(f.frame->cardFile().persons.Count(), size_t{1});
    QVERIFY(!f.prompter.shown.empty());
    const vl::ShownMessage& kept = f.prompter.shown.back();
    QCOMPARE(kept.kind, BoxKind::Error);
    QVERIFY(QString::fromStdString(kept.text).contains("bleibt deshalb geöffnet"));

    // Exit asks; "no" keeps the program and the card file.
    f.prompter.shown.clear();
    QVERIFY(!f.frame->close());
    QVERIFY(f.frame->isVisible());
    QVERIFY(f.frame->IsCardFileOpen());
    QCOMPARE(f.prompter.shown.back().kind, BoxKind::QuestionDefaultNo);
    QVERIFY(QString::fromStdString(f.prompter.shown.back().text).endsWith("Trotzdem beenden?"));

    // Once the directory is back, exit saves after all.
    std::filesystem::rename(f.home.Root() / "WEG", f.home.DataDir());
    QVERIFY(f.frame->close());
    QCOMPARE(vltest::U16At(vltest::ReadBytes(f.DataFile("DOSSIER.001")), 432), uint16_t{1});
  }

  // Enter on the exit question after a failed save keeps the program and the changes.
  void exitAfterAFailedSaveDefaultsToNo() {
    vl::QtPrompter boxes;
    FrameFixture f(&boxes);
    f.MakeCardFile("Gefährdet", "Kühn");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    f.frame->cardFile().persons.Create("Kuehn Lotte", 5);
    std::filesystem::rename(f.home.DataDir(), f.home.Root() / "WEG");
    vltest::BoxWatcher watcher;
    QVERIFY(!f.frame->close());
    QVERIFY(f.frame->IsCardFileOpen());
    QVERIFY(f.frame->cardFile().modified.IsSet());
    QVERIFY(watcher.seen.size() >= 2);
    QCOMPARE(watcher.seen.front().title, QString("Fehler"));
    const vltest::SeenBox& question = watcher.seen.back();
    QCOMPARE(question.title, QString("Bitte bestätigen!"));
    QVERIFY(question.text.endsWith("Trotzdem beenden?"));
    QCOMPARE(question.defaultButton, QString("&Nein"));
  }

  void aFileSetThatStopsPartWayIsNotOpened() {
    FrameFixture f;
    std::ofstream(f.DataFile("NAISS.001")) << "alt";
    f.prompter.QueueAnswer(false);  // keep the existing NAISS.001
    OnModal<NewCardFileDialog>(f.frame.get(), [](NewCardFileDialog& dialog) {
      dialog.titleField()->setText("Halb");
      dialog.nameField()->setText("Ernst");
      dialog.accept();
    });
    f.frame->RunCommand(1400);
    QCOMPARE(f.prompter.Ids(), std::vector<int>{8009});
    ExpectStartState(*f.frame);
  }
};

QTEST_MAIN(TestFrameCardFile)
#include "test_frame_card_file.moc"
