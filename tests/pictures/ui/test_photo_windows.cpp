// The photo frame (drawn through the bitmap reader, never scaled) and the photo chooser.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "common/scripted_prompter.hpp"
#include "common/ui/photo_frame.hpp"
#include "pictures/ui/photo_dialog.hpp"

namespace {

namespace fs = std::filesystem;

// Every pixel different, so that a shifted or scaled picture shows.
QImage Pattern(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 2 % 256, y * 2 % 256, (x + y) % 256));
  }
  return image;
}

void WriteText(const fs::path& path, const char* text) {
  QFile file(QString::fromStdString(path.string()));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(text);
}

QStringList Texts(const QListWidget& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
  return texts;
}

void Select(QListWidget& list, const QString& text) {
  const auto found = list.findItems(text, Qt::MatchExactly);
  QCOMPARE(found.size(), 1);
  list.setCurrentItem(found.front());
}

}  // namespace

class TestPhotoWindows : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    home_ = std::make_unique<vl::ProgramHome>(dir_->path().toStdString());
    QVERIFY(home_->EnsureDirectories());
  }

  // Frame 108 x 138: the photo's area is 100 x 130 at (4, 4).
  void theFrameDrawsPixelForPixelAndCropsToTheCentre() {
    struct Case {
      int width, height;
      int firstColumn, firstRow;  // of the photo, drawn at (4, 4)
    };
    for (const Case& c : {Case{100, 130, 0, 0}, Case{102, 130, 1, 0}, Case{300, 200, 100, 35}}) {
      const QImage photo = Pattern(c.width, c.height);
      QVERIFY(photo.save(QString::fromStdString((home_->PhotoDir() / "bild.bmp").string()), "BMP"));
      vl::PhotoFrame frame(home_->PhotoDir());
      frame.setFixedSize(108, 138);
      frame.SetPhoto("bild.bmp");
      QVERIFY(frame.HasPicture());
      const QImage drawn = frame.grab().toImage().convertToFormat(QImage::Format_RGB32);
      for (const QPoint at : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 129), QPoint(99, 129), QPoint(37, 61)}) {
        QCOMPARE(drawn.pixel(at + QPoint(4, 4)), photo.pixel(at + QPoint(c.firstColumn, c.firstRow)));
      }
    }
    // A smaller photo sits in the middle: 50 x 60 at (4 + 25, 4 + 35).
    const QImage small = Pattern(50, 60);
    QVERIFY(small.save(QString::fromStdString((home_->PhotoDir() / "klein.bmp").string()), "BMP"));
    vl::PhotoFrame frame(home_->PhotoDir());
    frame.setFixedSize(108, 138);
    frame.SetPhoto("klein.bmp");
    const QImage drawn = frame.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(drawn.pixel(29, 39), small.pixel(0, 0));
    QCOMPARE(drawn.pixel(78, 98), small.pixel(49, 59));
  }

  void anUnreadablePhotoIsReportedOncePerName() {
    WriteText(home_->PhotoDir() / "kaputt.bmp", "BM kein Bild");
    vl::ScriptedPrompter prompter;
    vl::PhotoFrame frame(home_->PhotoDir());
    frame.SetPrompter(&prompter);
    frame.SetPhoto("kaputt.bmp");
    frame.grab();
    frame.SetPhoto("kaputt.bmp");
    frame.grab();
    QVERIFY(!frame.HasPicture());
    frame.SetPhoto("fehlt.bmp");
    QCOMPARE(prompter.Ids(), (std::vector<int>{8004, 8004}));
    QCOMPARE(prompter.shown[0].text, "Fehler beim Öffnen der Datei " + (home_->PhotoDir() / "kaputt.bmp").string());
    QCOMPARE(prompter.shown[1].text, "Fehler beim Öffnen der Datei " + (home_->PhotoDir() / "fehlt.bmp").string());
    // Without a prompter nothing is shown.
    vl::PhotoFrame quiet(home_->PhotoDir());
    quiet.SetPhoto("kaputt.bmp");
    QCOMPARE(prompter.shown.size(), size_t{2});
  }

  void theChooserOffersOkOnlyForAReadableBitmap() {
    QVERIFY(Pattern(20, 30).save(QString::fromStdString((home_->PhotoDir() / "Ahn.BMP").string()), "BMP"));
    WriteText(home_->PhotoDir() / "kaputt.bmp", "kein Bild");
    WriteText(home_->PhotoDir() / "notiz.txt", "Text");
    WriteText(home_->PhotoDir() / ".bmp", "zu kurz");
    fs::create_directories(home_->PhotoDir() / "alt");
    vl::ScriptedPrompter prompter;
    vl::PhotoDialog dialog(*home_, prompter);
    QCOMPARE(dialog.windowTitle(), QString("Foto"));
    QCOMPARE(dialog.okButton()->text(), QString("&OK"));
    QCOMPARE(dialog.noPhotoButton()->text(), QString("&Kein Foto"));
    QCOMPARE(dialog.cancelButton()->text(), QString("&Abbrechen"));
    QCOMPARE(Texts(*dialog.entryList()), (QStringList{"[..]", "[alt]", "Ahn.BMP", "kaputt.bmp"}));
    QVERIFY(!dialog.okButton()->isEnabled());

    Select(*dialog.entryList(), "kaputt.bmp");
    QVERIFY(!dialog.okButton()->isEnabled());
    QVERIFY(!dialog.preview()->HasPicture());
    dialog.accept();
    QVERIFY(!dialog.isVisible() && dialog.result() != QDialog::Accepted);
    Select(*dialog.entryList(), "Ahn.BMP");
    QVERIFY(dialog.okButton()->isEnabled());
    QVERIFY(dialog.preview()->HasPicture());
    Select(*dialog.entryList(), "[alt]");
    QVERIFY(!dialog.okButton()->isEnabled());
    Select(*dialog.entryList(), "Ahn.BMP");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.chosen(), std::string("Ahn.BMP"));
    // It lay in the photo directory already: nothing was copied.
    QCOMPARE(std::distance(fs::directory_iterator(home_->PhotoDir()), {}), 5);
    QVERIFY(prompter.Empty());
  }

  void aBitmapFromAnotherDirectoryIsImportedOnDoubleClick() {
    fs::create_directories(home_->PhotoDir() / "alt");
    QVERIFY(Pattern(8, 8).save(QString::fromStdString((home_->PhotoDir() / "alt" / "oma.bmp").string()), "BMP"));
    vl::ScriptedPrompter prompter;
    vl::PhotoDialog dialog(*home_, prompter);
    Select(*dialog.entryList(), "[alt]");
    emit dialog.entryList()->itemActivated(dialog.entryList()->currentItem());
    QCOMPARE(dialog.directory(), fs::canonical(home_->PhotoDir() / "alt"));
    QCOMPARE(Texts(*dialog.entryList()), (QStringList{"[..]", "oma.bmp"}));
    Select(*dialog.entryList(), "oma.bmp");
    emit dialog.entryList()->itemActivated(dialog.entryList()->currentItem());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.chosen(), std::string("oma.bmp"));
    QVERIFY(fs::exists(home_->PhotoDir() / "oma.bmp"));
  }

  void noPhotoGivesAnEmptyNameAndCancelGivesNone() {
    vl::ScriptedPrompter prompter;
    QTimer::singleShot(10, this, [] {
      auto* dialog = qobject_cast<vl::PhotoDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      QTest::mouseClick(dialog->noPhotoButton(), Qt::LeftButton);
    });
    QCOMPARE(vl::ChoosePhoto(nullptr, *home_, prompter), std::optional<std::string>(""));
    QTimer::singleShot(10, this, [] {
      auto* dialog = qobject_cast<vl::PhotoDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    });
    QCOMPARE(vl::ChoosePhoto(nullptr, *home_, prompter), std::optional<std::string>());
  }

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<vl::ProgramHome> home_;
};

QTEST_MAIN(TestPhotoWindows)
#include "test_photo_windows.moc"
