#include "json/lector.h"

#include "json/leidos.h"

#include <algorithm>

namespace orda::json {

std::string ruta(const std::string& base, std::string_view clave) {
  return base.empty() ? std::string(clave) : base + "." + std::string(clave);
}

std::string ruta(const std::string& base, std::size_t indice) {
  return base + "[" + std::to_string(indice) + "]";
}

void Lector::error(const std::string& donde, std::string_view mensaje) {
  errores_.push_back((donde.empty() ? std::string("(raíz)") : donde) + ": " + std::string(mensaje));
}

bool Lector::objeto(const Json& v, const std::string& donde, const std::vector<std::string_view>& claves) {
  if (!v.is_object()) {
    error(donde, kEsperabaObjeto);
    return false;
  }
  for (const std::string_view clave : claves) {
    if (!v.contains(clave)) error(ruta(donde, clave), kFaltaClave);
  }
  for (const auto& [clave, valor] : v.items()) {
    if (std::find(claves.begin(), claves.end(), clave) == claves.end()) error(ruta(donde, clave), kClaveDesconocida);
  }
  return true;
}

const Json* Lector::miembro(const Json& obj, std::string_view clave) {
  const auto it = obj.find(clave);
  return it == obj.end() ? nullptr : &*it;
}

bool Lector::lista(const Json& v, const std::string& donde, std::size_t cantidad) {
  if (v.is_array() && v.size() == cantidad) return true;
  error(donde, "Se esperaba una lista de " + std::to_string(cantidad) + " elementos");
  return false;
}

const std::string* Lector::texto(const Json& v, const std::string& donde) {
  if (!v.is_string()) {
    error(donde, kEsperabaTexto);
    return nullptr;
  }
  // A NUL would end the text in the panel, a line end would split a listing.
  const std::string* s = v.get_ptr<const std::string*>();
  if (tieneControl(*s)) {
    error(donde, kCaracterDeControl);
    return nullptr;
  }
  return s;
}

std::optional<bool> Lector::logico(const Json& v, const std::string& donde) {
  if (v.is_boolean()) return v.get<bool>();
  error(donde, kEsperabaLogico);
  return std::nullopt;
}

std::optional<std::int64_t> Lector::entero(const Json& v, const std::string& donde) {
  if (v.is_number_integer() && !(v.is_number_unsigned() && v.get<std::uint64_t>() > INT64_MAX)) {
    return v.get<std::int64_t>();
  }
  error(donde, kEsperabaEntero);
  return std::nullopt;
}

}  // namespace orda::json
