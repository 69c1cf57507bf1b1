// Any file the user opens: the loader refuses a short one and leaves the
// image as it was; what the console then shows saves to an image that opens
// and saves to itself, and exports to a document that imports back to the
// same configuration and the same image (Guardar after Abrir).
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "core/config/configuracion.h"
#include "core/files/archivos.h"
#include "core/imagen/imagen.h"
#include "core/programming/aprogramar.h"
#include "core/reading/decodificar.h"
#include "json/configuracion_json.h"

#include "exigir.h"

using orda::fuzz::exigir;

namespace {

// The bytes the decoders read, in this order: the input records, the 24
// input texts and the daily one, the outputs, the phones and the global
// block. A short input fills them, so the fuzzer reaches every field
// without writing a whole file; what it leaves out stays erased.
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

// What Abrir then Guardar does with the image.
orda::config::Configuracion abrir(const orda::imagen::ImagenMemoria& img) {
  orda::config::Configuracion cfg;
  orda::reading::decodificarImagen(img, cfg);
  orda::reading::restaurarClave(img, cfg);
  return cfg;
}

orda::imagen::ImagenMemoria guardar(orda::config::Configuracion cfg, orda::imagen::ImagenMemoria img) {
  const auto corrida = orda::programming::aProgramar(cfg, img);
  // Erased records read as defaults, and every value read is one the
  // encoders can store: whatever was opened can be saved.
  exigir(!corrida.detenida(), "an opened file can be saved");
  exigir(corrida.reportes.size() == orda::programming::kCantidadReportes, "a complete run has 54 reports");
  return img;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
  static const std::string ruta = "/tmp/orda-fuzz-abrir-" + std::to_string(::getpid()) + ".dat";
  {
    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(datos), static_cast<std::streamsize>(n));
  }
  orda::imagen::ImagenMemoria archivo;
  archivo.fill(0x5A);
  const auto error = orda::files::leerImagen(ruta, archivo);
  if (n < orda::imagen::kTamanoImagen) {
    exigir(error.has_value(), "a short file must be refused");
    exigir(archivo[0] == 0x5A && archivo[12288] == 0x5A, "a refused file must leave the image as it was");
    static const auto kTramos = tramos();
    archivo.fill(0xFF);
    for (const auto& [inicio, largo] : kTramos) {
      const std::size_t k = std::min(n, largo);
      std::memcpy(archivo.data() + inicio, datos, k);
      datos += k;
      n -= k;
    }
  } else {
    exigir(!error.has_value(), "a full-size file must load");
  }

  const auto abierta = abrir(archivo);
  const auto guardada = guardar(abierta, archivo);
  exigir(guardar(abrir(guardada), guardada) == guardada, "a saved image opens and saves to itself");

  orda::config::Configuracion importada;
  const auto r = orda::json::importarJson(orda::json::exportarJson(abierta), importada);
  exigir(r.ok(), "lo que muestra un archivo abierto se exporta y se importa");
  importada.globales.opciones[0] = abierta.globales.opciones[0];  // never stored nor exported
  exigir(importada == abierta, "importar devuelve lo exportado");
  exigir(guardar(importada, archivo) == guardada, ".dat -> exportar -> importar da la misma imagen");
  return 0;
}
