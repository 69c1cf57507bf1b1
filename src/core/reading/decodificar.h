#pragma once
// The image read back into the configuration: the inverse of the encoders,
// used after a panel read and after opening a file.
#include <string>

#include "core/config/configuracion.h"
#include "core/imagen/imagen.h"

namespace orda::reading {

// A message slot holds 64 bytes, but the panel receives 62 of them: a text
// longer than 61 characters could be neither sent whole nor saved again.
inline constexpr std::size_t kLargoMensaje = 61;

// Bytes from `inicio` up to the first NUL, at most n, as Windows-1252 text;
// a control byte reads as "?".
std::string leerTexto(const imagen::ImagenMemoria& img, std::size_t inicio, std::size_t n);
// Little-endian unsigned value of n bytes.
std::uint32_t leerNumero(const imagen::ImagenMemoria& img, std::size_t inicio, std::size_t n);

// Each decoder sets every field of its records from the image. A record
// whose bytes are all 0xFF was never programmed: its fields take the values
// of a new configuration. Each returns how many of its records were erased.
int decodificarEntradas(const imagen::ImagenMemoria& img, config::Configuracion& cfg);
int decodificarMensajes(const imagen::ImagenMemoria& img, config::Configuracion& cfg);  // 24 texts + the daily one
int decodificarTelefonos(const imagen::ImagenMemoria& img, config::Configuracion& cfg);
int decodificarSalidas(const imagen::ImagenMemoria& img, config::Configuracion& cfg);
int decodificarGlobal(const imagen::ImagenMemoria& img, config::Configuracion& cfg);

// The five decoders in order; the count of erased records. The SMS password
// is not decoded: after a panel read the password typed in the console stays.
int decodificarImagen(const imagen::ImagenMemoria& img, config::Configuracion& cfg);

// "La central tiene 21 registros sin programar: se cargaron los valores por
// omisión." (or "El archivo tiene ..." after opening a file).
std::string textoRegistrosBorrados(int cantidad, bool delPanel);

// A loaded file also brings back its SMS password (offset 46 of the global
// block, up to the first NUL, at most 8 characters), so that saving or
// programming it again keeps it; an erased block gives the empty default.
void restaurarClave(const imagen::ImagenMemoria& img, config::Configuracion& cfg);

}  // namespace orda::reading
