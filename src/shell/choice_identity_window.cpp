#include "shell/choice_identity_window.hpp"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/qt_text.hpp"

namespace vl {
namespace {

QLabel* Field(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 40);
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
}

}  // namespace vl
