#pragma once
// Dossier_nouveau: title, owner and photo of a new card file.
#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "common/prompter.hpp"
#include "storage/card_file.hpp"
#include "storage/card_file_header.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/card_file_store.hpp"

class QLineEdit;
class QPushButton;
class QLabel;

namespace vl {

class PhotoFrame;

// Asks for a photo file name in the photo directory; nullopt when nothing was chosen.
using PhotoChooser = std::function<std::optional<std::string>(QWidget* owner)>;

class NewCardFileDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kTitleLength = 79;
  static constexpr int kNameLength = 29;
  static constexpr int kFirstNameLength = 19;
  static constexpr int kAddressLength = 79;
  static constexpr int kTownLength = 29;

  NewCardFileDialog(Prompter& prompter, std::filesystem::path photoDir, QWidget* parent = nullptr);

  QLineEdit* titleField() const { return title_; }
  QLineEdit* nameField() const { return name_; }
  QLineEdit* firstNameField() const { return firstName_; }
  QLineEdit* addressField() const { return address_; }
  QLineEdit* townField() const { return town_; }
  PhotoFrame* photoFrame() const { return photo_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

  // Without a chooser the right click in the photo frame does nothing.
  void SetPhotoChooser(PhotoChooser chooser);

  // Title, owner fields and photo name into the header (Windows-1252).
  void ApplyTo(CardFileHeader& header) const;

  // Stays open with 8061 without a title and with 8062 without the owner's name.
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ChoosePhoto();

  Prompter& prompter_;
  QLineEdit* title_;
  QLineEdit* name_;
  QLineEdit* firstName_;
  QLineEdit* address_;
  QLineEdit* town_;
  PhotoFrame* photo_;
  QLabel* photoHint_;
  QPushButton* ok_;
  QPushButton* cancel_;
  PhotoChooser chooser_;
};

}  // namespace vl
