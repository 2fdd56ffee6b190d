// New, open, save, close and exit of the card file, the automatic save, settings and notes.
#include <QCloseEvent>
#include <QMdiArea>
#include <QTimer>

#include "shell/child_window_host.hpp"
#include "shell/frame_window.hpp"
#include "shell/help_window.hpp"
#include "shell/progress_panel.hpp"
#include "shell/status_line.hpp"
#include "storage/ui/auto_save_dialog.hpp"
#include "storage/ui/new_card_file_dialog.hpp"
#include "storage/ui/notes_dialog.hpp"
#include "storage/ui/open_card_file_dialog.hpp"

namespace vl {
namespace {

constexpr const char* kKeptOpenText =
    "Die Kartei konnte nicht gespeichert werden und bleibt deshalb geöffnet, damit Ihre Änderungen "
    "nicht verloren gehen. Beheben Sie die Ursache und speichern Sie die Kartei erneut.";
constexpr const char* kExitUnsavedText =
    "Die Kartei konnte nicht gespeichert werden. Wenn Sie Vorlinde jetzt beenden, gehen alle Änderungen "
    "seit dem letzten Speichern verloren. Trotzdem beenden?";

}  // namespace

// Disables the frame and shows the wait cursor for the lifetime of the object.
class FrameWindow::Busy {
 public:
  explicit Busy(FrameWindow& frame) : frame_(frame) { frame_.SetBusy(true); }
  ~Busy() { frame_.SetBusy(false); }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  FrameWindow& frame_;
};

void FrameWindow::NewCardFile() {
  HideStartScreen();
  const StoreContext plain = Context(nullptr);
  const int number = ChooseNewCardFileNumber(plain);
  if (number < 0) {
    ShowStartScreen();
    return;
  }
  NewCardFileDialog dialog(prompter_, home_.PhotoDir(), this);
  if (photoChooser_) dialog.SetPhotoChooser(photoChooser_);
  if (dialog.exec() != QDialog::Accepted) {
    ShowStartScreen();
    return;
  }
  card_.Clear();
  card_.header = CardFileHeader();
  card_.number = number;
  dialog.ApplyTo(card_.header);

  int created = -1;
  {
    Busy busy(*this);
    ShowMenu(true);
    progress_->Open();
    created = CreateCardFile(Context(progress_), card_);
    progress_->Close();
  }
  // A file set that stopped part-way is not worked on: the card file would lack files.
  if (created < 0) {
    card_.Clear();
    card_.number = 0;
    EnterStartState();
    return;
  }
  treeZoom_ = 1;
  EnterCardFileState();
  card_.modified.Clear();
}

void FrameWindow::ChooseAndOpenCardFile() {
  HideStartScreen();
  const StoreContext plain = Context(nullptr);
  int number = 0;
  {
    OpenCardFileDialog dialog(plain, home_.PhotoDir(), this);
    if (dialog.exec() == QDialog::Accepted) number = dialog.selectedNumber();
  }
  if (number <= 0) {
    ShowStartScreen();
    return;
  }
  OpenCardFileNumber(number);
}

bool FrameWindow::OpenCardFileNumber(int number) {
  HideStartScreen();
  bool ok = false;
  {
    Busy busy(*this);
    ShowMenu(true);
    progress_->Open();
    ok = OpenCardFile(Context(progress_), card_, number);
    progress_->Close();
  }
  if (ok) {
    treeZoom_ = card_.header.Zoom();
    EnterCardFileState();
  } else {
    EnterStartState();
  }
  activateWindow();
  card_.modified.Clear();
  return ok;
}

bool FrameWindow::SaveCardFile() {
  if (!open_) return false;
  autoSave_.SetAllowed(false);
  bool ok = false;
  {
    Busy busy(*this);
    progress_->Open();
    ok = vl::SaveCardFile(Context(progress_), card_);
    progress_->Close();
  }
  activateWindow();
  autoSave_.SetAllowed(true);
  autoSave_.ResetCounter();
  return ok;
}

bool FrameWindow::CloseCardFile() {
  if (open_) {
    if (childHost_) {
      childHost_->CloseAllWithoutAsking();
    } else {
      mdiArea_->closeAllSubWindows();
    }
    if (card_.modified.IsSet()) {
      bool saved = false;
      {
        Busy busy(*this);
        progress_->Open();
        saved = vl::CloseCardFile(Context(progress_), card_);
        progress_->Close();
      }
      autoSave_.ResetCounter();
      if (!saved) return false;
    }
    card_.Clear();
    card_.number = 0;
    autoSave_.SetAllowed(true);
    EnterStartState();
  }
  card_.notes.clear();
  ShowStartScreen();
  return true;
}

void FrameWindow::CloseCommand() {
  if (!CloseCardFile()) prompter_.ShowError(DirectText(kKeptOpenText));
}

bool FrameWindow::ExitRequested() {
  if (!open_) return true;
  if (CloseCardFile()) return true;
  return prompter_.AskYesNoDefaultNo(DirectText(kExitUnsavedText));
}

void FrameWindow::closeEvent(QCloseEvent* event) {
  if (busyDepth_ > 0 || !ExitRequested()) {
    event->ignore();
    return;
  }
  EndMouseMode();
  help_->close();
  event->accept();
}

bool FrameWindow::OnMinuteTick() {
  if (!autoSave_.Tick(open_, card_.modified.IsSet())) return false;
  autoSave_.SetAllowed(false);
  statusLine_->ShowMessage(8401);
  // Posted, so that the save runs after whatever the user is doing right now.
  QTimer::singleShot(0, this, [this] {
    autoSave_.SetAllowed(true);
    if (open_) SaveCardFile();
    statusLine_->Clear();
  });
  return true;
}

void FrameWindow::AutoSaveSettings() {
  AutoSaveDialog dialog(autoSave_.Enabled(), autoSave_.Interval(), this);
  if (dialog.exec() == QDialog::Accepted) autoSave_.Configure(dialog.enabled(), dialog.interval());
  autoSave_.ResetCounter();
}

void FrameWindow::WorkingNotes() {
  NotesDialog dialog(card_.notes, this);
  if (dialog.exec() != QDialog::Accepted) return;
  std::string notes = dialog.notes();
  if (notes == card_.notes) return;
  card_.notes = std::move(notes);
  card_.header.SetNotesLength(static_cast<uint16_t>(card_.notes.size()));
  card_.modified.Set();
}

}  // namespace vl
