// Note: the working notes of the open card file and their limit.
#include <QPlainTextEdit>
#include <QPushButton>

#include "shell/tool_bar.hpp"
#include "shell/hint_button.hpp"
#include "shell/ui/frame_fixture.hpp"
#include "storage/ui/notes_dialog.hpp"

using vl::NotesDialog;
using vltest::FrameFixture;
using vltest::OnModal;

class TestNotesDialog : public QObject {
  Q_OBJECT

 private slots:
  void linesAreStoredWithCarriageReturns() {
    NotesDialog dialog("erste\r\nzweite");
    QCOMPARE(dialog.windowTitle(), QString("Arbeitsnotizen"));
    QCOMPARE(dialog.editor()->toPlainText(), QString("erste\nzweite"));
    dialog.editor()->setPlainText("Kirchenbuch\nSt. Ägidien");
    QCOMPARE(dialog.notes(), vl::Utf8ToCp1252("Kirchenbuch\r\nSt. Ägidien"));
  }

  // An umlaut is one character of the 1999, as it is one byte in the file.
  void notesStopAt1999Characters() {
    NotesDialog dialog(std::string(1997, 'a'));
    dialog.show();
    dialog.editor()->moveCursor(QTextCursor::End);
    for (const QChar letter : QString("äöü")) {
      QTest::sendKeyEvent(QTest::Click, dialog.editor(), Qt::Key(letter.toUpper().unicode()), QString(letter), {});
    }
    QCOMPARE(dialog.notes().size(), size_t{1999});
    QCOMPARE(dialog.notes().substr(1997), vl::Utf8ToCp1252("äö"));
    QCOMPARE(dialog.countText(), QString("1999 von 1999 Zeichen"));
    dialog.editor()->setPlainText("St. Ägidien\nGrüße");
    QCOMPARE(dialog.countText(), QString("18 von 1999 Zeichen"));
    // A line break takes two bytes and no longer fits.
    NotesDialog full(std::string(1998, 'a'));
    full.show();
    full.editor()->moveCursor(QTextCursor::End);
    QTest::keyClick(full.editor(), Qt::Key_Return);
    QCOMPARE(full.notes(), std::string(1998, 'a'));
    // Stored notes longer than the limit are cut.
    NotesDialog cut(std::string(2500, 'z'));
    QCOMPARE(cut.notes().size(), size_t{1999});
  }

  void theToolbarButtonEditsTheCardFileNotes() {
    FrameFixture f;
    f.MakeCardFile("Notizen", "Kern");
    QVERIFY(f.frame->OpenCardFileNumber(1));
    OnModal<NotesDialog>(f.frame.get(), [](NotesDialog& dialog) {
      dialog.editor()->setPlainText("Standesamt Kiel anschreiben\nPfarramt fragen");
      QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    QTest::mouseClick(f.frame->toolBar()->button(2011), Qt::LeftButton);
    QCOMPARE(f.frame->cardFile().notes, std::string("Standesamt Kiel anschreiben\r\nPfarramt fragen"));
    QVERIFY(f.frame->cardFile().modified.IsSet());

    f.frame->RunCommand(1402);
    const auto header = vltest::ReadBytes(f.DataFile("DOSSIER.001"));
    QCOMPARE(vltest::U16At(header, 454), uint16_t{44});
    QCOMPARE(std::string(header.begin() + 456, header.end()), f.frame->cardFile().notes);

    // Cancel keeps the notes, and an unchanged OK does not mark the card file.
    OnModal<NotesDialog>(f.frame.get(), [](NotesDialog& dialog) {
      dialog.editor()->setPlainText("verworfen");
      QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    });
    f.frame->RunCommand(2011);
    OnModal<NotesDialog>(f.frame.get(), [](NotesDialog& dialog) { dialog.accept(); });
    f.frame->RunCommand(2011);
    QCOMPARE(f.frame->cardFile().notes, std::string("Standesamt Kiel anschreiben\r\nPfarramt fragen"));
    QVERIFY(!f.frame->cardFile().modified.IsSet());

    // Closing empties the notes.
    QVERIFY(f.frame->CloseCardFile());
    QVERIFY(f.frame->cardFile().notes.empty());
  }
};

QTEST_MAIN(TestNotesDialog)
#include "test_notes_dialog.moc"
