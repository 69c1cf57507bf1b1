#include "core/config/configuracion.h"

#include "core/config/tablas.h"
#include "core/texto/cp1252.h"

namespace orda::config {

Configuracion::Configuracion()
    : entradas(nuevaTablaEntradas()), salidas(nuevaTablaSalidas()), tree(nuevaTablaTree()) {
  cambiarNumeroSaldo(*this, globales.text[caja::kNumeroSaldo]);
}

void cambiarNumeroSaldo(Configuracion& c, std::string_view texto) {
  std::string t = reescribirNumeroSaldo(texto);
  c.tree.ponerTexto(colTree::kFilaSaldo, colTree::kTelefono, t);
  c.globales.text[caja::kNumeroSaldo] = std::move(t);
}

void cambiarTextoGlobal(Configuracion& c, int n, std::string_view texto) {
  if (n == caja::kNumeroSaldo) {
    cambiarNumeroSaldo(c, texto);
  } else {
    c.globales.text.at(static_cast<std::size_t>(n)) = std::string(texto);
  }
}

std::string textoVersion(std::string_view v) {
  const std::u32string cs = texto::aCodigos(v);
  if (cs.empty()) return "V.";
  return "V" + texto::aUtf8(cs.substr(0, 1)) + "." + texto::aUtf8(cs.substr(1));
}

std::string textoSerial(std::string_view s) { return "SN: " + std::string(s); }

}  // namespace orda::config
