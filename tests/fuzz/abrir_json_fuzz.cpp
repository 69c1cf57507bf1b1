// Any file opened: what the console shows exports to a document that
// imports back to the same configuration, and both save the same image (the
// one Guardar writes after Abrir).
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "core/config/configuracion.h"
#include "core/imagen/imagen.h"
#include "json/configuracion_json.h"
#include "core/programming/aprogramar.h"
#include "core/reading/decodificar.h"

#include "exigir.h"

using orda::fuzz::exigir;

namespace {

// The bytes the decoders read, in this order: the input records, the 24
// input texts and the daily one, the outputs, the phones and the global
// block. The fuzzer's bytes fill them; what it leaves out stays erased.
std::vector<std::pair<std::size_t, std::size_t>> tramos() {
  namespace img = orda::imagen;
  std::vector<std::pair<std::size_t, std::size_t>> t;
  t.emplace_back(img::kEntradas.inicio(0), 8 * img::kEntradas.tamano);
  for (std::size_t i = 0; i < 8; ++i) t.emplace_back(img::kMensajes.inicio(4 * i), 3 * img::kMensajes.tamano);
  t.emplace_back(img::kMensajes.inicio(img::kSlotMensajeDiario), img::kMensajes.tamano);
  t.emplace_back(img::kSalidas.inicio(0), 4 * img::kSalidas.tamano);
  t.emplace_back(img::kTelefonos.inicio(0), 10 * img::kTelefonos.tamano);
  t.emplace_back(img::kGlobal.inicio(0), img::kGlobal.tamano);
  return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
  using orda::config::Configuracion;
  static const auto kTramos = tramos();
  orda::imagen::ImagenMemoria archivo;
  archivo.fill(0xFF);
  for (const auto& [inicio, largo] : kTramos) {
    const std::size_t k = std::min(n, largo);
    std::memcpy(archivo.data() + inicio, datos, k);
    datos += k;
    n -= k;
  }

  Configuracion abierta;
  orda::reading::decodificarImagen(archivo, abierta);
  orda::reading::restaurarClave(archivo, abierta);
  Configuracion importada;
  const auto r = orda::json::importarJson(orda::json::exportarJson(abierta), importada);
  exigir(r.ok(), "lo que muestra un archivo abierto se exporta y se importa");
  importada.globales.opciones[0] = abierta.globales.opciones[0];  // never stored nor exported
  exigir(importada == abierta, "importar devuelve lo exportado");

  orda::imagen::ImagenMemoria guardada{}, desdeJson{};
  const auto a = orda::programming::aProgramar(abierta, guardada);
  const auto b = orda::programming::aProgramar(importada, desdeJson);
  exigir(a.detenida() == b.detenida() && guardada == desdeJson, ".dat -> exportar -> importar da la misma imagen");
  return 0;
}
