#include "shell/choice_dialog.hpp"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "shell/choice_identity_window.hpp"
#include "common/ui/qt_text.hpp"
#include "common/ui/shared_look.hpp"
#include "storage/slot_file.hpp"

namespace vl {
namespace {

constexpr int kEntryRole = Qt::UserRole;
const QPoint kDialogPosition(10, 100);
// A long entry as card files hold them: a marriage of two people with two given names each.
constexpr const char* kLongEntry = "SCHWARZENBERGER Johann Friedrich - HOHENSTEIN-LICHTENAU Maria Katharina";

// Wide enough for long entries beside a vertical scroll bar, without eliding them.
int ListWidthFor(const QListWidget& list) {
  const int text = list.fontMetrics().horizontalAdvance(QString::fromUtf8(kLongEntry));
  const int itemMargins = 2 * (list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1);
  return text + itemMargins + list.verticalScrollBar()->sizeHint().width() + 2 * list.frameWidth() + 8;
}

// The chosen entry stands out in white on blue, also while another window is active; the
// others read as usual.
void ShowChoiceWhiteOnBlue(QListWidget& list) {
  QPalette colours = list.palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    colours.setColor(group, QPalette::Base, SharedLook::White());
    colours.setColor(group, QPalette::Text, SharedLook::Text());
    colours.setColor(group, QPalette::Highlight, SharedLook::Blue());
    colours.setColor(group, QPalette::HighlightedText, SharedLook::White());
  }
  list.setPalette(colours);
}

}  // namespace

ChoiceDialog::ChoiceDialog(const ChoiceSources& sources, int parameter, QWidget* parent)
    : QDialog(parent), sources_(sources), parameter_(ChoiceParameter::From(parameter)) {
  setObjectName("Choix");
  setWindowTitle(MessageQString(ChoiceTitleMessage(parameter_)));
  setModal(true);

  const bool persons = IsPersonChoiceKind(parameter_.kind);
  listLabel_ = new QLabel(persons ? MessageQString(8104) : QString("Vorhandene Urkunden"), this);
  listLabel_->setObjectName("listLabel");
  list_ = new QListWidget(this);
  list_->setObjectName("entries");
  list_->setMinimumSize(ListWidthFor(*list_), list_->fontMetrics().height() * 16);
  ShowChoiceWhiteOnBlue(*list_);
  listLabel_->setBuddy(list_);

  count_ = new QLabel(this);
  count_->setObjectName("count");
  count_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  count_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  count_->setMinimumWidth(count_->fontMetrics().horizontalAdvance("99999") + 12);
  countLabel_ = new QLabel(persons ? MessageQString(8105) : QString("Urkunde(n)"), this);
  countLabel_->setObjectName("countLabel");

  auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
  ok_ = buttons->addButton("&OK", QDialogButtonBox::AcceptRole);
  cancel_ = buttons->addButton("&Abbrechen", QDialogButtonBox::RejectRole);
  ok_->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &ChoiceDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ChoiceDialog::reject);
  connect(list_, &QListWidget::itemDoubleClicked, this, &ChoiceDialog::accept);
  connect(list_, &QListWidget::currentItemChanged, this, &ChoiceDialog::SelectionChanged);
  connect(list_, &QListWidget::itemSelectionChanged, this, &ChoiceDialog::SelectionChanged);

  auto* countRow = new QHBoxLayout;
  countRow->addWidget(count_);
  countRow->addWidget(countLabel_);
  countRow->addStretch(1);
  auto* left = new QVBoxLayout;
  left->addWidget(listLabel_);
  left->addWidget(list_, 1);
  left->addLayout(countRow);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addWidget(buttons, 0, Qt::AlignTop);

  identity_ = new ChoiceIdentityWindow(this);
  Fill();
  SelectionChanged();
  list_->setFocus(Qt::OtherFocusReason);
}

void ChoiceDialog::Fill() {
  if (IsCertificateChoiceKind(parameter_.kind)) {
    SlotFile file(SlotFileContext{sources_.dataDir, sources_.card.number, parameter_.kind, sources_.prompter,
                                  sources_.clock, nullptr});
    entries_ = CertificateChoiceEntries(file).value_or(std::vector<ChoiceEntry>{});
  } else if (IsPersonChoiceKind(parameter_.kind)) {
    entries_ = PersonChoiceEntries(sources_.card.persons, parameter_.kind);
  }
  SortChoiceEntries(entries_);
  for (size_t i = 0; i < entries_.size(); ++i) {
    auto* item = new QListWidgetItem(FromCp1252(entries_[i].text), list_);
    item->setData(kEntryRole, static_cast<int>(i));
  }
  count_->setText(QString::asprintf("%d", list_->count()));
}

QString ChoiceDialog::countText() const { return count_->text(); }

// The current choice follows the selection: a person card, or a certificate's slot with the
// card of its key person.
void ChoiceDialog::SelectionChanged() {
  currentPerson_ = nullptr;
  currentSlot_ = -1;
  currentKeyPerson_ = 0;
  QListWidgetItem* item = list_->currentItem();
  if (item != nullptr && item->isSelected()) {
    const ChoiceEntry& entry = entries_.at(static_cast<size_t>(item->data(kEntryRole).toInt()));
    if (IsCertificateChoiceKind(parameter_.kind)) {
      currentSlot_ = entry.slot;
      currentKeyPerson_ = entry.keyPerson;
      currentPerson_ = entry.keyPerson != 0 ? sources_.card.persons.Find(entry.keyPerson) : nullptr;
    } else {
      currentPerson_ = entry.person;
    }
  }
  identity_->ShowPerson(currentPerson_);
}

ChoiceResult ChoiceDialog::Decide() {
  QListWidgetItem* item = list_->currentItem();
  const bool selected = item != nullptr && item->isSelected();
  const bool persons = IsPersonChoiceKind(parameter_.kind);
  ChoiceResult chosen;
  if (!selected) return chosen;
  if (parameter_.open) {
    chosen.value = persons ? (currentPerson_ != nullptr ? 1 : -1) : currentSlot_;
  } else if (persons) {
    if (!sources_.prompter.AskYesNo(Msg(8106)) || currentPerson_ == nullptr) return chosen;
    chosen.value = 1;
  } else {
    if (!sources_.prompter.AskYesNo(Msg(8107))) return chosen;
    chosen.value = currentSlot_;
    chosen.persons =
        FindCertificatePersons(sources_.card.persons, parameter_.kind, currentSlot_, currentKeyPerson_);
  }
  if (chosen.value >= 0) chosen.person = currentPerson_;
  return chosen;
}

void ChoiceDialog::accept() {
  result_ = Decide();
  done(result_.value);
}

void ChoiceDialog::reject() {
  result_ = ChoiceResult{};
  done(-1);
}

void ChoiceDialog::done(int value) {
  identity_->close();
  QDialog::done(value);
}

ChoiceResult ChoiceDialog::Run() {
  result_ = ChoiceResult{};
  exec();
  return result_;
}

void ChoiceDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  move(kDialogPosition);
  identity_->adjustSize();
  identity_->move(frameGeometry().right() + 8, kDialogPosition.y());
  identity_->show();
}

}  // namespace vl
