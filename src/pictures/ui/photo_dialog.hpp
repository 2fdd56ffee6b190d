#pragma once
// Photo: choosing a bitmap for a photo field. Lists *.bmp files and directories, starting in the
// photo directory, previews the selected file and imports it on OK.
#include <QDialog>
#include <filesystem>
#include <optional>
#include <string>

#include "common/program_home.hpp"
#include "common/prompter.hpp"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vl {

class PhotoFrame;

class PhotoDialog : public QDialog {
  Q_OBJECT

 public:
  PhotoDialog(const ProgramHome& home, Prompter& prompter, QWidget* parent = nullptr);

  // The photo name (Windows-1252) after OK, "" after "Kein Foto".
  const std::string& chosen() const { return chosen_; }
  const std::filesystem::path& directory() const { return directory_; }
  // Lists dir; the preview is emptied and OK disabled until a readable bitmap is selected.
  void ChangeDirectory(const std::filesystem::path& dir);

  QListWidget* entryList() const { return entries_; }
  QLabel* directoryLabel() const { return directoryLabel_; }
  PhotoFrame* preview() const { return preview_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* noPhotoButton() const { return noPhoto_; }
  QPushButton* cancelButton() const { return cancel_; }

  // Imports the previewed bitmap; stays open when that fails or nothing readable is previewed.
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowSelected(QListWidgetItem* item);
  void Activate(QListWidgetItem* item);
  void ChooseNoPhoto();

  std::filesystem::path photoDir_;
  Prompter& prompter_;
  std::filesystem::path directory_;
  std::filesystem::path previewed_;  // the readable bitmap shown, empty when none
  std::string chosen_;
  QLabel* directoryLabel_;
  QListWidget* entries_;
  PhotoFrame* preview_;
  QPushButton* ok_;
  QPushButton* noPhoto_;
  QPushButton* cancel_;
};

// The photo chooser: the chosen photo's name in the photo directory (Windows-1252), "" for no
// photo, nullopt when cancelled.
std::optional<std::string> ChoosePhoto(QWidget* parent, const ProgramHome& home, Prompter& prompter);

}  // namespace vl
