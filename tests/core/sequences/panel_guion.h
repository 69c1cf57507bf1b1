#pragma once
// A scripted panel for the sequence tests: it answers "lt" and "lh" with a
// transfer of the memories it is given, one block per "pn", and acknowledges
// records and clock commands, each after a delay; faults are switches.
#include <functional>
#include <vector>

#include "link/banco.h"

namespace orda::secuencias::prueba {

using link::BufferReporte;
using link::prueba::TransporteFalso;

struct PanelGuion {
  std::vector<std::uint8_t> datos = std::vector<std::uint8_t>(12288, 0xFF);
  std::vector<std::uint8_t> historial = std::vector<std::uint8_t>(4096, 0xFF);
  std::int64_t latenciaMs = 3;
  bool responder = true;             // false: silence
  int bloquesHasta = -1;             // >= 0: the transfer stops after this many blocks
  std::function<bool(int)> confirma = [](int) { return true; };  // by record number from 0
  std::function<void(int)> trasBloque;  // after block k went out

  const std::vector<std::uint8_t>* volcado = nullptr;
  std::size_t bloque = 0;
  int registros = 0;

  TransporteFalso::Guion guion() {
    return [this](const BufferReporte& in) { return answer(in); };
  }

 private:
  std::vector<TransporteFalso::Respuesta> answer(const BufferReporte& in) {
    std::vector<TransporteFalso::Respuesta> r;
    if (!responder) return r;
    auto texto = [&](const char* t) { r.push_back({latenciaMs, link::prueba::reporte(t)}); };
    auto marca = [&](std::uint8_t m, const std::vector<std::uint8_t>& memoria) {
      volcado = &memoria;
      bloque = 0;
      BufferReporte b{};
      b[1] = m;
      r.push_back({latenciaMs, b});
    };
    if (in[1] == 'l' && in[2] == 't') {
      marca(2, datos);
    } else if (in[1] == 'l' && in[2] == 'h') {
      marca(3, historial);
    } else if (in[1] == 'p' && in[2] == 'n' && volcado) {
      const std::size_t total = volcado->size() / 64;
      if (bloque >= total || (bloquesHasta >= 0 && bloque >= static_cast<std::size_t>(bloquesHasta))) {
        volcado = nullptr;
        return r;
      }
      BufferReporte b{};
      std::copy_n(volcado->begin() + static_cast<std::ptrdiff_t>(64 * bloque), 64, b.begin() + 1);
      r.push_back({latenciaMs, b});
      if (trasBloque) trasBloque(static_cast<int>(bloque));
      ++bloque;
    } else if (in[1] >= 21 && in[1] <= 25) {
      if (confirma(registros++)) texto("Registro grabado");
    } else if (in[1] == 'c' && (in[2] == 'H' || in[2] == 'F')) {
      texto("Reloj grabado");
    }
    return r;
  }
};

}  // namespace orda::secuencias::prueba
