#pragma once
// The trending chart without pixels: the 401 plotted samples, the display
// scale (0 at the bottom of the plot, 1024 at the top) and where each sample
// lands inside a plot of a given size.
#include <array>
#include <cstdint>

#include "core/link/oyente.h"

namespace orda::monitoring {

inline constexpr int kMuestras = 401;
inline constexpr double kEscalaPantalla = 1024.0;

// The display value of a raw sample: 1.2 × h − 102.4.
double valorPantalla(std::int16_t muestra);

// The plotted history, oldest at 0, newest at 400.
class HistorialMuestras {
 public:
  using Muestras = std::array<std::int16_t, kMuestras>;

  void limpiar() { muestras_.fill(0); }
  // Scrolls one place towards the start and takes the selected input's value
  // as the newest sample. With no input selected (canal 0) there is nothing
  // to take: the newest sample stays, so the last one repeats.
  void avanzar(const link::ValoresAnalogicos& valores, int canal);

  std::int16_t operator[](int x) const { return muestras_.at(static_cast<std::size_t>(x)); }

 private:
  Muestras muestras_{};
};

// A plot `ancho` × `alto`, in any unit; `pixel` is one screen pixel in it.
struct AreaGrafico {
  double ancho = 0;
  double alto = 0;
  double pixel = 1;
};

struct Punto {
  double x = 0;
  double y = 0;  // from the top of the plot
  bool operator==(const Punto&) const = default;
};

// Where sample x (0..400) is drawn: x × W / 401 across; (1024 − v) × H / 1024
// down, a value below the bottom one pixel above the bottom edge (so that it
// stays visible), one above the top on the top edge.
Punto puntoMuestra(int x, std::int16_t muestra, const AreaGrafico& area);

using Trazo = std::array<Punto, kMuestras>;
Trazo trazar(const HistorialMuestras& historial, const AreaGrafico& area);

}  // namespace orda::monitoring
