#include "shell/choice_identity_window.hpp"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "common/ui/qt_text.hpp"

namespace vl {
namespace {

// A long line as the window shows them: a full date and a long place name.
constexpr const char* kLongLine = "* 28.11.1899 (Neustadt an der Weinstraße)";

QLabel* Field(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setMargin(2);  // the text keeps off the frame on the right too
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromUtf8(kLongLine)) +
                         2 * label->frameWidth() + 2 * label->margin() + 8);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

ChoiceIdentityWindow::ChoiceIdentityWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setObjectName("Identite");
  setWindowTitle("Kurzidentifikation");
  setAttribute(Qt::WA_ShowWithoutActivating);

  name_ = Field("name", this);
  birth_ = Field("birth", this);
  baptism_ = Field("baptism", this);
  death_ = Field("death", this);
  father_ = Field("father", this);
  mother_ = Field("mother", this);
  spouse1_ = Field("spouse1", this);
  spouse2_ = Field("spouse2", this);

  auto* layout = new QVBoxLayout(this);
  for (QLabel* field : {name_, birth_, baptism_, death_, father_, mother_}) layout->addWidget(field);
  auto* spouses = new QFormLayout;
  spouses->addRow("x1:", spouse1_);
  spouses->addRow("x2:", spouse2_);
  layout->addLayout(spouses);
}

void ChoiceIdentityWindow::ShowPerson(const PersonCard* person) {
  const IdentityLines lines = IdentityOf(person);
  name_->setText(FromCp1252(lines.name));
  birth_->setText(FromCp1252(lines.birth));
  baptism_->setText(FromCp1252(lines.baptism));
  death_->setText(FromCp1252(lines.death));
  father_->setText(FromCp1252(lines.father));
  mother_->setText(FromCp1252(lines.mother));
  spouse1_->setText(FromCp1252(lines.spouse1));
  spouse2_->setText(FromCp1252(lines.spouse2));
  // A name longer than the fields widens the window rather than being cut off.
  if (isVisible() && sizeHint().width() > width()) resize(sizeHint().width(), height());
}

}  // namespace vl
