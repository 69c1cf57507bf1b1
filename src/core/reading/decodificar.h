#pragma once
// The image read back into the configuration: the inverse of the encoders,
// used after a panel read and after opening a file.
#include <string>

#include "core/config/configuracion.h"
#include "core/imagen/imagen.h"

namespace orda::reading {

// Bytes from `inicio` up to the first NUL, at most n, as Windows-1252 text.
std::string leerTexto(const imagen::ImagenMemoria& img, std::size_t inicio, std::size_t n);
// Little-endian unsigned value of n bytes.
std::uint32_t leerNumero(const imagen::ImagenMemoria& img, std::size_t inicio, std::size_t n);

void decodificarEntradas(const imagen::ImagenMemoria& img, config::Configuracion& cfg);
void decodificarMensajes(const imagen::ImagenMemoria& img, config::Configuracion& cfg);
void decodificarTelefonos(const imagen::ImagenMemoria& img, config::Configuracion& cfg);
void decodificarSalidas(const imagen::ImagenMemoria& img, config::Configuracion& cfg);
void decodificarGlobal(const imagen::ImagenMemoria& img, config::Configuracion& cfg);

// The five decoders in order. The SMS password is not decoded: after a
// panel read the password typed in the console stays.
void decodificarImagen(const imagen::ImagenMemoria& img, config::Configuracion& cfg);

// A loaded file also brings back its SMS password (offset 46 of the global
// block, up to the first NUL, at most 8 characters), so that saving or
// programming it again keeps it.
void restaurarClave(const imagen::ImagenMemoria& img, config::Configuracion& cfg);

}  // namespace orda::reading
