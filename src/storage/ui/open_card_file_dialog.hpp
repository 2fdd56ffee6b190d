#pragma once
// Dossier_ouvrir: the list of card files with title, owner, stamps and photo of the selected one.
#include <QDialog>
#include <filesystem>
#include <vector>

#include "storage/card_file.hpp"
#include "storage/card_file_header.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/card_file_store.hpp"

class QLabel;
class QListWidget;
class QPushButton;

namespace vl {

class PhotoFrame;

class OpenCardFileDialog : public QDialog {
  Q_OBJECT

 public:
  // Lists the card files of ctx.dataDir at once; older formats and unreadable headers are left out.
  OpenCardFileDialog(const StoreContext& ctx, std::filesystem::path photoDir, QWidget* parent = nullptr);

  // The card-file number chosen; 0 when the list is empty or nothing is selected.
  int selectedNumber() const;
  const std::vector<CardFileListing>& listing() const { return listing_; }

  QListWidget* list() const { return list_; }
  QString titleText() const;
  QString ownerText() const;
  QString addressText() const;
  QString townText() const;
  QString createdText() const;
  QString savedText() const;
  PhotoFrame* photoFrame() const { return photo_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowSelection();
  void ClearDetails();

  const StoreContext& ctx_;
  std::vector<CardFileListing> listing_;
  QListWidget* list_;
  QLabel* title_;
  QLabel* owner_;
  QLabel* address_;
  QLabel* town_;
  QLabel* created_;
  QLabel* saved_;
  PhotoFrame* photo_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

// "%02d.%02d.%d um %02d:%02d" with the full year.
QString StampText(const TimeStamp& stamp);

}  // namespace vl
