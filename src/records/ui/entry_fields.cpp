#include "records/ui/entry_fields.hpp"

#include <QCompleter>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStringListModel>

#include "common/ui/qt_text.hpp"
#include "storage/name_list.hpp"
#include "storage/person_card.hpp"

namespace vl {
namespace {

// Refills the completer's model from the name list whenever the field gets the focus.
class NameOffer : public QObject {
 public:
  NameOffer(QLineEdit& edit, const NameList& names) : QObject(&edit), names_(names) {
    model_ = new QStringListModel(this);
    auto* completer = new QCompleter(model_, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    edit.setCompleter(completer);
    edit.installEventFilter(this);
    Refill();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) Refill();
    return QObject::eventFilter(watched, event);
  }

 private:
  void Refill() {
    QStringList entries;
    for (const std::string& entry : names_.Entries()) entries << FromCp1252(entry);
    model_->setStringList(entries);
  }

  const NameList& names_;
  QStringListModel* model_;
};

}  // namespace

void OfferNames(QLineEdit& edit, const NameList& names) { new NameOffer(edit, names); }

QLineEdit* LimitedEdit(int maxChars, const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(maxChars);
  return edit;
}

QLineEdit* TimeEdit(const char* name, QWidget* parent) {
  QLineEdit* edit = LimitedEdit(field_limit::kTime, name, parent);
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9:*]*"), edit));
  return edit;
}

QLineEdit* NumberEdit(int maxChars, const char* name, QWidget* parent) {
  QLineEdit* edit = LimitedEdit(maxChars, name, parent);
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
  return edit;
}

std::string StoredText(const QString& typed, int size) {
  std::string text = ToCp1252(typed);
  const size_t keep = size > 2 ? static_cast<size_t>(size - 2) : 0;
  if (text.size() > keep) text.resize(keep);
  return text;
}

void ShowText(QLineEdit& edit, const CertificateRecord& record, TextField field) {
  edit.setText(FromCp1252(record.Get(field)));
}

void StoreText(const QLineEdit& edit, CertificateRecord& record, TextField field) {
  record.Set(field, StoredText(edit.text(), field.size));
}

QString SmallNumberText(int16_t value) { return value > 0 ? QString::number(value) : QString(); }

int16_t SmallNumberValue(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  return ok && value > 0 && value <= 32767 ? static_cast<int16_t>(value) : 0;
}

std::string SurnameOf(const PersonCard& person) {
  return person.fullName.substr(0, std::min<size_t>(person.surnameLength, person.fullName.size()));
}

GivenNames GivenNamesOf(const PersonCard& person) {
  GivenNames names;
  const size_t start = std::min<size_t>(person.surnameLength, person.fullName.size());
  size_t index = 0;
  std::string current;
  for (size_t i = start; i <= person.fullName.size() && index < names.size(); ++i) {
    if (i == person.fullName.size() || person.fullName[i] == ' ') {
      if (!current.empty()) names[index++] = current.substr(0, kGivenNameFieldSize - 1);
      current.clear();
    } else {
      current.push_back(person.fullName[i]);
    }
  }
  return names;
}

QLabel* AddRow(QGridLayout& grid, int row, int column, const QString& label, QWidget* field, int span) {
  auto* caption = new QLabel(label, grid.parentWidget());
  caption->setBuddy(field);
  // A caption stands at the top of a field of several lines.
  const bool tall = field->inherits("QPlainTextEdit");
  grid.addWidget(caption, row, column, tall ? Qt::AlignTop : Qt::Alignment());
  grid.addWidget(field, row, column + 1, 1, span);
  return caption;
}

}  // namespace vl
