#pragma once
// The console's run-time image library: every file of the images folder, then
// every file directly in the application folder, under the key "upper-case
// file name without its last four characters" ("filenew.svg" -> "FILENEW",
// "logo.jpeg" -> "LOGO."). Loading rewrites the image log, one line per file:
//   " 3<TAB>Agregado: FILENEW"
//   " 4<TAB>Error: LOGO.<TAB>35602"
// A file that is not a picture, or whose key is taken, is left out and logged;
// nothing is shown to the user.
#include <QByteArray>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

class QSvgRenderer;
#include <memory>
#include <optional>

#include "gui/comun/biblioteca_imagenes.h"

namespace orda::gui {

// Error numbers written in the image log.
inline constexpr int kErrorNombreCorto = 5;       // a name of fewer than four characters
inline constexpr int kErrorNoEsImagen = 481;      // not a picture
inline constexpr int kErrorClaveRepetida = 35602; // key already in the library

// "logo.jpeg" -> "LOGO.": the last four characters go, whatever they are.
// Empty when the name is shorter than four characters.
QString claveDeArchivo(const QString& nombre);

class ImagenesAplicacion : public BibliotecaImagenes {
 public:
  struct Resultado {
    bool registroEscrito = false;  // false: the log could not be opened (loading went on)
    int agregadas = 0;
    int errores = 0;
  };

  // Empties the library, then loads `carpetas` in order (a missing folder adds
  // nothing) and rewrites the log at `rutaRegistro`.
  Resultado cargar(const QStringList& carpetas, const QString& rutaRegistro);

  bool contiene(const QString& clave) const { return imagenes_.contains(clave); }
  QStringList claves() const { return orden_; }

  QPixmap imagen(const QString& clave, QSize tam, qreal dpr = 1.0) const override;
  QSize tamano(const QString& clave) const override;
  // The picture as an icon, drawn at whatever size it is shown (and greyed
  // when its button is disabled); a null icon when there is no such picture.
  QIcon icono(const QString& clave) const;

  struct Imagen {
    std::shared_ptr<QSvgRenderer> svg;  // vector pictures are drawn at every size asked for
    QImage mapa;                        // the others are scaled
    QSize tamano;
    QPixmap dibujar(QSize tam, qreal dpr) const;
  };

 private:
  // The picture in `ruta`, or nothing when it is not one.
  static std::optional<Imagen> leer(const QString& ruta);

  QHash<QString, Imagen> imagenes_;
  QStringList orden_;
  mutable QHash<QString, QPixmap> dibujadas_;
};

}  // namespace orda::gui
