#pragma once
// The messages of the file operations.
#include <cstdint>
#include <string>

namespace orda::files {

inline constexpr const char* kPrefijoLectura = "No se pudo leer el archivo: ";
inline constexpr const char* kPrefijoEscritura = "No se pudo guardar el archivo: ";

// "El archivo no es una configuración válida (N bytes)".
std::string mensajeTamano(std::uintmax_t bytes);

// The system's reason for an errno value, in Spanish for the usual ones.
std::string motivoDelSistema(int error);

}  // namespace orda::files
