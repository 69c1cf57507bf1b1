#pragma once
// An encoder that cannot build a record reports what the panel's runtime
// would have: a number, a description, and the routine it happened in.
#include <string>

namespace orda::programming {

inline constexpr int kErrorDesbordamiento = 6;
inline constexpr const char* kTextoDesbordamiento = "Desbordamiento";
inline constexpr int kErrorArgumento = 5;
inline constexpr const char* kTextoArgumento = "Llamada a procedimiento o argumento no válidos";
inline constexpr int kErrorSubindice = 9;
inline constexpr const char* kTextoSubindice = "Subíndice fuera del intervalo";

struct ErrorCodificacion {
  std::string rutina;       // "progEntradas", ...
  std::string titulo;       // title of the error box
  int numero = 0;
  std::string descripcion;
  std::string ubicacion;    // the table, row and column, or the text box
  bool detiene = true;      // a value the user edits: nothing is sent or saved

  // "ERROR: 6 - Desbordamiento"
  std::string mensaje() const { return "ERROR: " + std::to_string(numero) + " - " + descripcion; }
};

// Title of the error box of each encoding routine.
std::string tituloError(const std::string& rutina);

}  // namespace orda::programming
