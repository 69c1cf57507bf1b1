#pragma once
// The console's picture library: a picture per key ("OKG", "NOG2",
// "FLANCOASC", ...), read from the images folder as images/<key>.svg with the
// key in lower case. Windows ask it by key; a key without a picture draws
// nothing rather than failing.
#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace orda::gui {

class BibliotecaImagenes {
 public:
  virtual ~BibliotecaImagenes() = default;
  // The picture of `clave` drawn `tam` logical pixels large for a screen of
  // device pixel ratio `dpr`; a null pixmap when there is no such picture.
  virtual QPixmap imagen(const QString& clave, QSize tam, qreal dpr = 1.0) const = 0;
  // The picture's own size (its proportions), or an empty size.
  virtual QSize tamano(const QString& clave) const = 0;
};

// Pictures drawn from the SVG files of one folder, kept once drawn.
class BibliotecaSvg : public BibliotecaImagenes {
 public:
  explicit BibliotecaSvg(QString carpeta);
  QPixmap imagen(const QString& clave, QSize tam, qreal dpr = 1.0) const override;
  QSize tamano(const QString& clave) const override;
  const QString& carpeta() const { return carpeta_; }

  // Where the console looks for its pictures: $ORDA_IMAGENES, then "images"
  // beside the program, then the installed share folder.
  static QString carpetaPorDefecto();

 private:
  QString archivo(const QString& clave) const;

  QString carpeta_;
  mutable QHash<QString, QPixmap> dibujadas_;
  mutable QHash<QString, QSize> tamanos_;
};

}  // namespace orda::gui
