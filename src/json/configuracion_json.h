#pragma once
// The configuration as a JSON document (format in docs/formato-json.md).
// Every cell and text box travels as the text the editor shows; marks as
// booleans. Import commits each value with its editor's rule, so a document
// can hold nothing the console could not have typed.
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/config/configuracion.h"

namespace orda::json {

using Json = nlohmann::ordered_json;

Json aJson(const config::Configuracion& cfg);
// Indented, UTF-8, with a final newline.
std::string exportarJson(const config::Configuracion& cfg);

struct ResultadoImportacion {
  // "entradas[2].retardoActivacion: El valor debe ser menor a 327,675 seg"
  std::vector<std::string> errores;
  bool ok() const { return errores.empty(); }
};

// On any error `cfg` is left exactly as it was; every error found is listed.
ResultadoImportacion desdeJson(const Json& doc, config::Configuracion& cfg);
ResultadoImportacion importarJson(std::string_view texto, config::Configuracion& cfg);

}  // namespace orda::json
