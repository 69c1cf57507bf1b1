#pragma once
// Where every cell of a grid lies on screen. The first rows and columns are
// frozen; the rest scroll by whole rows and columns, so a cell is either in
// view or entirely hidden behind the frozen part, never half covered.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace orda::gui {

struct PosicionCelda {
  int fila;
  int col;
};

class GeometriaGrilla {
 public:
  GeometriaGrilla(int filasFijas, int columnasFijas);

  void ponerAltos(std::vector<int> altos) { altos_ = std::move(altos); }
  void ponerAnchos(std::vector<int> anchos) { anchos_ = std::move(anchos); }
  void ponerVista(QSize vista) { vista_ = vista; }

  int filas() const { return static_cast<int>(altos_.size()); }
  int columnas() const { return static_cast<int>(anchos_.size()); }
  int alto(int fila) const { return altos_.at(static_cast<std::size_t>(fila)); }
  int ancho(int col) const { return anchos_.at(static_cast<std::size_t>(col)); }
  int filasFijas() const { return filasFijas_; }
  int columnasFijas() const { return columnasFijas_; }
  QSize vista() const { return vista_; }

  // Height of the frozen rows and width of the frozen columns.
  int altoFijo() const;
  int anchoFijo() const;

  // First scrollable row and column in view.
  int primeraFila() const { return primeraFila_; }
  int primeraColumna() const { return primeraCol_; }
  void ponerPrimeraFila(int f);
  void ponerPrimeraColumna(int c);
  int maxPrimeraFila() const;
  int maxPrimeraColumna() const;
  // Scrollable rows and columns that fit whole in the view (at least 1).
  int filasEnVista() const;
  int columnasEnVista() const;

  // Left and top edges in view coordinates; a scrolled-away cell gets an
  // edge before the frozen part.
  int x(int col) const;
  int y(int fila) const;
  QRect rect(int fila, int col) const;
  // Whether the cell is not hidden behind the frozen part.
  bool enVista(int fila, int col) const;

  // The cell under a point; below or right of the last cell, the last row or
  // column.
  PosicionCelda celdaEn(QPoint p) const;

  // Scrolls as little as needed to bring the cell into view.
  void asegurarVisible(int fila, int col);

  // The frozen part plus everything scrollable.
  int anchoTotal() const;
  int altoTotal() const;

 private:
  static int sumar(const std::vector<int>& v, int desde, int hasta);
  static int primeroQueCabe(const std::vector<int>& v, int fijos, int espacio);
  static int cuantosCaben(const std::vector<int>& v, int desde, int espacio);

  int filasFijas_;
  int columnasFijas_;
  std::vector<int> altos_;
  std::vector<int> anchos_;
  QSize vista_;
  int primeraFila_;
  int primeraCol_;
};

}  // namespace orda::gui
