#pragma once
// The toolbar across the top of the frame: 19 buttons, of which each state shows its own set.
#include <QWidget>
#include <map>

namespace vl {

class HintButton;

struct ToolbarButtonInfo {
  int id;
  const char* icon;
  int hintId;
  int x;         // -1: right-aligned (help)
  bool start;    // shown while no card file is open
  bool cardFile; // shown while a card file is open
  int command;   // the command it gives
};

class ToolBar : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 54;
  static constexpr int kButtonSize = 42;
  static constexpr int kButtonY = 5;

  explicit ToolBar(QWidget* parent = nullptr);

  static const std::vector<ToolbarButtonInfo>& Buttons();

  void SetCardFileState(bool cardFile);
  bool CardFileState() const { return cardFile_; }
  HintButton* button(int id) const;
  // Help sits at the right edge, but never over the state's other buttons.
  int HelpButtonX() const;

 signals:
  void commandRequested(int command);
  void hintRequested(int hintId);
  void hintCleared();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void PlaceHelp();

  std::map<int, HintButton*> buttons_;
  bool cardFile_ = false;
};

}  // namespace vl
