#include "shell/homonym_dialog.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "common/ui/dialog_placement.hpp"
#include "common/ui/qt_text.hpp"
#include "records/certificate_save.hpp"
#include "shell/choice_identity_window.hpp"
#include "storage/person_index.hpp"

// This file declares no Qt slots; the keyword macro would rewrite PersonCard::slots.
#undef slots

namespace vl {
namespace {

constexpr int kCandidateRole = Qt::UserRole;

}  // namespace

HomonymDialog::HomonymDialog(const std::string& fullName, const std::vector<HomonymCandidate>& candidates,
                             const PersonIndex* persons, Prompter& prompter, QWidget* parent)
    : QDialog(parent), candidates_(candidates), persons_(persons), prompter_(prompter) {
  setObjectName("Litige");
  setWindowTitle("Namensübereinstimmung");
  setModal(true);

  list_ = new QListWidget(this);
  list_->setObjectName("candidates");
  for (size_t i = 0; i < candidates_.size(); ++i) {
    auto* item = new QListWidgetItem(FromCp1252(candidates_[i].fullName), list_);
    item->setData(kCandidateRole, static_cast<int>(i));
  }
  list_->setMinimumHeight(list_->fontMetrics().height() * 8);
  list_->setMinimumWidth(list_->fontMetrics().horizontalAdvance(QString(40, QChar('n'))));
  count_ = new QLabel(QString::fromStdString(HomonymCountText(candidates_.size())), this);
  count_->setObjectName("count");
  count_->setTextFormat(Qt::PlainText);
  name_ = new QLabel("wie " + FromCp1252(fullName), this);
  name_->setObjectName("name");
  name_->setTextFormat(Qt::PlainText);

  ok_ = new QPushButton("&OK", this);
  add_ = new QPushButton("&Hinzufügen", this);
  add_->setAutoDefault(false);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(add_);
  buttons->addStretch(1);
  ok_->setDefault(true);
  ok_->setEnabled(false);
  connect(ok_, &QPushButton::clicked, this, &HomonymDialog::accept);
  connect(add_, &QPushButton::clicked, this, &HomonymDialog::AddNew);
  connect(list_, &QListWidget::itemDoubleClicked, this, &HomonymDialog::accept);
  connect(list_, &QListWidget::itemSelectionChanged, this, &HomonymDialog::SelectionChanged);

  auto* left = new QVBoxLayout;
  left->addWidget(list_, 1);
  left->addWidget(count_);
  left->addWidget(name_);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(buttons);

  identity_ = new ChoiceIdentityWindow(this);
}

void HomonymDialog::SelectionChanged() {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  ok_->setEnabled(!selected.isEmpty());
  const PersonCard* person = nullptr;
  if (!selected.isEmpty() && persons_ != nullptr) {
    const auto& candidate = candidates_.at(static_cast<size_t>(selected.first()->data(kCandidateRole).toInt()));
    person = persons_->Find(candidate.number);
  }
  identity_->ShowPerson(person);
}

void HomonymDialog::accept() {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) return;
  if (!prompter_.AskContinue(Msg(8395))) return;
  const auto& candidate = candidates_.at(static_cast<size_t>(selected.first()->data(kCandidateRole).toInt()));
  answer_ = HomonymAnswer{HomonymAnswer::Existing, candidate.number};
  done(QDialog::Accepted);
}

void HomonymDialog::AddNew() {
  if (!prompter_.AskContinue(Msg(8396))) return;
  answer_ = HomonymAnswer{HomonymAnswer::New, 0};
  done(QDialog::Accepted);
}

void HomonymDialog::reject() {
  answer_ = HomonymAnswer{};
  done(QDialog::Rejected);
}

void HomonymDialog::done(int value) {
  identity_->close();
  QDialog::done(value);
}

HomonymAnswer HomonymDialog::Run() {
  answer_ = HomonymAnswer{};
  exec();
  return answer_;
}

void HomonymDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  PlaceModalDialog(*this);
  identity_->adjustSize();
  identity_->move(frameGeometry().right() + 8, frameGeometry().top());
  identity_->show();
}

}  // namespace vl
