#pragma once
// Saving and opening a configuration file (.dat): the raw memory image,
// 12,289 bytes with no header.
#include <optional>
#include <string>
#include <string_view>

#include "core/imagen/imagen.h"

namespace orda::files {

// Writes the whole image to `ruta` through a temporary file in the same
// folder that is then renamed over it, so a failed save leaves the old file
// as it was and a longer old file does not keep its tail. Returns the
// message for the user on failure.
std::optional<std::string> escribirImagen(const std::string& ruta, const imagen::ImagenMemoria& imagen);

// Loads the first 12,289 bytes of `ruta` into the image. A shorter file, a
// folder or an unreadable path is refused and the image stays as it was.
std::optional<std::string> leerImagen(const std::string& ruta, imagen::ImagenMemoria& imagen);

// Status bar texts after a save or an open; `hora` is the time already
// written as the user's clock shows it.
std::string textoGuardado(std::string_view ruta, std::string_view hora);
std::string textoAbierto(std::string_view ruta, std::string_view hora);

// Main window caption for the current file: its name, upper case.
std::string tituloVentana(std::string_view ruta);

// The file name part of a path, after its last '/' or '\'.
std::string_view nombreDeArchivo(std::string_view ruta);

}  // namespace orda::files
