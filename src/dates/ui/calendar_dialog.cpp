#include "dates/ui/calendar_dialog.hpp"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "common/cp1252.hpp"
#include "dates/calendar_names.hpp"
#include "dates/date_parse.hpp"
#include "dates/republican_calendar.hpp"
#include "dates/ui/date_line_edit.hpp"
#include "common/ui/dialog_placement.hpp"

namespace vl {
namespace {

QString FromCp1252(const std::string& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

QListWidget* MakeList(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

// 1-based value of a list's selection; 0 when nothing is selected.
int Selected(const QListWidget* list) {
  const int row = list->currentRow();
  return row >= 0 && list->item(row)->isSelected() ? row + 1 : 0;
}

}  // namespace

CalendarDialog::CalendarDialog(QWidget* parent, const QString& initialText)
    : QDialog(parent),
      gregorian_(new DateLineEdit(this)),
      days_(MakeList(this)),
      months_(MakeList(this)),
      years_(MakeList(this)) {
  setObjectName("CALENDRIER");
  setWindowTitle("Republikanischer und Gregorianischer Kalender");
  setModal(true);

  gregorian_->setMaxLength(kCalendarFieldLength);
  gregorian_->setCalendarEnabled(false);  // a calendar inside the calendar would lead nowhere
  FillDays(30);
  for (int month = 1; month <= kRepublicanMonths; ++month) months_->addItem(FromCp1252(RepublicanMonthName(month)));
  for (int year = 1; year <= kRepublicanYears; ++year) years_->addItem(FromCp1252(RepublicanYearName(year)));
  days_->setMaximumWidth(days_->fontMetrics().horizontalAdvance("0000") + 40);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
  cancel_ = buttons->addButton("&Abbrechen", QDialogButtonBox::RejectRole);
  ok_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Gregorianisch:", this), 0, 0);
  grid->addWidget(gregorian_, 0, 1, 1, 3);
  grid->addWidget(new QLabel("Republikanisch:", this), 1, 0, Qt::AlignTop);
  grid->addWidget(days_, 1, 1);
  grid->addWidget(months_, 1, 2);
  grid->addWidget(years_, 1, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);

  connect(gregorian_, &QLineEdit::textChanged, this, [this] { GregorianChanged(); });
  for (QListWidget* list : {days_, months_, years_}) {
    connect(list, &QListWidget::itemSelectionChanged, this, [this] { RepublicanChanged(); });
  }

  gregorian_->setText(initialText);
  GregorianChanged();
  gregorian_->setFocus(Qt::OtherFocusReason);
}

QString CalendarDialog::gregorianText() const { return gregorian_->text(); }

void CalendarDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) PlaceModalDialog(*this);
}

void CalendarDialog::FillDays(int count) {
  const int selected = Selected(days_);
  days_->clear();
  for (int day = 1; day <= count; ++day) days_->addItem(QString::asprintf("%2d", day));
  if (selected > 0 && selected <= count) SelectRow(days_, selected - 1);
}

void CalendarDialog::SelectRow(QListWidget* list, int row) {
  if (row < 0) {
    list->clearSelection();
    list->setCurrentRow(-1);
    return;
  }
  list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void CalendarDialog::GregorianChanged() {
  if (syncing_) return;
  syncing_ = true;
  DateValue date;
  const bool complete = ParseDate(date, Utf8ToCp1252(gregorian_->text().toStdString()), nullptr) == kParseAccepted;
  if (complete && GregorianToRepublican(date) == 1) {
    const int length = RepublicanDaysInMonth(date.month, date.year);
    if (days_->count() != length) FillDays(length);
    SelectRow(days_, date.day - 1);
    SelectRow(months_, date.month - 1);
    SelectRow(years_, date.year - 1);
  } else {
    SelectRow(days_, -1);
    SelectRow(months_, -1);
    SelectRow(years_, -1);
  }
  syncing_ = false;
}

void CalendarDialog::RepublicanChanged() {
  if (syncing_) return;
  syncing_ = true;
  const int month = Selected(months_);
  const int year = Selected(years_);
  if (month == kRepublicanMonths) {
    const int length = IsSextileYear(year) ? 6 : 5;
    if (days_->count() != length) FillDays(length);
    if (Selected(days_) == 0) SelectRow(days_, 0);
  } else if (month > 0 && days_->count() < 30) {
    FillDays(30);
  }
  const int day = Selected(days_);
  if (day > 0 && month > 0 && year > 0) {
    const DateValue date = RepublicanToGregorian(day, month, year);
    gregorian_->setText(QString::asprintf("%02d.%02d.%d", date.day, date.month, date.year));
  }
  syncing_ = false;
}

}  // namespace vl
