#pragma once
// Painting of a configuration grid: frozen header rows and record-number
// column, the merged first header row, shaded rows, pictures and texts.
#include <QColor>
#include <QFont>

#include "gui/config/geometria_grilla.h"
#include "core/config/tabla.h"

class QPainter;

namespace orda::gui {

class BibliotecaImagenes;

namespace colores {
inline const QColor kSombreado{239, 239, 239};  // header row 2 and every second record
inline const QColor kGrisFijo{218, 218, 218};   // frozen cells
inline const QColor kGrisFondo{209, 209, 209};  // the area beyond the last cell
inline const QColor kLinea{176, 176, 176};
inline const QColor kCeldaActual{40, 70, 140};
inline const QColor kEditor{255, 255, 180};
}  // namespace colores

struct PinturaGrilla {
  const config::Tabla& tabla;
  const GeometriaGrilla& geometria;
  const BibliotecaImagenes& imagenes;
  QFont fuente;
  PosicionCelda actual;
  bool conFoco;
  qreal dpr;
};

void pintarGrilla(QPainter& p, const PinturaGrilla& g);

// The columns merged with `col` in header row 1: [primera, ultima].
std::pair<int, int> tramoEncabezado(const config::Tabla& t, int col, int columnasFijas);

}  // namespace orda::gui
