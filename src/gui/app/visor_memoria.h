#pragma once
// The memory viewer "Form1": the console's copy of the panel's memory as a
// hexadecimal dump, sixteen bytes a line, sixteen lines at a time, with a
// scroll bar over the 768 lines. A line reads "1C000H  FF FF ... FF": five
// address digits, "H", a blank, then a blank and two digits per byte.
#include <QString>
#include <QWidget>

#include "core/imagen/imagen.h"

class QPlainTextEdit;
class QScrollBar;

namespace orda::gui {

inline constexpr int kLineasVisibles = 16;
inline constexpr int kUltimaPrimeraLinea = 752;  // 768 lines, sixteen visible

QString lineaMemoria(const imagen::ImagenMemoria& img, int linea);
// The sixteen lines from `primera`, each ended by CR LF.
QString textoMemoria(const imagen::ImagenMemoria& img, int primera);

class Form1 : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(const imagen::ImagenMemoria& imagenMemoria, QWidget* padre = nullptr);

  // Redraws the sixteen lines for the scroll bar's value.
  void sb_Change();

  // The size in pixels of `texto` drawn with `objeto`'s font.
  static void Obtener_Text_Size(const QWidget& objeto, const QString& texto, int& ancho, int& alto);

  QPlainTextEdit* Text1() const { return text1_; }
  QScrollBar* sb() const { return sb_; }

 private:
  const imagen::ImagenMemoria& imagenMemoria_;
  QPlainTextEdit* text1_;
  QScrollBar* sb_;
};

}  // namespace orda::gui
