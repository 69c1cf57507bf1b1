// Whatever a JSON file holds, importing it must not crash. What it accepts
// must build an image (or stop cleanly), and that image must come back the
// same through the console's own road: open it, export it, import that.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/config/configuracion.h"
#include "core/imagen/imagen.h"
#include "json/configuracion_json.h"
#include "core/programming/aprogramar.h"
#include "core/reading/decodificar.h"

#include "exigir.h"

using orda::fuzz::exigir;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
  using orda::config::Configuracion;
  const std::string_view texto(reinterpret_cast<const char*>(datos), n);

  Configuracion cfg;
  if (!orda::json::importarJson(texto, cfg).ok()) {
    exigir(cfg == Configuracion{}, "un documento rechazado no cambia nada");
    return 0;
  }
  Configuracion otra;
  exigir(orda::json::importarJson(orda::json::exportarJson(cfg), otra).ok(), "lo exportado se importa");
  exigir(otra == cfg, "exportar e importar conserva la configuracion");

  orda::imagen::ImagenMemoria imagen{};
  const orda::imagen::ImagenMemoria antes = imagen;
  if (orda::programming::aProgramar(cfg, imagen).detenida()) {
    exigir(imagen == antes, "una corrida detenida no toca la imagen");
    return 0;
  }
  Configuracion abierta;
  orda::reading::decodificarImagen(imagen, abierta);
  orda::reading::restaurarClave(imagen, abierta);
  Configuracion importada;
  exigir(orda::json::importarJson(orda::json::exportarJson(abierta), importada).ok(),
         "la imagen guardada se exporta y se importa");
  orda::imagen::ImagenMemoria otraImagen{};
  exigir(!orda::programming::aProgramar(importada, otraImagen).detenida(), "lo importado se guarda");
  exigir(otraImagen == imagen, "JSON -> imagen -> exportar -> importar da la misma imagen");
  return 0;
}
