#pragma once
// Walking an imported document: type checks that report by key path and
// keep going, so one run lists every mistake.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "json/configuracion_json.h"

namespace orda::json {

inline constexpr const char* kFaltaClave = "Falta la clave";
inline constexpr const char* kClaveDesconocida = "Clave desconocida";
inline constexpr const char* kTextoLargo = "Texto demasiado largo";
inline constexpr const char* kEsperabaObjeto = "Se esperaba un objeto";
inline constexpr const char* kEsperabaTexto = "Se esperaba un texto";
inline constexpr const char* kEsperabaLogico = "Se esperaba true o false";
inline constexpr const char* kEsperabaEntero = "Se esperaba un número entero";
inline constexpr const char* kCaracterDeControl = "El texto tiene caracteres de control";

// "entradas" + 2 -> "entradas[2]"; "entradas[2]" + "alias" -> "entradas[2].alias".
std::string ruta(const std::string& base, std::string_view clave);
std::string ruta(const std::string& base, std::size_t indice);

class Lector {
 public:
  explicit Lector(std::vector<std::string>& errores) : errores_(errores) {}

  void error(const std::string& donde, std::string_view mensaje);

  // An object with exactly these keys; missing and unknown keys are
  // reported. False when `v` is no object at all.
  bool objeto(const Json& v, const std::string& donde, const std::vector<std::string_view>& claves);
  // A member already checked by objeto(); nullptr when it is missing.
  static const Json* miembro(const Json& obj, std::string_view clave);

  bool lista(const Json& v, const std::string& donde, std::size_t cantidad);
  // A string without control characters (U+0000..U+001F, U+007F).
  const std::string* texto(const Json& v, const std::string& donde);
  std::optional<bool> logico(const Json& v, const std::string& donde);
  std::optional<std::int64_t> entero(const Json& v, const std::string& donde);

 private:
  std::vector<std::string>& errores_;
};

}  // namespace orda::json
