#include "shell/icons.hpp"

#include <QPainter>
#include <QSvgRenderer>

// The resource initialiser must be named outside any namespace.
static void InitVorlindeResources() { Q_INIT_RESOURCE(vorlinde); }

namespace vl {

void InitShellResources() {
  static const bool done = (InitVorlindeResources(), true);
  (void)done;
}

QString IconPath(const QString& name) { return QString(":/icons/%1.svg").arg(name); }

QIcon ProgramIcon(const QString& name) {
  InitShellResources();
  return QIcon(IconPath(name));
}

QPixmap ProgramPixmap(const QString& name, QSize size, qreal devicePixelRatio) {
  InitShellResources();
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(IconPath(name));
  QPainter painter(&pixmap);
  renderer.render(&painter);
  painter.end();
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

}  // namespace vl
