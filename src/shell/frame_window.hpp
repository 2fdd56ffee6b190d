#pragma once
// The frame "Vorlinde": menus, toolbar, tool window, start screen, status line, MDI client,
// and the life of the open card file.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/clock.hpp"
#include "common/program_home.hpp"
#include "common/prompter.hpp"
#include "shell/auto_save.hpp"
#include "storage/card_file.hpp"
#include "storage/card_file_header.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/card_file_store.hpp"
#include "storage/ui/new_card_file_dialog.hpp"

class QAction;
class QMdiArea;
class QMenu;
class QPrinter;
class QRubberBand;
class QStackedWidget;

namespace vl {

class ChildWindowHost;
class HelpWindow;
class MouseModeClient;
class ProgressPanel;
class SharedLook;
class StartScreen;
class StatusLine;
class ToolBar;
class ToolWindow;

struct FrameOptions {
  // Tests drive the status line's clock and OnMinuteTick themselves.
  bool runTimers = true;
};

class FrameWindow : public QMainWindow {
  Q_OBJECT

 public:
  FrameWindow(ProgramHome home, Prompter& prompter, const Clock& clock, const SharedLook& look,
              FrameOptions options = {}, QWidget* parent = nullptr);
  ~FrameWindow() override;

  // --- State -----------------------------------------------------------------------------
  bool IsCardFileOpen() const { return open_; }
  CardFile& cardFile() { return card_; }
  const CardFile& cardFile() const { return card_; }
  bool StartScreenShown() const { return startScreenShown_; }
  // True while the card-file menu (MEN_General) is in the menu bar, false for MEN_Debut.
  bool ShowsGeneralMenu() const { return generalMenu_; }
  int TreeZoom() const { return treeZoom_; }
  AutoSave& autoSave() { return autoSave_; }
  const ProgramHome& home() const { return home_; }
  // The editor for generated text lists (empty: the desktop's opener).
  const std::string& editor() const { return editor_; }
  // Page orientation kept from the printer set-up: 1 portrait, 2 landscape.
  int PageOrientation() const { return pageOrientation_; }

  // --- Commands --------------------------------------------------------------------------
  void RunCommand(int id);
  bool IsCommandAvailable(int id) const;
  QAction* action(int id) const;
  // Windows of other subsystems attach their command here; until then the command stays disabled.
  void InstallCommand(int id, std::function<void()> handler);
  void SetChildWindowHost(ChildWindowHost* host);
  // The mouse modes that the client carries out are enabled; without a client all stay disabled.
  void SetMouseModeClient(MouseModeClient* client);
  void SetPhotoChooser(PhotoChooser chooser) { photoChooser_ = std::move(chooser); }
  const PhotoChooser& photoChooser() const { return photoChooser_; }

  // --- Card-file life --------------------------------------------------------------------
  // The opening sequence for a chosen number (also used by the search across card files).
  bool OpenCardFileNumber(int number);
  // Save on command or automatically; false when a step failed (the changes stay marked).
  bool SaveCardFile();
  // Closes the card file, saving it when modified; false when it stays open after a failed save.
  bool CloseCardFile();

  // --- Timers ----------------------------------------------------------------------------
  // The minute tick of the automatic save; true when a save was posted.
  bool OnMinuteTick();

  // --- Parts -----------------------------------------------------------------------------
  ToolBar* toolBar() const { return toolBar_; }
  ToolWindow* toolWindow() const { return toolWindow_; }
  StartScreen* startScreen() const { return startScreen_; }
  StatusLine* statusLine() const { return statusLine_; }
  ProgressPanel* progressPanel() const { return progress_; }
  QMdiArea* mdiArea() const { return mdiArea_; }
  HelpWindow* helpWindow() const { return help_; }
  const std::vector<QMenu*>& startMenus() const { return startMenus_; }
  const std::vector<QMenu*>& cardFileMenus() const { return cardFileMenus_; }
  int activeMouseMode() const { return mouseMode_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class Busy;

  // Construction.
  void BuildLayout();
  void BuildActions();
  void BuildMenus();
  QMenu* AddMenu(std::vector<QMenu*>& bar, const char* title, std::initializer_list<int> items);
  void ConnectHints(QMenu* menu, bool topLevel);
  void ConnectButtons();

  // States.
  void ShowMenu(bool general);
  void ShowStartScreen();
  void HideStartScreen();
  void EnterCardFileState();
  void EnterStartState();
  void UpdateCommandStates();
  void SetBusy(bool busy);
  StoreContext Context(ProgressWindow* progress) const;

  // Commands of the frame itself.
  void NewCardFile();
  void ChooseAndOpenCardFile();
  void CloseCommand();
  bool ExitRequested();
  void AutoSaveSettings();
  void WorkingNotes();
  void PrinterSetup();
  void ShowHelp(const QString& topic);
  void ContextHelp();
  void ArrangeIcons();
  void RunInstalled(int id);

  // Status line.
  void ShowHint(int hintId);
  void ClearHint();

  // Mouse modes.
  void BeginMouseMode(int toolId);
  void EndMouseMode();
  bool MouseModeEvent(QEvent* event);

  ProgramHome home_;
  Prompter& prompter_;
  const Clock& clock_;
  const SharedLook& look_;
  std::string editor_;

  CardFile card_;
  bool open_ = false;
  bool startScreenShown_ = true;
  bool generalMenu_ = false;
  int treeZoom_ = 1;
  int pageOrientation_ = 1;
  AutoSave autoSave_;

  ToolBar* toolBar_ = nullptr;
  ToolWindow* toolWindow_ = nullptr;
  StartScreen* startScreen_ = nullptr;
  StatusLine* statusLine_ = nullptr;
  ProgressPanel* progress_ = nullptr;
  QMdiArea* mdiArea_ = nullptr;
  QStackedWidget* middle_ = nullptr;
  QWidget* startPage_ = nullptr;
  QWidget* workPage_ = nullptr;
  HelpWindow* help_ = nullptr;
  std::unique_ptr<QPrinter> printer_;

  std::map<int, QAction*> actions_;
  std::vector<QMenu*> startMenus_;
  std::vector<QMenu*> cardFileMenus_;
  std::map<int, std::function<void()>> installed_;
  ChildWindowHost* childHost_ = nullptr;
  MouseModeClient* mouseModeClient_ = nullptr;
  PhotoChooser photoChooser_;

  int mouseMode_ = 0;
  QPointer<QRubberBand> rubberBand_;
  QPoint sectionOrigin_;
  int busyDepth_ = 0;
};

}  // namespace vl
