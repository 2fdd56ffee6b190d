#pragma once
// What the desktop shows of the program's top-level windows: their titles as the window system
// gets them, and the message boxes with their default buttons.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <vector>

namespace vltest {

// Qt's platform windows on the desktop (X11, Windows) append an application display name that
// was set explicitly to every title that does not already end with it; a display name that only
// falls back to the application name adds nothing. The offscreen platform appends nothing, so
// the rule is applied here.
inline QString DesktopTitle(const QWindow* window) {
  if (window == nullptr) return "(kein Fenster)";
  const QString title = window->title();
  const QString name = QCoreApplication::applicationName();
  QCoreApplication::setApplicationName(name + "#");
  const QString display = QGuiApplication::applicationDisplayName();
  const bool setExplicitly = display != QCoreApplication::applicationName();
  QCoreApplication::setApplicationName(name);
  if (!setExplicitly || title.endsWith(display)) return title;
  return title.isEmpty() ? display : title + QString::fromUtf8(" \u2014 ") + display;
}

struct SeenBox {
  QString title;  // as the desktop shows it
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
  QString defaultButton;
};

// Records every message box shown while it lives and answers it: with the button of the given
// text, or with Enter, which takes the default button.
class BoxWatcher : public QObject {
 public:
  explicit BoxWatcher(QString press = {}) : press_(std::move(press)) {
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start(5);
  }

  std::vector<SeenBox> seen;

 private:
  void Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || box == last_ || !box->isVisible()) return;
    last_ = box;
    SeenBox record{DesktopTitle(box->windowHandle()), box->text(), box->icon(), {}, {}};
    for (QAbstractButton* button : box->buttons()) record.buttons << button->text();
    if (box->defaultButton()) record.defaultButton = box->defaultButton()->text();
    seen.push_back(record);
    for (QAbstractButton* button : box->buttons()) {
      if (!press_.isEmpty() && button->text() == press_) {
        button->click();
        return;
      }
    }
    QTest::keyClick(box, Qt::Key_Return);
  }

  QString press_;
  QTimer timer_;
  QPointer<QMessageBox> last_;
};

}  // namespace vltest
