#include "gui/monitoring/pantalla_tendencia.h"

#include <QPainter>
#include <algorithm>
#include <array>

namespace orda::gui {

Pantalla::Pantalla(const monitoring::HistorialMuestras& historial, QWidget* padre)
    : QWidget(padre), historial_(historial) {
  setObjectName(QStringLiteral("Pantalla"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Pantalla::dibujar() {
  dibujada_ = true;
  update();
}

void Pantalla::limpiar() {
  dibujada_ = false;
  update();
}

void Pantalla::ponerCursores(const monitoring::Cursores& c, QColor color1, QColor color2) {
  cursores_ = c;
  color1_ = color1;
  color2_ = color2;
  update();
}

monitoring::AreaGrafico Pantalla::area() const { return {double(width()), double(height()), 1.0}; }

void Pantalla::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kFondo);
  const int alto = height();
  // A line at height y sits on the pixel row it falls in; the bottom edge
  // itself is one row lower than the last one shown.
  auto fila = [alto](double y) { return std::clamp(static_cast<int>(y), 0, std::max(alto - 1, 0)); };

  p.setPen(kMitad);
  p.drawLine(0, fila(alto / 2.0), width() - 1, fila(alto / 2.0));

  // The cursors under the samples, so that a sample on an edge stays in sight.
  p.setPen(color1_);
  p.drawLine(0, fila(cursores_.superior), width() - 1, fila(cursores_.superior));
  p.setPen(color2_);
  p.drawLine(0, fila(cursores_.inferior), width() - 1, fila(cursores_.inferior));

  if (dibujada_) {
    const monitoring::Trazo t = monitoring::trazar(historial_, area());
    // Each point on the pixel it falls in.
    std::array<QPoint, monitoring::kMuestras> puntos;
    for (std::size_t i = 0; i < t.size(); ++i) puntos[i] = QPoint(static_cast<int>(t[i].x), fila(t[i].y));
    p.setPen(kMuestras);
    p.drawPolyline(puntos.data(), static_cast<int>(puntos.size()));
    p.drawPoints(puntos.data(), static_cast<int>(puntos.size()));
  }

}

}  // namespace orda::gui
