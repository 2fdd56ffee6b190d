#include "storage/ui/list_choice_dialog.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "common/ui/dialog_placement.hpp"
#include "common/ui/qt_text.hpp"

namespace vl {
namespace {

constexpr int kTextRole = Qt::UserRole;

}  // namespace

ListChoiceDialog::ListChoiceDialog(NameList& list, NameListKind kind, Prompter& prompter, QWidget* parent)
    : QDialog(parent), names_(list), prompter_(prompter) {
  setObjectName("Liste_choix");
  setWindowTitle(MessageQString(kind == NameListKind::Places ? 8089 : 8090));
  setModal(true);

  list_ = new QListWidget(this);
  list_->setObjectName("entries");
  list_->setMinimumSize(list_->fontMetrics().averageCharWidth() * 36, list_->fontMetrics().height() * 14);
  count_ = new QLabel(this);
  count_->setObjectName("count");
  count_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  count_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  count_->setMinimumWidth(count_->fontMetrics().horizontalAdvance("99999") + 12);

  std::vector<std::string> texts = names_.Entries();
  std::stable_sort(texts.begin(), texts.end(),
                   [](const std::string& a, const std::string& b) { return CompareForSorting(a, b) < 0; });
  for (const std::string& text : texts) {
    auto* item = new QListWidgetItem(FromCp1252(text), list_);
    item->setData(kTextRole, QByteArray::fromStdString(text));
  }

  ok_ = new QPushButton("&OK", this);
  cancel_ = new QPushButton("&Abbrechen", this);
  delete_ = new QPushButton("&Löschen", this);
  ok_->setDefault(true);
  delete_->setEnabled(false);
  connect(ok_, &QPushButton::clicked, this, &ListChoiceDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(delete_, &QPushButton::clicked, this, &ListChoiceDialog::DeleteSelected);
  connect(list_, &QListWidget::itemDoubleClicked, this, &ListChoiceDialog::accept);
  connect(list_, &QListWidget::currentItemChanged, this,
          [this](QListWidgetItem* current) { delete_->setEnabled(current != nullptr); });

  auto* side = new QVBoxLayout;
  side->addWidget(ok_);
  side->addWidget(cancel_);
  side->addSpacing(12);
  side->addWidget(delete_);
  side->addStretch(1);
  side->addWidget(count_, 0, Qt::AlignRight);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(side);
  ShowCount();
  list_->setFocus(Qt::OtherFocusReason);
}

QString ListChoiceDialog::countText() const { return count_->text(); }

void ListChoiceDialog::accept() {
  QListWidgetItem* item = list_->currentItem();
  if (!item || !item->isSelected()) {
    chosen_.clear();
    done(0);
    return;
  }
  chosen_ = item->data(kTextRole).toByteArray().toStdString();
  done(1);
}

void ListChoiceDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) PlaceModalDialog(*this);
}

void ListChoiceDialog::DeleteSelected() {
  QListWidgetItem* item = list_->currentItem();
  if (!item) return;
  const std::string text = item->data(kTextRole).toByteArray().toStdString();
  if (!names_.Remove(text, prompter_)) return;
  delete list_->takeItem(list_->row(item));
  list_->setCurrentItem(nullptr);
  list_->clearSelection();
  delete_->setEnabled(false);
  ShowCount();
}

void ListChoiceDialog::ShowCount() { count_->setText(QString::number(list_->count())); }

}  // namespace vl
