#pragma once
// "Seguimiento": one analogue input of the panel plotted live, two cursors
// reading voltages and scaled values, and the lamps of the eight inputs and
// four outputs; a click on an output lamp forces that output.
//
// The window only shows: the poll, the channel and the link live in the
// console, which goes on polling while the window is hidden. The owner
// passes the answers on (it is a link listener: actGraf, actLedEntradas,
// actLedSalidas), calls recargar() after a read or a file opened, shows
// mensajeEstado in status bar panel 2.
#include <QColor>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "core/config/configuracion.h"
#include "core/link/oyente.h"
#include "core/monitoring/grafico.h"
#include "core/monitoring/grafico_cursores.h"
#include "core/monitoring/grafico_lamparas.h"

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace orda::motor {
class MotorEnlace;
}

namespace orda::gui {

class BibliotecaImagenes;
class FlechaCursor;
class Lampara;
class LecturaCursor;
class Pantalla;

class Trending : public QWidget, public link::OyenteEnlace {
  Q_OBJECT

 public:
  static constexpr int kCanales = 9;  // "0" (none) .. "8"

  // Cursor colours: bright as built, darker from their first readout on.
  static constexpr QColor kCursor1Inicial{0, 255, 0}, kCursor1{0, 150, 0};
  static constexpr QColor kCursor2Inicial{255, 0, 0}, kCursor2{150, 0, 0};

  Trending(motor::MotorEnlace& motor, const config::Configuracion& cfg,
           const BibliotecaImagenes& imagenes, QWidget* padre = nullptr);

  int canal() const;
  const monitoring::HistorialMuestras& historial() const { return historial_; }
  const monitoring::Cursores& cursores() const { return cursores_; }
  // A drag of a cursor to height y of the plot (pixels from its top); false
  // when refused (out of the plot, or past the other cursor).
  bool moverCursor(monitoring::Cursor cual, double y);

  Pantalla* pantalla() const { return pantalla_; }
  QRadioButton* opcionCanal(int i) const { return opciones_.at(static_cast<std::size_t>(i)); }
  FlechaCursor* flecha(monitoring::Cursor cual) const;
  LecturaCursor* lectura(monitoring::Cursor cual) const;
  Lampara* ledEntrada(int i) const { return ledEntrada_.at(static_cast<std::size_t>(i)); }
  Lampara* ledSalida(int i) const { return ledSalida_.at(static_cast<std::size_t>(i)); }
  QLabel* labelLedEntrada(int i) const { return labelEntrada_.at(static_cast<std::size_t>(i)); }
  QLabel* labelLedSalida(int i) const { return labelSalida_.at(static_cast<std::size_t>(i)); }

  QSize sizeHint() const override;

 public slots:
  // As a click on option button `canal`: the console polls that input (none
  // for 0), the samples start again from zero.
  void elegirCanal(int canal);
  // The names beside the lamps and the scaled readouts again from the
  // tables, after a read or a file opened.
  void recargar();

  // What the link reports ("E8" and "E9" answers).
  void actGraf(const link::ValoresAnalogicos& valores) override;
  void actLedEntradas(const link::EstadoEntradas& estados) override;
  void actLedSalidas(const link::EstadoSalidas& estados) override;

 signals:
  void mensajeEstado(const QString& texto);

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void construir(const BibliotecaImagenes& imagenes);
  void disponer();
  void colocarCursor(monitoring::Cursor cual);
  void actualizarCursor(monitoring::Cursor cual, bool informarFallo);
  void trendingRefresh();
  void alArrastrar(monitoring::Cursor cual, QPoint global);
  void alEntrarSalida(int i);
  void aspectoNormal(int i);
  void forzar(int i);

  motor::MotorEnlace& motor_;
  const config::Configuracion& cfg_;

  monitoring::HistorialMuestras historial_;
  monitoring::Cursores cursores_;
  double altoCursores_ = 0;      // the plot height they were placed in
  std::array<bool, 2> leido_{};  // each cursor's readout updated once
  int encima_ = -1;              // the output lamp under the pointer

  Pantalla* pantalla_ = nullptr;
  std::array<FlechaCursor*, 2> flechas_{};
  std::array<LecturaCursor*, 2> lecturas_{};
  QLabel* etiquetaEntrada_ = nullptr;
  QButtonGroup* grupo_ = nullptr;
  std::array<QRadioButton*, kCanales> opciones_{};
  std::array<Lampara*, monitoring::kLamparasEntrada> ledEntrada_{};
  std::array<QLabel*, monitoring::kLamparasEntrada> labelEntrada_{};
  std::array<Lampara*, monitoring::kLamparasSalida> ledSalida_{};
  std::array<QLabel*, monitoring::kLamparasSalida> labelSalida_{};
};

}  // namespace orda::gui
