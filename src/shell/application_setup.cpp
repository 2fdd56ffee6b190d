#include "shell/application_setup.hpp"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include "shell/icons.hpp"

namespace vl {

void SetUpApplication(QApplication& app) {
  // No display name: Qt would append it to every window title ("Fehler — Vorlinde").
  QApplication::setApplicationName("Vorlinde");
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  InitShellResources();

  // Qt's own dialogs (file choice, page set-up) speak German too.
  auto* qtTranslator = new QTranslator(&app);
  if (qtTranslator->load(QLocale(QLocale::German), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(qtTranslator);
  }
}

}  // namespace vl
