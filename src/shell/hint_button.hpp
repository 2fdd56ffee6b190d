#pragma once
// A square picture button that puts its hint into the status line while the mouse is over it.
#include <QToolButton>

namespace vl {

class HintButton : public QToolButton {
  Q_OBJECT

 public:
  HintButton(int id, int hintId, const QString& iconName, QWidget* parent = nullptr);

  int id() const { return id_; }
  int hintId() const { return hintId_; }
  const QString& iconName() const { return iconName_; }

 signals:
  void hintRequested(int hintId);
  void hintCleared();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  int id_;
  int hintId_;
  QString iconName_;
};

}  // namespace vl
