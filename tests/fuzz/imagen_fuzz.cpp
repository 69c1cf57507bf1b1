// Any file the user opens goes through the loader and the decoders; then a
// save must encode whatever the tables hold, and that image must open and
// save to itself.
#include <unistd.h>

#include <fstream>
#include <string>

#include "core/config/configuracion.h"
#include "core/files/archivos.h"
#include "core/programming/aprogramar.h"
#include "core/reading/decodificar.h"

#include "exigir.h"

using orda::fuzz::exigir;

namespace {

const std::string& rutaTemporal() {
  static const std::string ruta = "/tmp/orda-fuzz-imagen-" + std::to_string(::getpid()) + ".dat";
  return ruta;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
  {
    std::ofstream f(rutaTemporal(), std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(datos), static_cast<std::streamsize>(n));
  }
  orda::imagen::ImagenMemoria img;
  img.fill(0x5A);
  const auto error = orda::files::leerImagen(rutaTemporal(), img);
  if (n < orda::imagen::kTamanoImagen) {
    exigir(error.has_value(), "a short file must be refused");
    exigir(img[0] == 0x5A && img[12288] == 0x5A, "a refused file must leave the image as it was");
    return 0;
  }
  exigir(!error.has_value(), "a full-size file must load");

  orda::config::Configuracion cfg;
  orda::reading::decodificarImagen(img, cfg);
  orda::reading::restaurarClave(img, cfg);
  orda::imagen::ImagenMemoria guardada = img;
  const auto corrida = orda::programming::aProgramar(cfg, guardada);
  // Erased records read as defaults, and every value read is one the
  // encoders can store: whatever was opened can be saved.
  exigir(!corrida.detenida(), "an opened file can be saved");
  exigir(corrida.reportes.size() == orda::programming::kCantidadReportes, "a complete run has 54 reports");
  // What was saved, opened and saved again, is the same image.
  orda::config::Configuracion otra;
  orda::reading::decodificarImagen(guardada, otra);
  orda::reading::restaurarClave(guardada, otra);
  orda::imagen::ImagenMemoria otraVez = guardada;
  exigir(!orda::programming::aProgramar(otra, otraVez).detenida(), "a saved file can be saved again");
  exigir(otraVez == guardada, "a saved image opens and saves to itself");
  return 0;
}
