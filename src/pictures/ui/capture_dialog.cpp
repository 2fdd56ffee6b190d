#include "pictures/ui/capture_dialog.hpp"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <system_error>

#include "common/ui/dialog_placement.hpp"
#include "common/ui/dib_image.hpp"
#include "pictures/dib_writer.hpp"

namespace vl {

CaptureDialog::CaptureDialog(QImage picture, std::filesystem::path directory, Prompter& prompter, QWidget* parent)
    : QDialog(parent), picture_(std::move(picture)), directory_(std::move(directory)), prompter_(prompter) {
  setWindowTitle("Speichern des gewählten Stammbaumausschnitts");
  askFile_ = [](QWidget* owner, const QString& start, const QString& filter) {
    return QFileDialog::getSaveFileName(owner, "Speichern unter", start, filter);
  };
  pictureLabel_ = new QLabel(this);
  pictureLabel_->setObjectName("picture");
  pictureLabel_->setPixmap(QPixmap::fromImage(picture_));
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(pictureLabel_);
  scroll->setAlignment(Qt::AlignCenter);
  scroll->setMinimumSize(std::min(picture_.width() + 4, 480), std::min(picture_.height() + 4, 320));
  fileName_ = new QLineEdit("bild.bmp", this);
  fileName_->setObjectName("fileName");
  saveAs_ = new QPushButton("&Speichern unter...", this);
  ok_ = new QPushButton("&OK", this);
  ok_->setDefault(true);
  cancel_ = new QPushButton("&Abbrechen", this);

  auto* nameRow = new QHBoxLayout;
  auto* nameLabel = new QLabel("&Dateiname:", this);
  nameLabel->setBuddy(fileName_);
  nameRow->addWidget(nameLabel);
  nameRow->addWidget(fileName_, 1);
  nameRow->addWidget(saveAs_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(scroll, 1);
  layout->addLayout(nameRow);
  layout->addLayout(buttons);

  connect(saveAs_, &QPushButton::clicked, this, &CaptureDialog::ChooseFile);
  connect(ok_, &QPushButton::clicked, this, &CaptureDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &CaptureDialog::reject);
}

std::filesystem::path CaptureDialog::Target() const {
  const std::filesystem::path name = fileName_->text().trimmed().toStdString();
  return name.is_absolute() ? name : directory_ / name;
}

void CaptureDialog::ChooseFile() {
  const QString chosen =
      askFile_(this, QString::fromStdString(Target().string()), QtFileFilter(MessageText(8408)));
  if (chosen.isEmpty()) return;
  fileName_->setText(chosen);
  confirmed_ = chosen;
}

void CaptureDialog::accept() {
  if (fileName_->text().trimmed().isEmpty()) {
    prompter_.ShowInformation(Msg(8402));
    return;
  }
  const std::filesystem::path target = Target();
  std::error_code ec;
  const bool asked = confirmed_ == fileName_->text();
  if (!asked && std::filesystem::exists(target, ec) && !prompter_.AskYesNo(Msg(8009, target.string()))) return;
  const Dib dib = DibFromImage(picture_);
  const int code = SaveBitmapFile(&dib, target);
  if (code != kDibOk) {
    prompter_.ShowError(DirectText(std::string(DibErrorText(code))));
    return;
  }
  QDialog::accept();
}

void CaptureDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  PlaceModalDialog(*this);
}

}  // namespace vl
