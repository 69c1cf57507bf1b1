#pragma once
// The simulated panel on the bench: reports in, answers out, time by hand.
#include <string>
#include <string_view>
#include <vector>

#include "core/simulator/panel.h"

namespace orda::simulator {

struct Banco {
  PanelSimulado panel;
  std::int64_t ahora = 0;

  explicit Banco(OpcionesPanel o = {}) : panel(o, 0) {}

  std::vector<link::BufferReporte> enviar(const link::BufferReporte& r) { return panel.recibir(r, ahora); }
  // Bytes from index 1, as a typed command or a two-letter request.
  std::vector<link::BufferReporte> enviar(std::string_view texto, std::vector<std::uint8_t> extra = {}) {
    link::BufferReporte r{};
    std::size_t k = 1;
    for (char c : texto) r[k++] = static_cast<std::uint8_t>(c);
    for (std::uint8_t b : extra) r[k++] = b;
    return enviar(r);
  }
  // The single answer's text.
  std::string texto(std::string_view comando, std::vector<std::uint8_t> extra = {}) {
    const auto r = enviar(comando, std::move(extra));
    if (r.size() != 1) return "<" + std::to_string(r.size()) + " respuestas>";
    return std::string(reinterpret_cast<const char*>(r[0].data() + 1));
  }
  // The whole memory a transfer sends after its start report.
  std::vector<std::uint8_t> volcar(std::string_view pedido, std::uint8_t marca, std::size_t bloques) {
    const auto inicio = enviar(pedido);
    if (inicio.size() != 1 || inicio[0][1] != marca) return {};
    std::vector<std::uint8_t> m;
    for (std::size_t b = 0; b < bloques; ++b) {
      const auto r = enviar("pn");
      if (r.size() != 1) return {};
      m.insert(m.end(), r[0].begin() + 1, r[0].end());
    }
    return enviar("pn").empty() ? m : std::vector<std::uint8_t>{};
  }
};

}  // namespace orda::simulator
