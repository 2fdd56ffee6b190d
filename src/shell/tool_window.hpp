#pragma once
// The tool window "Werkzeug" at the right edge: mouse modes and record browsing.
#include <QFrame>
#include <map>
#include <vector>

namespace vl {

class HintButton;

struct ToolButtonInfo {
  int id;
  const char* icon;
  int hintId;
  bool mouseMode;  // switches the mouse mode rather than giving a command at once
};

class ToolWindow : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kWidth = 48;

  explicit ToolWindow(QWidget* parent = nullptr);

  static const std::vector<ToolButtonInfo>& Buttons();
  HintButton* button(int id) const;
  // Shows which mouse mode is active; 0 for none.
  void SetActiveMode(int id);

 signals:
  void commandRequested(int id);
  void hintRequested(int hintId);
  void hintCleared();

 private:
  std::map<int, HintButton*> buttons_;
};

}  // namespace vl
