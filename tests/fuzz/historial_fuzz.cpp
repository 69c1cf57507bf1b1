// A history dump from the panel can hold anything: as many rows as the
// reference record announces, never more than the memory holds; every row
// described or carrying its lookup error; nothing read past the dump.
#include <algorithm>
#include <span>

#include "core/config/tablas.h"
#include "core/history/filas.h"

#include "exigir.h"

using orda::fuzz::exigir;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
  static const orda::config::Tabla entradas = orda::config::nuevaTablaEntradas();
  static const orda::config::Tabla tree = orda::config::nuevaTablaTree();
  const auto h = orda::history::filasHistorial(std::span<const std::uint8_t>(datos, n), entradas, tree);
  // The reference record's codes 3 and 4 (bytes 8 and 9) count records, 102 to a block.
  const std::size_t anunciados = n >= 10 ? datos[8] + 102u * datos[9] : 0;
  exigir(h.filas.size() == std::min<std::size_t>(anunciados, 408), "rows = min(announced, 408)");
  for (const auto& f : h.filas) {
    exigir(f.ok() || f.descripcion.empty(), "a failed lookup leaves the description empty");
  }
  return 0;
}
