#include "gui/config/geometria_grilla.h"

#include <algorithm>

namespace orda::gui {

GeometriaGrilla::GeometriaGrilla(int filasFijas, int columnasFijas)
    : filasFijas_(filasFijas), columnasFijas_(columnasFijas), primeraFila_(filasFijas), primeraCol_(columnasFijas) {}

int GeometriaGrilla::sumar(const std::vector<int>& v, int desde, int hasta) {
  int s = 0;
  for (int i = std::max(desde, 0); i < hasta && i < static_cast<int>(v.size()); ++i) s += v[static_cast<std::size_t>(i)];
  return s;
}

// The smallest first item such that everything from it to the end fits.
int GeometriaGrilla::primeroQueCabe(const std::vector<int>& v, int fijos, int espacio) {
  const int n = static_cast<int>(v.size());
  int primero = n;
  int usado = 0;
  while (primero > fijos && usado + v[static_cast<std::size_t>(primero - 1)] <= espacio) {
    usado += v[static_cast<std::size_t>(primero - 1)];
    --primero;
  }
  return std::min(primero, std::max(n - 1, fijos));
}

int GeometriaGrilla::cuantosCaben(const std::vector<int>& v, int desde, int espacio) {
  int usado = 0;
  int cuantos = 0;
  for (int i = desde; i < static_cast<int>(v.size()); ++i) {
    usado += v[static_cast<std::size_t>(i)];
    if (usado > espacio) break;
    ++cuantos;
  }
  return std::max(cuantos, 1);
}

int GeometriaGrilla::altoFijo() const { return sumar(altos_, 0, filasFijas_); }
int GeometriaGrilla::anchoFijo() const { return sumar(anchos_, 0, columnasFijas_); }

int GeometriaGrilla::maxPrimeraFila() const {
  return std::max(filasFijas_, primeroQueCabe(altos_, filasFijas_, vista_.height() - altoFijo()));
}

int GeometriaGrilla::maxPrimeraColumna() const {
  return std::max(columnasFijas_, primeroQueCabe(anchos_, columnasFijas_, vista_.width() - anchoFijo()));
}

void GeometriaGrilla::ponerPrimeraFila(int f) { primeraFila_ = std::clamp(f, filasFijas_, maxPrimeraFila()); }
void GeometriaGrilla::ponerPrimeraColumna(int c) { primeraCol_ = std::clamp(c, columnasFijas_, maxPrimeraColumna()); }

int GeometriaGrilla::filasEnVista() const { return cuantosCaben(altos_, primeraFila_, vista_.height() - altoFijo()); }
int GeometriaGrilla::columnasEnVista() const {
  return cuantosCaben(anchos_, primeraCol_, vista_.width() - anchoFijo());
}

int GeometriaGrilla::x(int col) const {
  if (col < columnasFijas_) return sumar(anchos_, 0, col);
  if (col >= primeraCol_) return anchoFijo() + sumar(anchos_, primeraCol_, col);
  return anchoFijo() - sumar(anchos_, col, primeraCol_);
}

int GeometriaGrilla::y(int fila) const {
  if (fila < filasFijas_) return sumar(altos_, 0, fila);
  if (fila >= primeraFila_) return altoFijo() + sumar(altos_, primeraFila_, fila);
  return altoFijo() - sumar(altos_, fila, primeraFila_);
}

QRect GeometriaGrilla::rect(int fila, int col) const { return {x(col), y(fila), ancho(col), alto(fila)}; }

bool GeometriaGrilla::enVista(int fila, int col) const {
  return (fila < filasFijas_ || fila >= primeraFila_) && (col < columnasFijas_ || col >= primeraCol_);
}

PosicionCelda GeometriaGrilla::celdaEn(QPoint p) const {
  auto buscar = [](const std::vector<int>& v, int fijos, int primero, int borde, int pos) {
    int acumulado = 0;
    for (int i = 0; i < fijos; ++i) {
      acumulado += v[static_cast<std::size_t>(i)];
      if (pos < acumulado) return i;
    }
    if (pos < borde) return fijos - 1;
    for (int i = primero; i < static_cast<int>(v.size()); ++i) {
      acumulado += v[static_cast<std::size_t>(i)];
      if (pos < acumulado) return i;
    }
    return static_cast<int>(v.size()) - 1;
  };
  return {buscar(altos_, filasFijas_, primeraFila_, altoFijo(), p.y()),
          buscar(anchos_, columnasFijas_, primeraCol_, anchoFijo(), p.x())};
}

void GeometriaGrilla::asegurarVisible(int fila, int col) {
  if (fila >= filasFijas_) {
    if (fila < primeraFila_) {
      ponerPrimeraFila(fila);
    } else {
      int antes = -1;
      while (primeraFila_ < fila && y(fila) + alto(fila) > vista_.height() && antes != primeraFila_) {
        antes = primeraFila_;
        ponerPrimeraFila(primeraFila_ + 1);
      }
    }
  }
  if (col >= columnasFijas_) {
    if (col < primeraCol_) {
      ponerPrimeraColumna(col);
    } else {
      int antes = -1;
      while (primeraCol_ < col && x(col) + ancho(col) > vista_.width() && antes != primeraCol_) {
        antes = primeraCol_;
        ponerPrimeraColumna(primeraCol_ + 1);
      }
    }
  }
}

int GeometriaGrilla::anchoTotal() const { return sumar(anchos_, 0, columnas()); }
int GeometriaGrilla::altoTotal() const { return sumar(altos_, 0, filas()); }

}  // namespace orda::gui
