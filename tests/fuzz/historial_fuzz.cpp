// A history dump from the panel can hold anything: every row must be
// described or carry its lookup error, and nothing may read past the dump.
#include <cstdio>
#include <cstdlib>
#include <span>

#include "core/config/tablas.h"
#include "core/history/filas.h"

#include "exigir.h"

using orda::fuzz::exigir;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
  static const orda::config::Tabla entradas = orda::config::nuevaTablaEntradas();
  static const orda::config::Tabla tree = orda::config::nuevaTablaTree();
  const auto h = orda::history::filasHistorial(std::span<const std::uint8_t>(datos, n), entradas, tree);
  exigir(h.filas.size() <= 408, "at most 408 rows");
  for (const auto& f : h.filas) {
    exigir(f.ok() || f.descripcion.empty(), "a failed lookup leaves the description empty");
  }
  return 0;
}
