#include "core/simulator/historial_panel.h"

#include "core/history/memoria.h"
#include "core/imagen/codificacion.h"

namespace orda::simulator {

Historial::Historial(const FechaHora& t) { formatear(t); }

void Historial::formatear(const FechaHora& t) {
  memoria_.fill(0xFF);
  cantidad_ = 1;
  escribir(0, t, evento::kReferencia, 0, 0, 0);
  actualizarReferencia();
}

void Historial::agregar(const FechaHora& t, std::uint8_t c1, std::uint8_t c2, std::uint8_t c3, std::uint8_t c4) {
  if (cantidad_ >= history::kMaxRegistros) {
    formatear(t);
    escribir(cantidad_++, t, evento::kFormateado, 0, 0, 0);
  }
  escribir(cantidad_++, t, c1, c2, c3, c4);
  actualizarReferencia();
}

void Historial::escribir(int n, const FechaHora& t, std::uint8_t c1, std::uint8_t c2, std::uint8_t c3,
                         std::uint8_t c4) {
  const std::size_t d = history::direccionRegistro(static_cast<std::size_t>(n));
  const std::uint8_t bytes[history::kTamanoRegistro] = {
      imagen::aBcd(t.anio % 100), imagen::aBcd(t.mes),    imagen::aBcd(t.dia), imagen::aBcd(t.hora),
      imagen::aBcd(t.minuto),     imagen::aBcd(t.segundo), c1, c2, c3, c4};
  for (std::size_t k = 0; k < history::kTamanoRegistro; ++k) memoria_[d + k] = bytes[k];
}

void Historial::actualizarReferencia() {
  memoria_[8] = static_cast<std::uint8_t>(cantidad_ % history::kRegistrosPorBloque);
  memoria_[9] = static_cast<std::uint8_t>(cantidad_ / history::kRegistrosPorBloque);
}

}  // namespace orda::simulator
