#include "gui/comun/biblioteca_imagenes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

namespace orda::gui {

BibliotecaSvg::BibliotecaSvg(QString carpeta) : carpeta_(std::move(carpeta)) {}

QString BibliotecaSvg::archivo(const QString& clave) const {
  return QDir(carpeta_).filePath(clave.toLower() + QStringLiteral(".svg"));
}

QSize BibliotecaSvg::tamano(const QString& clave) const {
  if (clave.isEmpty()) return {};
  auto it = tamanos_.constFind(clave);
  if (it != tamanos_.cend()) return *it;
  QSvgRenderer svg(archivo(clave));
  const QSize t = svg.isValid() ? svg.defaultSize() : QSize();
  tamanos_.insert(clave, t);
  return t;
}

QPixmap BibliotecaSvg::imagen(const QString& clave, QSize tam, qreal dpr) const {
  if (clave.isEmpty() || tam.isEmpty()) return {};
  const QString llave = QStringLiteral("%1/%2x%3@%4").arg(clave).arg(tam.width()).arg(tam.height()).arg(dpr);
  auto it = dibujadas_.constFind(llave);
  if (it != dibujadas_.cend()) return *it;

  QPixmap p;
  QSvgRenderer svg(archivo(clave));
  if (svg.isValid()) {
    p = QPixmap(tam * dpr);
    p.setDevicePixelRatio(dpr);
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    svg.render(&pintor, QRectF(QPointF(0, 0), QSizeF(tam)));
  }
  dibujadas_.insert(llave, p);
  return p;
}

QString BibliotecaSvg::carpetaPorDefecto() {
  const QString entorno = qEnvironmentVariable("ORDA_IMAGENES");
  if (!entorno.isEmpty()) return entorno;
  const QDir programa(QCoreApplication::applicationDirPath());
  for (const QString& rel : {QStringLiteral("images"), QStringLiteral("../share/orda/images")}) {
    const QString c = programa.filePath(rel);
    if (QFileInfo(c).isDir()) return QDir::cleanPath(c);
  }
  return programa.filePath(QStringLiteral("images"));
}

}  // namespace orda::gui
