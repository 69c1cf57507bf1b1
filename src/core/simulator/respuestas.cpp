#include "core/simulator/respuestas.h"

#include <algorithm>

namespace orda::simulator {

link::BufferReporte reporteTexto(std::string_view texto) {
  link::BufferReporte r{};
  const std::size_t n = std::min(texto.size(), link::kTamanoReporte - 2);
  for (std::size_t k = 0; k < n; ++k) r[k + 1] = static_cast<std::uint8_t>(texto[k]);
  return r;
}

std::string textoComando(const link::BufferReporte& reporte, std::size_t maximo) {
  std::string t;
  for (std::size_t k = 1; k < link::kTamanoReporte && t.size() < maximo; ++k) {
    const std::uint8_t b = reporte[k];
    if (b == 0 || b == 13) break;
    t.push_back(b >= 32 && b < 127 ? static_cast<char>(b) : '?');
  }
  return t;
}

}  // namespace orda::simulator
