#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "dates/ui/calendar_dialog.hpp"
#include "dates/ui/date_line_edit.hpp"
#include "common/ui/dialog_placement.hpp"

using vl::CalendarDialog;

class TestCalendarDialog : public QObject {
  Q_OBJECT

 private:
  static QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
  }

  // 1-based selection of a list, 0 for none.
  static int Selection(const QListWidget* list) {
    const auto selected = list->selectedItems();
    return selected.size() == 1 ? list->row(selected[0]) + 1 : 0;
  }

  static void ClickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  }

  static QStringList Days(int count) {
    QStringList days;
    for (int day = 1; day <= count; ++day) days << QString::asprintf("%2d", day);
    return days;
  }

 private slots:
  void setup() {
    CalendarDialog dialog(nullptr, "");
    QCOMPARE(dialog.objectName(), QString("CALENDRIER"));
    QCOMPARE(dialog.windowTitle(), QString("Republikanischer und Gregorianischer Kalender"));
    QCOMPARE(dialog.okButton()->text(), QString("&OK"));
    QCOMPARE(dialog.cancelButton()->text(), QString("&Abbrechen"));
    QCOMPARE(dialog.gregorianField()->maxLength(), 12);
    QCOMPARE(Items(dialog.dayList()), Days(30));
    QCOMPARE(dialog.dayList()->item(0)->text(), QString(" 1"));
    QCOMPARE(Items(dialog.monthList()),
             QStringList({"Vendémiaire", "Brumaire", "Frimaire", "Nivôse", "Pluviôse", "Ventôse", "Germinal", "Floréal",
                          "Prairial", "Messidor", "Thermidor", "Fructidor", "zusätzl. Tag"}));
    QCOMPARE(Items(dialog.yearList()),
             QStringList({"Jahr I", "Jahr II", "Jahr III", "Jahr IV", "Jahr V", "Jahr VI", "Jahr VII", "Jahr VIII",
                          "Jahr IX", "Jahr X", "Jahr XI", "Jahr XII", "Jahr XIII", "Jahr XIV", "Jahr XV"}));
    QCOMPARE(Selection(dialog.dayList()), 0);
    QCOMPARE(Selection(dialog.monthList()), 0);
    QCOMPARE(Selection(dialog.yearList()), 0);
  }

  void initialTextSelectsTheRepublicanDay() {
    CalendarDialog dialog(nullptr, "04.11.1793");
    QCOMPARE(dialog.gregorianText(), QString("04.11.1793"));
    QCOMPARE(Selection(dialog.dayList()), 14);
    QCOMPARE(Selection(dialog.monthList()), 2);
    QCOMPARE(Selection(dialog.yearList()), 2);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.gregorianField()));
  }

  void typingKeepsTheListsInStep() {
    CalendarDialog dialog(nullptr, "");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClicks(dialog.gregorianField(), "1.1.1800");
    // The typed text stays as typed.
    QCOMPARE(dialog.gregorianText(), QString("1.1.1800"));
    QCOMPARE(Selection(dialog.dayList()), 11);
    QCOMPARE(Selection(dialog.monthList()), 4);
    QCOMPARE(Selection(dialog.yearList()), 8);
    QTest::keyClick(dialog.gregorianField(), Qt::Key_Backspace);  // 1.1.180: outside the period
    QCOMPARE(Selection(dialog.dayList()), 0);
    QCOMPARE(Selection(dialog.monthList()), 0);
    QCOMPARE(Selection(dialog.yearList()), 0);
    QCOMPARE(dialog.gregorianText(), QString("1.1.180"));
    for (const char* text : {"1793", "*.11.1793", "31.11.1793", "21.09.1792", "24.09.1807", "abc"}) {
      dialog.gregorianField()->setText("04.11.1793");
      QCOMPARE(Selection(dialog.monthList()), 2);
      dialog.gregorianField()->setText(text);
      QCOMPARE(Selection(dialog.dayList()), 0);
      QCOMPARE(Selection(dialog.monthList()), 0);
      QCOMPARE(Selection(dialog.yearList()), 0);
    }
  }

  void complementaryDaysInNormalAndSextileYears() {
    CalendarDialog dialog(nullptr, "21.09.1794");  // fifth complementary day of year II
    QCOMPARE(Items(dialog.dayList()), Days(5));
    QCOMPARE(Selection(dialog.dayList()), 5);
    QCOMPARE(Selection(dialog.monthList()), 13);
    QCOMPARE(Selection(dialog.yearList()), 2);
    dialog.gregorianField()->setText("22.09.1795");  // sixth complementary day of year III
    QCOMPARE(Items(dialog.dayList()), Days(6));
    QCOMPARE(Selection(dialog.dayList()), 6);
    QCOMPARE(Selection(dialog.yearList()), 3);
    dialog.gregorianField()->setText("23.09.1795");  // 1 Vendémiaire IV
    QCOMPARE(Items(dialog.dayList()), Days(30));
    QCOMPARE(Selection(dialog.dayList()), 1);
    QCOMPARE(Selection(dialog.monthList()), 1);
    QCOMPARE(Selection(dialog.yearList()), 4);
  }

  void choosingInTheListsWritesTheGregorianDate() {
    CalendarDialog dialog(nullptr, "");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    ClickRow(dialog.yearList(), 1);  // Jahr II
    QCOMPARE(dialog.gregorianText(), QString(""));
    ClickRow(dialog.monthList(), 12);  // complementary days: five in year II, the first chosen
    QCOMPARE(Items(dialog.dayList()), Days(5));
    QCOMPARE(Selection(dialog.dayList()), 1);
    QCOMPARE(dialog.gregorianText(), QString("17.09.1794"));
    ClickRow(dialog.dayList(), 4);
    QCOMPARE(dialog.gregorianText(), QString("21.09.1794"));
    ClickRow(dialog.yearList(), 2);  // Jahr III has a sixth day; day 5 stays
    QCOMPARE(Items(dialog.dayList()), Days(6));
    QCOMPARE(Selection(dialog.dayList()), 5);
    QCOMPARE(dialog.gregorianText(), QString("21.09.1795"));
    ClickRow(dialog.dayList(), 5);
    QCOMPARE(dialog.gregorianText(), QString("22.09.1795"));
    ClickRow(dialog.yearList(), 3);  // Jahr IV: the sixth day is gone, day 1 is chosen
    QCOMPARE(Items(dialog.dayList()), Days(5));
    QCOMPARE(Selection(dialog.dayList()), 1);
    QCOMPARE(dialog.gregorianText(), QString("17.09.1796"));
    ClickRow(dialog.monthList(), 0);  // Vendémiaire: thirty days again, day 1 kept
    QCOMPARE(Items(dialog.dayList()), Days(30));
    QCOMPARE(Selection(dialog.dayList()), 1);
    QCOMPARE(dialog.gregorianText(), QString("23.09.1795"));
    ClickRow(dialog.dayList(), 29);
    QCOMPARE(dialog.gregorianText(), QString("22.10.1795"));
    ClickRow(dialog.monthList(), 5);  // Ventôse IV runs over the leap day of 1796
    ClickRow(dialog.dayList(), 9);
    QCOMPARE(dialog.gregorianText(), QString("29.02.1796"));
    ClickRow(dialog.dayList(), 10);
    QCOMPARE(dialog.gregorianText(), QString("01.03.1796"));
  }

  void okAndCancel() {
    CalendarDialog accepted(nullptr, "01.01.1800");
    accepted.show();
    QTest::mouseClick(accepted.okButton(), Qt::LeftButton);
    QCOMPARE(accepted.result(), static_cast<int>(QDialog::Accepted));
    CalendarDialog rejected(nullptr, "01.01.1800");
    rejected.show();
    QTest::mouseClick(rejected.cancelButton(), Qt::LeftButton);
    QCOMPARE(rejected.result(), static_cast<int>(QDialog::Rejected));
  }

  void rightClickInsideTheDialogOpensNoSecondCalendar() {
    CalendarDialog dialog(nullptr, "01.01.1800");
    int opened = 0;
    dialog.gregorianField()->setCalendarRunner([&opened](CalendarDialog&) {
      ++opened;
      return 0;
    });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.gregorianField(), Qt::RightButton);
    QCOMPARE(opened, 0);
    QCOMPARE(dialog.gregorianText(), QString("01.01.1800"));
  }

  void placement() {
    QCOMPARE(vl::ModalDialogPosition(QRect(0, 0, 1000, 800), QSize(400, 200)), QPoint(300, 200));
    QCOMPARE(vl::ModalDialogPosition(QRect(100, 50, 1000, 800), QSize(401, 201)), QPoint(399, 249));
    CalendarDialog dialog(nullptr, "");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QRect available = dialog.screen()->availableGeometry();
    QCOMPARE(dialog.frameGeometry().topLeft(),
             vl::ModalDialogPosition(available, dialog.frameGeometry().size()));
  }
};

QTEST_MAIN(TestCalendarDialog)
#include "test_calendar_dialog.moc"
