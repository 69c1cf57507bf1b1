// Whatever a JSON file holds, importing it must not crash; what it accepts
// must export and import back to the same configuration, and must build an
// image (or stop cleanly) without crashing the encoders.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/config/configuracion.h"
#include "core/imagen/imagen.h"
#include "json/configuracion_json.h"
#include "core/programming/aprogramar.h"

#include "exigir.h"

using orda::fuzz::exigir;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
  using orda::config::Configuracion;
  const std::string_view texto(reinterpret_cast<const char*>(datos), n);

  Configuracion cfg;
  const orda::json::ResultadoImportacion r = orda::json::importarJson(texto, cfg);
  if (!r.ok()) {
    exigir(cfg == Configuracion{}, "un documento rechazado no cambia nada");
    return 0;
  }

  // Committed values pass their editor's rule again unchanged.
  Configuracion otra;
  exigir(orda::json::importarJson(orda::json::exportarJson(cfg), otra).ok(), "lo exportado se importa");
  exigir(otra == cfg, "exportar e importar conserva la configuracion");

  orda::imagen::ImagenMemoria imagen{};
  const orda::imagen::ImagenMemoria antes = imagen;
  const auto corrida = orda::programming::aProgramar(cfg, imagen);
  if (corrida.detenida()) exigir(imagen == antes, "una corrida detenida no toca la imagen");
  return 0;
}
