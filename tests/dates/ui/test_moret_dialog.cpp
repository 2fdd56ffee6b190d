#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "dates/ui/date_line_edit.hpp"
#include "dates/ui/moret_dialog.hpp"

using vl::MoretDialog;

class TestMoretDialog : public QObject {
  Q_OBJECT

 private slots:
  void setup() {
    MoretDialog dialog;
    QCOMPARE(dialog.objectName(), QString("MORET"));
    QCOMPARE(dialog.windowTitle(), QString("Immerwährender Kalender (nach Moret)"));
    QCOMPARE(dialog.okButton()->text(), QString("&OK"));
    QCOMPARE(dialog.dateField()->maxLength(), 12);
    bool labelFound = false;
    for (QLabel* label : dialog.findChildren<QLabel*>()) labelFound |= label->text() == "Datum: tt.mm.jjjj";
    QVERIFY(labelFound);
    QCOMPARE(dialog.resultText(), QString(""));
  }

  void eachChangeRecomputesTheWeekday() {
    MoretDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.dateField()));
    QTest::keyClicks(dialog.dateField(), "15.10.1582");
    QCOMPARE(dialog.resultText(), QString("Freitag, 15. Oktober 1582"));
    QTest::keyClick(dialog.dateField(), Qt::Key_Backspace);
    QCOMPARE(dialog.resultText(), QString("Samstag, 15. Oktober 158"));
    QTest::keyClicks(dialog.dateField(), "x2");  // the letter is ignored
    QCOMPARE(dialog.dateField()->text(), QString("15.10.1582"));
    dialog.dateField()->setText("05.10.1582");
    QCOMPARE(dialog.resultText(), QString("Dieses Datum gibt es nicht!"));
    dialog.dateField()->setText("04.10.1582");
    QCOMPARE(dialog.resultText(), QString("Donnerstag, 4. Oktober 1582"));
    dialog.dateField()->setText("1850");
    QCOMPARE(dialog.resultText(), QString(""));
    dialog.dateField()->setText("01.03.1700");
    QCOMPARE(dialog.resultText(), QString("Montag, 1. März 1700"));
    dialog.dateField()->setText("01.01.2900");
    QCOMPARE(dialog.resultText(), QString(""));
  }

  void okCloses() {
    MoretDialog dialog;
    dialog.show();
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
  }
};

QTEST_MAIN(TestMoretDialog)
#include "test_moret_dialog.moc"
