#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include "dates/ui/calendar_dialog.hpp"
#include "dates/ui/date_line_edit.hpp"

using vl::CalendarDialog;
using vl::DateLineEdit;

class TestDateLineEdit : public QObject {
  Q_OBJECT

 private:
  // A window with the date field and a second field, so that focus can move away.
  struct Window {
    QWidget widget;
    DateLineEdit* field;
    QLineEdit* other;
    Window() {
      auto* layout = new QVBoxLayout(&widget);
      field = new DateLineEdit(&widget);
      other = new QLineEdit(&widget);
      layout->addWidget(field);
      layout->addWidget(other);
      widget.show();
      widget.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&widget));
    }
  };

  static void ClickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  }

 private slots:
  void typedCharactersAreFiltered() {
    Window w;
    w.field->setFocus();
    QTest::keyClicks(w.field, "1a2 .x0-3/.,18:5B0*");
    QCOMPARE(w.field->text(), QString("12.03.1850*"));
    QTest::keyClick(w.field, Qt::Key_Backspace);
    QCOMPARE(w.field->text(), QString("12.03.1850"));
    QTest::keyClick(w.field, Qt::Key_Home);
    QTest::keyClick(w.field, Qt::Key_Delete);
    QTest::keyClicks(w.field, "0");
    QTest::keyClick(w.field, Qt::Key_End);
    QTest::keyClick(w.field, Qt::Key_Left);
    QTest::keyClicks(w.field, "9");
    QCOMPARE(w.field->text(), QString("02.03.18590"));
    QTest::keyClick(w.field, Qt::Key_5, Qt::KeypadModifier);
    QCOMPARE(w.field->text(), QString("02.03.185950"));
  }

  void pasteIsIgnored() {
    Window w;
    QApplication::clipboard()->setText("01.02.1803");
    // The clipboard works: an ordinary field pastes.
    w.other->setFocus();
    QTest::keyClick(w.other, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.other->text(), QString("01.02.1803"));

    w.field->setText("5.");
    w.field->setFocus();
    w.field->end(false);
    QTest::keyClick(w.field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(w.field, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(w.field->text(), QString("5."));
    if (QApplication::clipboard()->supportsSelection()) {
      QApplication::clipboard()->setText("01.02.1803", QClipboard::Selection);
      QTest::mouseClick(w.field, Qt::MiddleButton);
      QCOMPARE(w.field->text(), QString("5."));
    }
    // Select all and copy still work.
    QTest::keyClick(w.field, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(w.field->selectedText(), QString("5."));
    QTest::keyClick(w.field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("5."));
  }

  void noContextMenuOffersPaste() {
    Window w;
    // An ordinary field offers its menu (with paste) on this event ...
    QContextMenuEvent ordinary(QContextMenuEvent::Mouse, QPoint(5, 5), w.other->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(w.other, &ordinary);
    QWidget* popup = QApplication::activePopupWidget();
    QVERIFY(popup != nullptr);
    popup->close();
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    // ... a date field does not.
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), w.field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(w.field, &event);
    QTest::qWait(20);
    QVERIFY(QApplication::activePopupWidget() == nullptr);
  }

  void rightClickRoundTrip() {
    Window w;
    w.field->setText("05.10.1792");
    w.other->setFocus();
    int runs = 0;
    w.field->setCalendarRunner([&](CalendarDialog& dialog) {
      ++runs;
      CheckText(dialog.gregorianText(), "05.10.1792");
      CheckRow(dialog.dayList(), 13);
      CheckRow(dialog.monthList(), 0);
      CheckRow(dialog.yearList(), 0);
      dialog.show();
      ClickRow(dialog.monthList(), 1);  // Brumaire
      CheckText(dialog.gregorianText(), "04.11.1792");
      return static_cast<int>(QDialog::Accepted);
    });
    QTest::mousePress(w.field, Qt::RightButton);
    QCOMPARE(runs, 0);  // the calendar opens on release
    QTest::mouseRelease(w.field, Qt::RightButton);
    QCOMPARE(runs, 1);
    QCOMPARE(w.field->text(), QString("04.11.1792"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.field));
    QVERIFY(failures_.isEmpty());

    QTest::mouseClick(w.field, Qt::LeftButton);
    QCOMPARE(runs, 1);
  }

  void cancelKeepsTheFieldButReturnsFocus() {
    Window w;
    w.field->setText("1850");
    w.other->setFocus();
    w.field->setCalendarRunner([](CalendarDialog& dialog) {
      dialog.gregorianField()->setText("01.01.1800");
      return static_cast<int>(QDialog::Rejected);
    });
    QTest::mouseClick(w.field, Qt::RightButton);
    QCOMPARE(w.field->text(), QString("1850"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.field));
  }

  void resultIsCutToElevenCharacters() {
    Window w;
    w.field->setCalendarRunner([](CalendarDialog& dialog) {
      dialog.gregorianField()->setText("01.01.1800..");
      return static_cast<int>(QDialog::Accepted);
    });
    QTest::mouseClick(w.field, Qt::RightButton);
    QCOMPARE(w.field->text(), QString("01.01.1800."));
  }

  void realModalDialog() {
    Window w;
    w.field->setText("22.09.1795");
    QString seenTitle;
    QString seenText;
    int seenDays = 0;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<CalendarDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      seenTitle = dialog->windowTitle();
      seenText = dialog->gregorianText();
      seenDays = dialog->dayList()->count();
      dialog->gregorianField()->selectAll();
      QTest::keyClicks(dialog->gregorianField(), "09.11.1799");
      QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    });
    QTest::mouseClick(w.field, Qt::RightButton);
    QCOMPARE(seenTitle, QString("Republikanischer und Gregorianischer Kalender"));
    QCOMPARE(seenText, QString("22.09.1795"));
    QCOMPARE(seenDays, 6);
    QCOMPARE(w.field->text(), QString("09.11.1799"));
  }

 private:
  // Checks inside the runner must not return from it early.
  void CheckText(const QString& actual, const char* expected) {
    if (actual != QString(expected)) failures_ << QString("text %1, expected %2").arg(actual, expected);
  }
  void CheckRow(QListWidget* list, int row) {
    if (list->currentRow() != row || !list->item(row)->isSelected()) {
      failures_ << QString("row %1, expected %2").arg(list->currentRow()).arg(row);
    }
  }
  QStringList failures_;
};

QTEST_MAIN(TestDateLineEdit)
#include "test_date_line_edit.moc"
