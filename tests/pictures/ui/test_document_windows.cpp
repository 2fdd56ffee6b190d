// Objet (the documents of a person card) and Capture (a marked part of a window saved as bitmap).
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "common/cp1252.hpp"
#include "common/scripted_prompter.hpp"
#include "common/ui/dib_image.hpp"
#include "pictures/dib_reader.hpp"
#include "pictures/ui/capture_dialog.hpp"
#include "pictures/ui/objects_dialog.hpp"
#include "pictures/ui/screen_capture.hpp"

namespace {

namespace fs = std::filesystem;

QStringList Texts(const QListWidget& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
  return texts;
}

void WriteText(const fs::path& path, const char* text) {
  QFile file(QString::fromStdString(path.string()));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(text);
}

QImage Pattern(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 5 % 256, y * 9 % 256, 77));
  }
  return image;
}

}  // namespace

class TestDocumentWindows : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    objects_ = fs::path(dir_->path().toStdString()) / "OBJEKTE";
    fs::create_directories(objects_);
    person_ = vl::PersonCard{};
    person_.fullName = vl::Utf8ToCp1252("Weber Käthe");
    person_.documents = {{"Brief", "brief.txt"}, {"Ohne Endung", "notiz"}};
    modified_.Clear();
  }

  void theDialogShowsTheListAndEditsACopy() {
    vl::ScriptedPrompter prompter;
    vl::ObjectsDialog dialog(person_, modified_, objects_, prompter);
    QCOMPARE(dialog.windowTitle(), QString("Objekte"));
    QCOMPARE(dialog.nameLabel()->text(), QString("Weber Käthe"));
    QCOMPARE(Texts(*dialog.descriptionList()), (QStringList{"Brief", "Ohne Endung"}));
    QCOMPARE(dialog.descriptionList()->currentRow(), 0);
    QCOMPARE(dialog.descriptionField()->text(), QString("Brief"));
    QCOMPARE(dialog.descriptionField()->maxLength(), 80);
    QVERIFY(dialog.openButton()->isEnabled() && dialog.removeButton()->isEnabled());

    // The description is taken when the field loses the focus (here: another entry is selected).
    dialog.descriptionField()->setText("Brief an Anna");
    dialog.descriptionField()->setModified(true);
    dialog.descriptionList()->setCurrentRow(1);
    QCOMPARE(Texts(*dialog.descriptionList()), (QStringList{"Brief an Anna", "Ohne Endung"}));
    QCOMPARE(dialog.descriptionField()->text(), QString("Ohne Endung"));

    // Adding: the filter of 8338, the file copied, a new entry "..." at the end, selected.
    const fs::path outside = fs::path(dir_->path().toStdString()) / "urkunde.pdf";
    WriteText(outside, "PDF");
    QString filterSeen;
    dialog.SetFileAsker([&](QWidget*, const QString&, const QString& filter) {
      filterSeen = filter;
      return QString::fromStdString(outside.string());
    });
    QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
    QCOMPARE(filterSeen, QString("Write-Dateien (*.WRI) (*.wri);;Word-Dokumente (*.DOC) (*.doc);;"
                                 "Textdateien (*.TXT) (*.txt);;Alle Dateien (*.*) (*.*)"));
    QCOMPARE(Texts(*dialog.descriptionList()), (QStringList{"Brief an Anna", "Ohne Endung", "..."}));
    QCOMPARE(dialog.descriptionList()->currentRow(), 2);
    QVERIFY(fs::exists(objects_ / "urkunde.pdf"));
    // The same file again: 8405, no second entry.
    QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
    QCOMPARE(dialog.descriptionList()->count(), 3);
    QCOMPARE(prompter.Ids(), std::vector<int>{8405});

    // Cancel leaves the person as it was.
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    QCOMPARE(person_.documents.size(), size_t{2});
    QCOMPARE(person_.documents[0].description, std::string("Brief"));
    QVERIFY(!modified_.IsSet());
    QVERIFY(!dialog.changed());
  }

  void okGivesTheListBackInOrderOnlyWhenChanged() {
    vl::ScriptedPrompter prompter;
    {
      vl::ObjectsDialog unchanged(person_, modified_, objects_, prompter);
      QTest::mouseClick(unchanged.okButton(), Qt::LeftButton);
      QVERIFY(!modified_.IsSet());
    }
    vl::ObjectsDialog dialog(person_, modified_, objects_, prompter);
    QTest::mouseClick(dialog.removeButton(), Qt::LeftButton);  // the first entry is selected
    QCOMPARE(Texts(*dialog.descriptionList()), QStringList{"Ohne Endung"});
    dialog.descriptionField()->setText(QString(90, 'x'));  // the field holds at most 80
    dialog.descriptionField()->setModified(true);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QVERIFY(modified_.IsSet());
    QVERIFY(dialog.changed());
    QCOMPARE(person_.documents.size(), size_t{1});
    QCOMPARE(person_.documents[0].file, std::string("notiz"));
    QCOMPARE(person_.documents[0].description, std::string(80, 'x'));

    // Removing the last entry disables remove and open.
    vl::ObjectsDialog last(person_, modified_, objects_, prompter);
    QTest::mouseClick(last.removeButton(), Qt::LeftButton);
    QVERIFY(!last.removeButton()->isEnabled() && !last.openButton()->isEnabled());
    QVERIFY(!last.descriptionField()->isEnabled());
  }

  void openingNeedsAnExtensionAndAnApplication() {
    vl::ScriptedPrompter prompter;
    vl::ObjectsDialog dialog(person_, modified_, objects_, prompter);
    QList<QUrl> opened;
    dialog.SetOpener([&](const QUrl& url) {
      opened << url;
      return false;
    });
    QTest::mouseClick(dialog.openButton(), Qt::LeftButton);
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString((objects_ / "brief.txt").string()))});
    dialog.descriptionList()->setCurrentRow(1);
    QTest::mouseClick(dialog.openButton(), Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(prompter.Ids(), (std::vector<int>{8352, 8339}));
    QCOMPARE(prompter.shown[0].text, std::string("Diese Datei ist mit keiner Anwendung verknüpft!"));
    QCOMPARE(prompter.shown[0].kind, vl::BoxKind::Information);
    QCOMPARE(prompter.shown[1].text, std::string("Falsche Objekt-Syntax!"));
    QCOMPARE(prompter.shown[1].kind, vl::BoxKind::Error);
  }

  void theCaptureIsSavedAsA24BitBitmap() {
    vl::ScriptedPrompter prompter;
    const fs::path dir(dir_->path().toStdString());
    const QImage picture = Pattern(30, 20);
    vl::CaptureDialog dialog(picture, dir, prompter);
    QCOMPARE(dialog.windowTitle(), QString("Speichern des gewählten Stammbaumausschnitts"));
    QCOMPARE(dialog.fileNameField()->text(), QString("bild.bmp"));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    auto dib = vl::LoadBitmapFile(dir / "bild.bmp");
    QVERIFY(dib.has_value());
    QCOMPARE(dib->Bits(), uint16_t{24});
    QCOMPARE(dib->Width(), 30);
    QCOMPARE(dib->Height(), 20);
    QCOMPARE(vl::LoadBitmapImage(dir / "bild.bmp").convertToFormat(QImage::Format_RGB32), picture);

    // An existing file is replaced only after yes to 8009.
    vl::CaptureDialog again(Pattern(5, 5), dir, prompter);
    prompter.QueueAnswer(false);
    again.accept();
    QCOMPARE(prompter.Ids(), std::vector<int>{8009});
    QCOMPARE(vl::LoadBitmapImage(dir / "bild.bmp").width(), 30);
    prompter.QueueAnswer(true);
    again.accept();
    QCOMPARE(vl::LoadBitmapImage(dir / "bild.bmp").width(), 5);

    // "Speichern unter..." with the filter of 8408; a file that cannot be written: error 4.
    vl::CaptureDialog elsewhere(picture, dir, prompter);
    QString filterSeen;
    elsewhere.SetFileAsker([&](QWidget*, const QString&, const QString& filter) {
      filterSeen = filter;
      return QString::fromStdString((dir / "fehlt" / "x.bmp").string());
    });
    QTest::mouseClick(elsewhere.saveAsButton(), Qt::LeftButton);
    QCOMPARE(filterSeen, QString("Bitmap-Dateien (.BMP) (*.BMP);;Alle Dateien (*.*) (*.*)"));
    QCOMPARE(elsewhere.fileNameField()->text(), QString::fromStdString((dir / "fehlt" / "x.bmp").string()));
    elsewhere.accept();
    QCOMPARE(prompter.shown.back().text, std::string("Error opening file!"));
    QCOMPARE(prompter.shown.size(), size_t{3});
  }

  void theMarkedRectangleIsCapturedWithTheStatusTexts() {
    QWidget source;
    source.resize(200, 100);
    source.setAutoFillBackground(true);
    QPalette red = source.palette();
    red.setColor(QPalette::Window, Qt::red);
    source.setPalette(red);
    source.show();
    QVERIFY(QTest::qWaitForWindowExposed(&source));
    vl::ScriptedPrompter prompter;
    auto* overlay = new vl::CaptureOverlay(source, prompter);
    QSignalSpy spy(overlay, &vl::CaptureOverlay::captured);
    QTest::mousePress(overlay, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(overlay, QPoint(60, 40));
    QTest::mouseRelease(overlay, Qt::LeftButton, {}, QPoint(60, 40));
    QCOMPARE(prompter.statusTexts,
             (std::vector<std::string>{"Bestimmen Sie die linke obere Ecke des gewünschten Ausschnitts per Mausklick...",
                                       "Bestimmen Sie die rechte untere Ecke, indem Sie die Maustaste loslassen", ""}));
    QCOMPARE(spy.count(), 1);
    const QImage picture = spy.at(0).at(0).value<QImage>();
    QCOMPARE(picture.size(), QSize(50, 30));
    QCOMPARE(QColor(picture.pixel(25, 15)), QColor(Qt::red));
  }

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  fs::path objects_;
  vl::PersonCard person_;
  vl::ModifiedFlag modified_;
};

QTEST_MAIN(TestDocumentWindows)
#include "test_document_windows.moc"
