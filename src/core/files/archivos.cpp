#include "core/files/archivos.h"

#include <algorithm>
#include <vector>

#include "core/files/mensajes.h"
#include "core/files/sistema.h"

namespace orda::files {

std::optional<std::string> escribirImagen(const std::string& ruta, const imagen::ImagenMemoria& imagen) {
  return escribirArchivo(ruta, std::span<const std::uint8_t>(imagen.data(), imagen.size()));
}

std::optional<std::string> leerImagen(const std::string& ruta, imagen::ImagenMemoria& imagen) {
  std::vector<std::uint8_t> datos;
  bool cortado = false;
  if (auto error = leerArchivo(ruta, imagen.size(), datos, cortado)) return error;
  if (datos.size() < imagen.size()) return mensajeTamano(datos.size());
  std::copy(datos.begin(), datos.end(), imagen.begin());
  return std::nullopt;
}

std::string_view nombreDeArchivo(std::string_view ruta) {
  const std::size_t barra = ruta.find_last_of("/\\");
  return barra == std::string_view::npos ? ruta : ruta.substr(barra + 1);
}

std::string textoGuardado(std::string_view ruta, std::string_view hora) {
  return "Archivo " + std::string(ruta) + " guardado - " + std::string(hora);
}

std::string textoAbierto(std::string_view ruta, std::string_view hora) {
  return "Archivo " + std::string(ruta) + " abierto - " + std::string(hora);
}

std::string tituloVentana(std::string_view ruta) {
  return "Ordavix - " + std::string(nombreDeArchivo(ruta));
}

}  // namespace orda::files
