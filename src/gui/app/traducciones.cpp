#include "gui/app/traducciones.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace orda::gui {

bool instalarTraduccionesQt(QCoreApplication& app) {
  auto* t = new QTranslator(&app);
  if (!t->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(t)) {
    delete t;
    return false;
  }
  return true;
}

}  // namespace orda::gui
