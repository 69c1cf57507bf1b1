#include "gui/comun/imagenes_aplicacion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QApplication>
#include <QSvgRenderer>
#include <QTextStream>
#include <optional>

namespace orda::gui {

namespace {

// " 12": the counter as text, with the blank a positive number's sign takes.
QString textoContador(int i) { return QStringLiteral(" %1").arg(i); }

enum class Clase { Svg, Mapa, Ninguna };

// What the file can be, from its name and its first bytes, so that the
// program, its libraries and the log are turned down without waking every
// picture reader.
Clase clase(const QString& ruta) {
  static const QStringList kSufijosMapa{"png", "jpg", "jpeg", "gif", "bmp", "ico", "cur", "pbm", "pgm",
                                        "ppm", "xbm", "xpm", "webp", "tif", "tiff", "tga", "wbmp", "icns"};
  const QString sufijo = QFileInfo(ruta).suffix().toLower();
  if (sufijo == QLatin1String("svg") || sufijo == QLatin1String("svgz")) return Clase::Svg;
  QFile f(ruta);
  if (!f.open(QIODevice::ReadOnly)) return Clase::Ninguna;
  const QByteArray c = f.read(1024);
  if (c.contains("<svg")) return Clase::Svg;
  if (kSufijosMapa.contains(sufijo)) return Clase::Mapa;
  static const QByteArray kFirmas[] = {QByteArray("\x89PNG"), QByteArray("\xFF\xD8\xFF"), QByteArray("GIF8"),
                                       QByteArray("BM"), QByteArray("\0\0\1\0", 4), QByteArray("\0\0\2\0", 4),
                                       QByteArray("/* XPM */"), QByteArray("II*\0", 4), QByteArray("MM\0*", 4)};
  for (const QByteArray& firma : kFirmas) {
    if (c.startsWith(firma)) return Clase::Mapa;
  }
  if (c.startsWith("RIFF") && c.mid(8, 4) == "WEBP") return Clase::Mapa;
  if (c.size() > 2 && c[0] == 'P' && c[1] >= '1' && c[1] <= '6') return Clase::Mapa;
  return Clase::Ninguna;
}

}  // namespace

QString claveDeArchivo(const QString& nombre) {
  if (nombre.size() < 4) return {};
  return nombre.left(nombre.size() - 4).toUpper();
}

std::optional<ImagenesAplicacion::Imagen> ImagenesAplicacion::leer(const QString& ruta) {
  Imagen img;
  const Clase k = clase(ruta);
  if (k == Clase::Ninguna) return std::nullopt;
  if (k == Clase::Svg) {
    img.svg = std::make_shared<QSvgRenderer>(ruta);
    if (!img.svg->isValid()) return std::nullopt;
    img.tamano = img.svg->defaultSize();
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

QPixmap ImagenesAplicacion::Imagen::dibujar(QSize tam, qreal dpr) const {
  QPixmap p;
  if (svg) {
    p = QPixmap(tam * dpr);
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    svg->render(&pintor, QRectF(QPointF(0, 0), QSizeF(tam * dpr)));
  } else {
    p = QPixmap::fromImage(mapa.scaled(tam * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }
  p.setDevicePixelRatio(dpr);
  return p;
}

QPixmap ImagenesAplicacion::imagen(const QString& clave, QSize tam, qreal dpr) const {
  auto it = imagenes_.constFind(clave);
  if (it == imagenes_.cend() || tam.isEmpty()) return {};
  const QString llave = QStringLiteral("%1/%2x%3@%4").arg(clave).arg(tam.width()).arg(tam.height()).arg(dpr);
  auto hecha = dibujadas_.constFind(llave);
  if (hecha != dibujadas_.cend()) return *hecha;
  const QPixmap p = it->dibujar(tam, dpr);
  dibujadas_.insert(llave, p);
  return p;
}

namespace {

// Draws the picture only when an icon is shown, at the size it is shown.
class MotorIcono : public QIconEngine {
 public:
  explicit MotorIcono(ImagenesAplicacion::Imagen img) : img_(std::move(img)) {}
  QIconEngine* clone() const override { return new MotorIcono(img_); }
  QSize actualSize(const QSize& tam, QIcon::Mode, QIcon::State) override { return tam; }
  void paint(QPainter* pintor, const QRect& r, QIcon::Mode modo, QIcon::State estado) override {
    pintor->drawPixmap(r, pixmap(r.size() * pintor->device()->devicePixelRatioF(), modo, estado));
  }
  QPixmap pixmap(const QSize& tam, QIcon::Mode modo, QIcon::State) override {
    const quint64 llave = (quint64(tam.width()) << 32) | (quint64(tam.height()) << 2) | quint64(modo);
    auto it = hechas_.constFind(llave);
    if (it != hechas_.cend()) return *it;
    QPixmap p = img_.dibujar(tam, 1.0);
    if (modo == QIcon::Disabled) {
      QStyleOption opcion;
      p = QApplication::style()->generatedIconPixmap(QIcon::Disabled, p, &opcion);
    }
    hechas_.insert(llave, p);
    return p;
  }

 private:
  ImagenesAplicacion::Imagen img_;
  QHash<quint64, QPixmap> hechas_;
};

}  // namespace

QIcon ImagenesAplicacion::icono(const QString& clave) const {
  auto it = imagenes_.constFind(clave);
  if (it == imagenes_.cend()) return {};
  return QIcon(new MotorIcono(*it));
}

}  // namespace orda::gui
