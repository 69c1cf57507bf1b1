#include "gui/app/carpetas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace orda::gui {

QString carpetaAplicacion(const QString& carpetaPrograma) {
  const QDir programa(carpetaPrograma);
  if (programa.dirName() == QLatin1String("bin")) {
    const QString compartida = QDir::cleanPath(programa.filePath(QStringLiteral("../share/orda")));
    if (QFileInfo(compartida).isDir()) return compartida;
  }
  return QDir::cleanPath(carpetaPrograma);
}

QString carpetaAplicacion() { return carpetaAplicacion(QCoreApplication::applicationDirPath()); }

QString carpetaImagenes(const QString& carpetaApp) {
  const QString entorno = qEnvironmentVariable("ORDA_IMAGENES");
  if (!entorno.isEmpty()) return entorno;
  return QDir(carpetaApp).filePath(QStringLiteral("images"));
}

QString rutaRegistroImagenes(const QString& carpetaApp) {
  const QFileInfo app(carpetaApp);
  const QFileInfo existente(QDir(carpetaApp).filePath(QString::fromLatin1(kNombreRegistroImagenes)));
  const bool escribible = existente.exists() ? existente.isWritable() : app.isWritable();
  if (app.isDir() && escribible) return existente.filePath();
  const QString propia = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  QDir().mkpath(propia);
  return QDir(propia).filePath(QString::fromLatin1(kNombreRegistroImagenes));
}

QString rutaManual(const QString& carpetaApp) {
  const QString indice = QDir(carpetaApp).filePath(QStringLiteral("manual/index.html"));
  return QFileInfo::exists(indice) ? indice : QString();
}

QString dirInicial() {
  const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return docs.isEmpty() ? QDir::homePath() : docs;
}

}  // namespace orda::gui
