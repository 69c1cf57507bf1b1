#include "comun/imagenes_aplicacion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <optional>

namespace orda::gui {

namespace {

// " 12": the counter as text, with the blank a positive number's sign takes.
QString textoContador(int i) { return QStringLiteral(" %1").arg(i); }

bool pareceSvg(const QString& ruta) {
  const QString sufijo = QFileInfo(ruta).suffix().toLower();
  if (sufijo == QLatin1String("svg") || sufijo == QLatin1String("svgz")) return true;
  QFile f(ruta);
  if (!f.open(QIODevice::ReadOnly)) return false;
  return f.read(1024).contains("<svg");
}

}  // namespace

QString claveDeArchivo(const QString& nombre) {
  if (nombre.size() < 4) return {};
  return nombre.left(nombre.size() - 4).toUpper();
}

std::optional<ImagenesAplicacion::Imagen> ImagenesAplicacion::leer(const QString& ruta) {
  Imagen img;
  if (pareceSvg(ruta)) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    img.svg = f.readAll();
    QSvgRenderer r(img.svg);
    if (!r.isValid()) return std::nullopt;
    img.tamano = r.defaultSize();
    return img;
  }
  QImageReader lector(ruta);
  lector.setDecideFormatFromContent(true);
  img.mapa = lector.read();
  if (img.mapa.isNull()) return std::nullopt;
  img.tamano = img.mapa.size();
  return img;
}

ImagenesAplicacion::Resultado ImagenesAplicacion::cargar(const QStringList& carpetas, const QString& rutaRegistro) {
  imagenes_.clear();
  orden_.clear();
  dibujadas_.clear();

  Resultado res;
  QString registro;
  QTextStream linea(&registro);
  int i = 1;
  for (const QString& carpeta : carpetas) {
    const QDir dir(carpeta);
    if (carpeta.isEmpty() || !dir.exists()) continue;
    // In the order the file system lists them, as the console always did.
    const QFileInfoList archivos =
        dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo& archivo : archivos) {
      const QString clave = claveDeArchivo(archivo.fileName());
      int error = 0;
      std::optional<Imagen> img;
      if (clave.isEmpty()) {
        error = kErrorNombreCorto;
      } else if (imagenes_.contains(clave)) {
        error = kErrorClaveRepetida;
      } else if (!(img = leer(archivo.filePath()))) {
        error = kErrorNoEsImagen;
      }
      // The failing file's own number and key: the log says which file it was.
      if (error != 0) {
        linea << textoContador(i) << '\t' << "Error: " << clave << '\t' << error << '\n';
        ++res.errores;
      } else {
        imagenes_.insert(clave, std::move(*img));
        orden_.append(clave);
        linea << textoContador(i) << '\t' << "Agregado: " << clave << '\n';
        ++res.agregadas;
      }
      ++i;
    }
  }
  linea.flush();

  QFile log(rutaRegistro);
  if (!rutaRegistro.isEmpty() && log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
    const QByteArray bytes = registro.toUtf8();
    res.registroEscrito = log.write(bytes) == bytes.size() && log.flush();
  }
  return res;
}

QSize ImagenesAplicacion::tamano(const QString& clave) const {
  auto it = imagenes_.constFind(clave);
  return it == imagenes_.cend() ? QSize() : it->tamano;
}

QPixmap ImagenesAplicacion::imagen(const QString& clave, QSize tam, qreal dpr) const {
  auto it = imagenes_.constFind(clave);
  if (it == imagenes_.cend() || tam.isEmpty()) return {};
  const QString llave = QStringLiteral("%1/%2x%3@%4").arg(clave).arg(tam.width()).arg(tam.height()).arg(dpr);
  auto hecha = dibujadas_.constFind(llave);
  if (hecha != dibujadas_.cend()) return *hecha;

  QPixmap p;
  if (!it->svg.isEmpty()) {
    p = QPixmap(tam * dpr);
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    QSvgRenderer(it->svg).render(&pintor, QRectF(QPointF(0, 0), QSizeF(tam * dpr)));
  } else {
    p = QPixmap::fromImage(it->mapa.scaled(tam * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }
  p.setDevicePixelRatio(dpr);
  dibujadas_.insert(llave, p);
  return p;
}

QIcon ImagenesAplicacion::icono(const QString& clave) const {
  QIcon ic;
  if (!contiene(clave)) return ic;
  for (int lado : {16, 24, 32, 48}) ic.addPixmap(imagen(clave, QSize(lado, lado)));
  return ic;
}

}  // namespace orda::gui
