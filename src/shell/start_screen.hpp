#pragma once
// The start screen shown while no card file is open: the cover picture and eight buttons.
#include <QFrame>
#include <map>
#include <vector>

namespace vl {

class HintButton;
class SharedLook;

struct StartButtonInfo {
  int id;
  const char* icon;
  int hintId;
  int column;
  int row;
  const char* caption;
  int command;
};

class StartScreen : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kButtonWidth = 134;
  static constexpr int kButtonHeight = 72;

  StartScreen(const SharedLook& look, QWidget* parent = nullptr);

  static const std::vector<StartButtonInfo>& Buttons();
  HintButton* button(int id) const;

 signals:
  void commandRequested(int command);
  void hintRequested(int hintId);
  void hintCleared();

 private:
  std::map<int, HintButton*> buttons_;
};

}  // namespace vl
