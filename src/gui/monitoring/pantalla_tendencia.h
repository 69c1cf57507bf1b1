#pragma once
// "Pantalla", the trending window's plot: the samples in yellow, points and
// lines, on a dark screen with a white line at half height and the two
// cursor lines.
#include <QColor>
#include <QWidget>

#include "core/monitoring/grafico.h"
#include "core/monitoring/grafico_cursores.h"

namespace orda::gui {

class Pantalla : public QWidget {
  Q_OBJECT

 public:
  static constexpr QColor kFondo{0, 0, 0};
  static constexpr QColor kMuestras{255, 255, 0};
  static constexpr QColor kMitad{255, 255, 255};

  Pantalla(const monitoring::HistorialMuestras& historial, QWidget* padre = nullptr);

  // Draws the samples as they stand; they stay drawn until limpiar().
  void dibujar();
  // Leaves only the screen, its middle line and the cursors.
  void limpiar();
  bool dibujada() const { return dibujada_; }

  void ponerCursores(const monitoring::Cursores& c, QColor color1, QColor color2);

  // The plot in screen pixels, for the chart's arithmetic.
  monitoring::AreaGrafico area() const;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  const monitoring::HistorialMuestras& historial_;
  bool dibujada_ = false;
  monitoring::Cursores cursores_;
  QColor color1_, color2_;
};

}  // namespace orda::gui
