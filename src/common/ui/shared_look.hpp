#pragma once
// The fonts and colours shared by all windows; one object owned by the program entry.
#include <QColor>
#include <QFont>

class QFrame;

namespace vl {

class SharedLook {
 public:
  SharedLook();

  const QFont& SmallFont() const { return small_; }
  const QFont& MediumFont() const { return medium_; }
  const QFont& LargeFont() const { return large_; }
  const QFont& TitleFont() const { return title_; }

  static QColor Text() { return QColor(0, 0, 0); }
  static QColor LightGrey() { return QColor(192, 192, 192); }
  static QColor DarkGrey() { return QColor(128, 128, 128); }
  static QColor White() { return QColor(255, 255, 255); }
  static QColor Yellow() { return QColor(255, 255, 0); }
  static QColor Red() { return QColor(255, 0, 0); }
  static QColor Blue() { return QColor(0, 0, 255); }

  // The light grey raised panel of the toolbar, tool window, status line and start screen.
  static void MakeRaisedPanel(QFrame& frame, int lineWidth = 1);

 private:
  QFont small_;
  QFont medium_;
  QFont large_;
  QFont title_;
};

}  // namespace vl
