#pragma once
// APropos: name, version and purpose of the program.
#include <QDialog>

namespace vl {

class SharedLook;

inline constexpr const char* kProgramVersion = "0.1";

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  AboutDialog(const SharedLook& look, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace vl
