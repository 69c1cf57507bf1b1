#include "core/history/csv.h"

namespace orda::history {

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

std::string encabezadoCsv() { return filaCsv(std::vector<std::string>(kEncabezados.begin(), kEncabezados.end())); }

std::string filaCsv(const FilaHistorial& f) {
  return filaCsv({f.numero, f.fecha, f.hora, f.descripcion, f.codigos[0], f.codigos[1], f.codigos[2], f.codigos[3]});
}

std::string historialCsv(std::span<const FilaHistorial> filas) {
  std::string s = encabezadoCsv();
  for (const FilaHistorial& f : filas) s += filaCsv(f);
  return s;
}

}  // namespace orda::history
