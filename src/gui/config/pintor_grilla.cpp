#include "gui/config/pintor_grilla.h"

#include <QFontMetrics>
#include <QPainter>

#include "gui/comun/biblioteca_imagenes.h"
#include "gui/comun/texto_qt.h"

namespace orda::gui {

namespace {

using config::Tabla;

constexpr int kMargen = 3;  // text distance from the cell's edges

Qt::Alignment alineacionQt(config::Alineacion a) {
  switch (a) {
    case config::Alineacion::Izquierda: return Qt::AlignLeft | Qt::AlignVCenter;
    case config::Alineacion::Derecha: return Qt::AlignRight | Qt::AlignVCenter;
    case config::Alineacion::Centro: break;
  }
  return Qt::AlignCenter;
}

bool sombreada(int fila) {
  return fila == Tabla::kFilaEncabezado2 || (fila >= Tabla::kPrimeraFila && (fila - Tabla::kPrimeraFila) % 2 == 1);
}

QColor fondo(const GeometriaGrilla& g, int fila, int col) {
  if (sombreada(fila)) return colores::kSombreado;
  if (fila < g.filasFijas() || col < g.columnasFijas()) return colores::kGrisFijo;
  return Qt::white;
}

// Background and the grid lines on the cell's left and top edges.
void pintarFondo(QPainter& p, QRect r, QColor color) {
  p.fillRect(r, color);
  p.setPen(QPen(colores::kLinea, 0));  // one device pixel at any scale
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
}

void pintarImagen(QPainter& p, const PinturaGrilla& g, QRect contenido, const QString& clave, bool aLaIzquierda) {
  const QSize natural = g.imagenes.tamano(clave);
  const int alto = std::max(1, contenido.height() - 2);
  const QSize tam = natural.isEmpty() ? QSize() : QSize(std::max(1, natural.width() * alto / natural.height()), alto);
  const QPixmap img = g.imagenes.imagen(clave, tam, g.dpr);
  if (img.isNull()) {
    // Without its picture a mark would look empty whatever its state: its key says it.
    if (aLaIzquierda) return;
    QFont pequena = p.font();
    pequena.setPointSizeF(pequena.pointSizeF() * 0.75);
    p.save();
    p.setFont(pequena);
    p.setPen(Qt::darkGray);
    p.drawText(contenido, Qt::AlignCenter, clave);
    p.restore();
    return;
  }
  const int x = aLaIzquierda ? contenido.left() : contenido.left() + (contenido.width() - tam.width()) / 2;
  p.drawPixmap(QPoint(x, contenido.top() + (contenido.height() - tam.height()) / 2), img);
}

void pintarDato(QPainter& p, const PinturaGrilla& g, int fila, int col) {
  const QRect r = g.geometria.rect(fila, col);
  pintarFondo(p, r, fondo(g.geometria, fila, col));
  const config::Celda& celda = g.tabla.celda(fila, col);
  const config::ColumnSpec& columna = g.tabla.columna(col);
  const QRect contenido = r.adjusted(1 + kMargen, 1, -kMargen, 0);
  const bool tipoEntrada = columna.tipo == config::CellKind::InputType;
  if (!celda.imagen.empty()) pintarImagen(p, g, contenido, q(celda.imagen), tipoEntrada);
  if (celda.texto.empty()) return;
  p.setPen(Qt::black);
  const QString texto = p.fontMetrics().elidedText(q(celda.texto), Qt::ElideRight, contenido.width());
  p.drawText(contenido, static_cast<int>(alineacionQt(columna.alineacion)), texto);
}

void pintarEncabezado(QPainter& p, const PinturaGrilla& g, QRect r, QRect visible, int fila, int col) {
  pintarFondo(p, r, fondo(g.geometria, fila, col));
  p.setPen(Qt::black);
  // A merged cell keeps its caption centred on the part in view.
  p.drawText(r.intersected(visible).adjusted(1, 1, 0, 0), Qt::AlignCenter, q(g.tabla.texto(fila, col)));
}

void pintarFilasEncabezado(QPainter& p, const PinturaGrilla& g) {
  const GeometriaGrilla& geo = g.geometria;
  const QRect vista(QPoint(0, 0), geo.vista());
  for (int fila = 0; fila < geo.filasFijas(); ++fila) {
    if (geo.alto(fila) == 0) continue;
    p.setClipRect(QRect(0, 0, geo.anchoFijo(), geo.altoFijo()));
    for (int col = 0; col < geo.columnasFijas(); ++col) pintarEncabezado(p, g, geo.rect(fila, col), vista, fila, col);

    const QRect desplazable(geo.anchoFijo(), 0, vista.width() - geo.anchoFijo(), geo.altoFijo());
    p.setClipRect(desplazable);
    for (int col = geo.primeraColumna(); col < geo.columnas() && geo.x(col) < vista.width(); ++col) {
      int ultima = col;
      if (fila == Tabla::kFilaEncabezado1) {
        const auto [primera, fin] = tramoEncabezado(g.tabla, col, geo.columnasFijas());
        ultima = fin;
        const QRect r(geo.x(primera), geo.y(fila), geo.x(fin) + geo.ancho(fin) - geo.x(primera), geo.alto(fila));
        pintarEncabezado(p, g, r, desplazable, fila, col);
      } else {
        pintarEncabezado(p, g, geo.rect(fila, col), desplazable, fila, col);
      }
      col = ultima;
    }
  }
}

void pintarDatos(QPainter& p, const PinturaGrilla& g) {
  const GeometriaGrilla& geo = g.geometria;
  const QSize vista = geo.vista();
  auto filaEnVista = [&](int fila) { return geo.y(fila) < vista.height(); };
  p.setClipRect(QRect(geo.anchoFijo(), geo.altoFijo(), vista.width(), vista.height()));
  for (int fila = geo.primeraFila(); fila < geo.filas() && filaEnVista(fila); ++fila) {
    if (geo.alto(fila) == 0) continue;
    for (int col = geo.primeraColumna(); col < geo.columnas() && geo.x(col) < vista.width(); ++col) {
      pintarDato(p, g, fila, col);
    }
  }
  p.setClipRect(QRect(0, geo.altoFijo(), geo.anchoFijo(), vista.height()));
  for (int fila = geo.primeraFila(); fila < geo.filas() && filaEnVista(fila); ++fila) {
    if (geo.alto(fila) == 0) continue;
    for (int col = 0; col < geo.columnasFijas(); ++col) pintarDato(p, g, fila, col);
  }
}

// The closing lines on the right of the last column and under the last row.
void pintarBordes(QPainter& p, const PinturaGrilla& g) {
  const GeometriaGrilla& geo = g.geometria;
  p.setClipping(false);
  const int ultimaCol = geo.columnas() - 1;
  const int derecha = geo.x(ultimaCol) + geo.ancho(ultimaCol);
  int abajo = geo.altoFijo();
  for (int fila = geo.primeraFila(); fila < geo.filas(); ++fila) abajo += geo.alto(fila);
  p.setPen(QPen(colores::kLinea, 0));
  p.drawLine(derecha, 0, derecha, abajo);
  p.drawLine(0, abajo, derecha, abajo);
}

void pintarCeldaActual(QPainter& p, const PinturaGrilla& g) {
  const GeometriaGrilla& geo = g.geometria;
  const auto [fila, col] = g.actual;
  if (!g.tabla.existe(fila, col) || !geo.enVista(fila, col)) return;
  p.setClipRect(QRect(geo.anchoFijo(), geo.altoFijo(), geo.vista().width(), geo.vista().height()));
  QPen lapiz(g.conFoco ? colores::kCeldaActual : Qt::darkGray, g.conFoco ? 2 : 1);
  lapiz.setJoinStyle(Qt::MiterJoin);
  p.setPen(lapiz);
  p.setBrush(Qt::NoBrush);
  const QRect r = geo.rect(fila, col);
  p.drawRect(g.conFoco ? QRectF(r).adjusted(2, 2, -1, -1) : QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5));
}

}  // namespace

std::pair<int, int> tramoEncabezado(const config::Tabla& t, int col, int columnasFijas) {
  if (col < columnasFijas) return {col, col};
  const std::string& texto = t.texto(Tabla::kFilaEncabezado1, col);
  int primera = col;
  while (primera - 1 >= columnasFijas && t.texto(Tabla::kFilaEncabezado1, primera - 1) == texto) --primera;
  int ultima = col;
  while (ultima + 1 < t.columnas() && t.texto(Tabla::kFilaEncabezado1, ultima + 1) == texto) ++ultima;
  return {primera, ultima};
}

void pintarGrilla(QPainter& p, const PinturaGrilla& g) {
  p.fillRect(QRect(QPoint(0, 0), g.geometria.vista()), colores::kGrisFondo);
  p.setFont(g.fuente);
  pintarDatos(p, g);
  pintarFilasEncabezado(p, g);
  pintarBordes(p, g);
  pintarCeldaActual(p, g);
}

}  // namespace orda::gui
