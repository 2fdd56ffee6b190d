// The editor from ORMELIN.INI shows generated text files.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "common/clock.hpp"
#include "common/program_home.hpp"
#include "common/scripted_prompter.hpp"
#include "shell/frame_window.hpp"
#include "common/ui/shared_look.hpp"
#include "shell/text_file_opener.hpp"

class TestTextFileOpener : public QObject {
  Q_OBJECT

 private slots:
  void theFrameReadsTheEditorSetting() {
    QTemporaryDir dir;
    const std::filesystem::path root = dir.path().toStdString();
    std::ofstream(root / "ORMELIN.INI") << "[Ormelin]\r\nEditeur=/opt/editor/bin/kate\r\n";
    vl::ScriptedPrompter prompter;
    vl::FixedClock clock(vl::TimeStamp{1, 1, 100, 0, 0});
    vl::SharedLook look;
    vl::ProgramHome home(root);
    home.EnsureDirectories();
    vl::FrameWindow frame(home, prompter, clock, look, vl::FrameOptions{false});
    QCOMPARE(frame.editor(), std::string("/opt/editor/bin/kate"));

    QTemporaryDir other;
    vl::FrameWindow plain(vl::ProgramHome(other.path().toStdString()), prompter, clock, look, vl::FrameOptions{false});
    QVERIFY(plain.editor().empty());
  }

  void theEditorGetsTheFileAsOneArgument() {
    QTemporaryDir dir;
    const QString script = dir.filePath("editor.sh");
    const QString out = dir.filePath("argument.txt");
    {
      QFile file(script);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(QString("#!/bin/sh\nprintf '%s|%s' \"$1\" \"$#\" > '%1'\n").arg(out).toUtf8());
    }
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const std::filesystem::path list = std::filesystem::path(dir.path().toStdString()) / "ahnen liste;x.txt";
    QVERIFY(vl::OpenTextFile(script.toStdString(), list));
    auto written = [&out] {
      QFile result(out);
      return result.open(QIODevice::ReadOnly) ? QString::fromUtf8(result.readAll()) : QString();
    };
    QTRY_COMPARE(written(), QString::fromStdString(list.string()) + "|1");
  }

  void aMissingEditorIsReported() {
    QVERIFY(!vl::OpenTextFile("/nonexistent/editor", "/tmp/liste.txt"));
  }
};

QTEST_MAIN(TestTextFileOpener)
#include "test_text_file_opener.moc"
