#include "common/ui/shared_look.hpp"

#include <QFrame>
#include <QPalette>

namespace vl {
namespace {

// Heights are pixel heights; where Arial or Times New Roman are missing the family hint picks
// the system's sans-serif or serif face.
QFont MakeFont(const QString& family, QFont::StyleHint hint, int pixelHeight, QFont::Weight weight) {
  QFont font(family);
  font.setStyleHint(hint, QFont::PreferQuality);
  font.setPixelSize(pixelHeight);
  font.setWeight(weight);
  return font;
}

}  // namespace

SharedLook::SharedLook()
    : small_(MakeFont("Arial", QFont::SansSerif, 7, QFont::Normal)),
      medium_(MakeFont("Arial", QFont::SansSerif, 12, QFont::Bold)),
      large_(MakeFont("Arial", QFont::SansSerif, 20, QFont::Bold)),
      title_(MakeFont("Times New Roman", QFont::Serif, 30, QFont::Bold)) {}

void SharedLook::MakeRaisedPanel(QFrame& frame, int lineWidth) {
  frame.setFrameStyle(QFrame::Panel | QFrame::Raised);
  frame.setLineWidth(lineWidth);
  frame.setAutoFillBackground(true);
  QPalette pal = frame.palette();
  pal.setColor(QPalette::Window, LightGrey());
  frame.setPalette(pal);
}

}  // namespace vl
