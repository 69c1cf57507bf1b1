#include "core/monitoring/grafico.h"

#include <algorithm>

namespace orda::monitoring {

double valorPantalla(std::int16_t muestra) { return 6.0 / 5.0 * muestra - kEscalaPantalla / 10.0; }

void HistorialMuestras::avanzar(const link::ValoresAnalogicos& valores, int canal) {
  std::copy(muestras_.begin() + 1, muestras_.end(), muestras_.begin());
  if (canal >= 1 && canal <= 8) muestras_.back() = valores[static_cast<std::size_t>(canal - 1)];
}

Punto puntoMuestra(int x, std::int16_t muestra, const AreaGrafico& area) {
  Punto p;
  p.x = x * area.ancho / kMuestras;
  p.y = (kEscalaPantalla - valorPantalla(muestra)) * area.alto / kEscalaPantalla;
  if (p.y > area.alto) p.y = area.alto - area.pixel;
  if (p.y < 0) p.y = 0;
  return p;
}

Trazo trazar(const HistorialMuestras& historial, const AreaGrafico& area) {
  Trazo t;
  for (int x = 0; x < kMuestras; ++x) t[static_cast<std::size_t>(x)] = puntoMuestra(x, historial[x], area);
  return t;
}

}  // namespace orda::monitoring
