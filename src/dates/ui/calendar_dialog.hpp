#pragma once
// CALENDRIER: a Gregorian date and the same day in the Republican calendar, kept in step both ways.
#include <QDialog>
#include <QString>

class QListWidget;
class QPushButton;

namespace vl {

class DateLineEdit;

constexpr int kCalendarFieldLength = 12;
constexpr int kCalendarResultLength = 11;

class CalendarDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CalendarDialog(QWidget* parent = nullptr, const QString& initialText = {});

  QString gregorianText() const;
  DateLineEdit* gregorianField() const { return gregorian_; }
  QListWidget* dayList() const { return days_; }
  QListWidget* monthList() const { return months_; }
  QListWidget* yearList() const { return years_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void GregorianChanged();
  void RepublicanChanged();
  void FillDays(int count);
  void SelectRow(QListWidget* list, int row);

  DateLineEdit* gregorian_;
  QListWidget* days_;
  QListWidget* months_;
  QListWidget* years_;
  QPushButton* ok_;
  QPushButton* cancel_;
  bool syncing_ = false;
};

}  // namespace vl
