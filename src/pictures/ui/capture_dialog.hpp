#pragma once
// Capture: a marked part of a window, shown and saved as a bitmap file.
#include <QDialog>
#include <QImage>
#include <QString>
#include <filesystem>
#include <functional>

#include "common/prompter.hpp"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vl {

class CaptureDialog : public QDialog {
  Q_OBJECT

 public:
  // Asks for the file to save to, starting at `start`; empty when none was chosen.
  using FileAsker = std::function<QString(QWidget* owner, const QString& start, const QString& filter)>;

  // Relative file names are taken in `directory`.
  CaptureDialog(QImage picture, std::filesystem::path directory, Prompter& prompter, QWidget* parent = nullptr);

  void SetFileAsker(FileAsker asker) { askFile_ = std::move(asker); }
  // Where OK writes the picture.
  std::filesystem::path Target() const;

  QLabel* pictureLabel() const { return pictureLabel_; }
  QLineEdit* fileNameField() const { return fileName_; }
  QPushButton* saveAsButton() const { return saveAs_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

  void ChooseFile();
  // Writes the bitmap file; stays open when that fails or the user keeps an existing file.
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QImage picture_;
  std::filesystem::path directory_;
  Prompter& prompter_;
  FileAsker askFile_;
  QString confirmed_;  // a name the save dialog already asked about
  QLabel* pictureLabel_;
  QLineEdit* fileName_;
  QPushButton* saveAs_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace vl
