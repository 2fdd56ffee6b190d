#include "pictures/ui/photo_dialog.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <system_error>
#include <vector>

#include "common/cp1252.hpp"
#include "common/ui/dialog_placement.hpp"
#include "common/ui/photo_frame.hpp"
#include "pictures/photo_import.hpp"

namespace vl {
namespace {

constexpr int kIsDirectoryRole = Qt::UserRole;
constexpr int kPathRole = Qt::UserRole + 1;

// Only names of at least 5 characters ending in ".bmp" (any case) are pictures to choose.
bool LooksLikeBitmap(const std::string& name) {
  if (name.size() < 5) return false;
  return EqualsNoCase(name.substr(name.size() - 4), ".bmp");
}

QString ShownPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

struct Entries {
  std::vector<std::filesystem::path> directories;
  std::vector<std::filesystem::path> bitmaps;
};

Entries ListDirectory(const std::filesystem::path& dir) {
  Entries found;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with('.')) continue;  // hidden, and the program's own temporary files
    std::error_code typeError;
    if (entry.is_directory(typeError)) {
      found.directories.push_back(entry.path());
    } else if (LooksLikeBitmap(name)) {
      found.bitmaps.push_back(entry.path());
    }
  }
  auto byName = [](const std::filesystem::path& a, const std::filesystem::path& b) {
    return CompareNoCase(a.filename().string(), b.filename().string()) < 0;
  };
  std::sort(found.directories.begin(), found.directories.end(), byName);
  std::sort(found.bitmaps.begin(), found.bitmaps.end(), byName);
  return found;
}

}  // namespace

PhotoDialog::PhotoDialog(const ProgramHome& home, Prompter& prompter, QWidget* parent)
    : QDialog(parent), photoDir_(home.PhotoDir()), prompter_(prompter) {
  setWindowTitle("Foto");
  directoryLabel_ = new QLabel(this);
  directoryLabel_->setObjectName("directoryLabel");
  directoryLabel_->setWordWrap(true);
  entries_ = new QListWidget(this);
  entries_->setObjectName("entryList");
  entries_->setMinimumSize(220, 200);
  preview_ = new PhotoFrame(photoDir_, this);
  preview_->setFixedSize(150, 170);
  ok_ = new QPushButton("&OK", this);
  ok_->setDefault(true);
  noPhoto_ = new QPushButton("&Kein Foto", this);
  cancel_ = new QPushButton("&Abbrechen", this);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(noPhoto_);
  buttons->addWidget(cancel_);
  buttons->addStretch(1);
  auto* body = new QHBoxLayout;
  body->addWidget(entries_, 1);
  body->addWidget(preview_, 0, Qt::AlignTop);
  body->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(directoryLabel_);
  layout->addLayout(body);

  connect(entries_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) { ShowSelected(item); });
  connect(entries_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { Activate(item); });
  connect(ok_, &QPushButton::clicked, this, &PhotoDialog::accept);
  connect(noPhoto_, &QPushButton::clicked, this, &PhotoDialog::ChooseNoPhoto);
  connect(cancel_, &QPushButton::clicked, this, &PhotoDialog::reject);
  ChangeDirectory(photoDir_);
}

void PhotoDialog::ChangeDirectory(const std::filesystem::path& dir) {
  std::error_code ec;
  directory_ = std::filesystem::weakly_canonical(dir, ec);
  if (ec) directory_ = dir;
  directoryLabel_->setText(ShownPath(directory_));
  entries_->clear();
  auto add = [this](const QString& text, const std::filesystem::path& path, bool isDirectory) {
    auto* item = new QListWidgetItem(text, entries_);
    item->setData(kIsDirectoryRole, isDirectory);
    item->setData(kPathRole, ShownPath(path));
  };
  if (directory_.has_parent_path() && directory_.parent_path() != directory_) add("[..]", directory_.parent_path(), true);
  const Entries found = ListDirectory(directory_);
  for (const auto& d : found.directories) add("[" + QString::fromStdString(d.filename().string()) + "]", d, true);
  for (const auto& f : found.bitmaps) add(QString::fromStdString(f.filename().string()), f, false);
  ShowSelected(nullptr);
}

void PhotoDialog::ShowSelected(QListWidgetItem* item) {
  previewed_.clear();
  if (item != nullptr && !item->data(kIsDirectoryRole).toBool()) {
    const std::filesystem::path path = item->data(kPathRole).toString().toStdString();
    if (preview_->Preview(path)) previewed_ = path;
  } else {
    preview_->Preview({});
  }
  ok_->setEnabled(!previewed_.empty());
}

void PhotoDialog::Activate(QListWidgetItem* item) {
  if (item == nullptr) return;
  if (item->data(kIsDirectoryRole).toBool()) {
    ChangeDirectory(item->data(kPathRole).toString().toStdString());
  } else {
    accept();
  }
}

void PhotoDialog::accept() {
  if (previewed_.empty()) return;
  auto name = ImportPhoto(photoDir_, previewed_, prompter_);
  if (!name) return;
  chosen_ = *name;
  QDialog::accept();
}

void PhotoDialog::ChooseNoPhoto() {
  chosen_.clear();
  QDialog::accept();
}

void PhotoDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  PlaceModalDialog(*this);
}

std::optional<std::string> ChoosePhoto(QWidget* parent, const ProgramHome& home, Prompter& prompter) {
  PhotoDialog dialog(home, prompter, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.chosen();
}

}  // namespace vl
