#include "cli/csv.h"

namespace orda::cli {

std::string campoCsv(std::string_view campo) {
  if (campo.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(campo);
  std::string s = "\"";
  for (char c : campo) {
    if (c == '"') s += '"';
    s += c;
  }
  return s + "\"";
}

std::string filaCsv(const std::vector<std::string>& campos) {
  std::string s;
  for (std::size_t i = 0; i < campos.size(); ++i) {
    if (i > 0) s += ',';
    s += campoCsv(campos[i]);
  }
  return s + "\r\n";
}

}  // namespace orda::cli
