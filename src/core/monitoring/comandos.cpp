#include "core/monitoring/comandos.h"

#include "core/texto/cp1252.h"

namespace orda::monitoring {

namespace {

bool empiezaCon(std::string_view t, std::string_view prefijo) { return t.substr(0, prefijo.size()) == prefijo; }

// Up to n characters after the two-letter prefix.
std::string tras(std::string_view t, std::size_t n) {
  const std::u32string cs = texto::aCodigos(t);
  return texto::aUtf8(cs.size() > 2 ? std::u32string_view(cs).substr(2, n) : std::u32string_view());
}

struct PrefijoLocal {
  std::string_view prefijo;
  link::ComandoLocal comando;
};
constexpr PrefijoLocal kLocales[] = {
    {"mi", link::ComandoLocal::MostrarMemoria},
    {"mh", link::ComandoLocal::MostrarHistorial},
    {"mH", link::ComandoLocal::ActualizarHistorial},
};

}  // namespace

Interpretacion interpretarComando(std::string_view texto, std::string_view clave) {
  Interpretacion r;
  r.texto = std::string(texto);
  if (empiezaCon(texto, "V!")) r.versionPanel = tras(texto, 3);
  if (empiezaCon(texto, "S!")) r.serialPanel = tras(texto, 5);
  if (empiezaCon(texto, "cH")) {
    r.accion = AccionComando::Hora;
    return r;
  }
  if (empiezaCon(texto, "Hc")) r.texto += clave;
  for (const PrefijoLocal& p : kLocales) {
    if (empiezaCon(texto, p.prefijo)) {
      r.accion = AccionComando::Local;
      r.local = p.comando;
      return r;
    }
  }
  return r;
}

std::optional<link::Reporte> reporteComando(std::string_view t) {
  const std::vector<std::uint8_t> bytes = texto::aCp1252(t);
  const std::size_t n = bytes.size();
  if (n > kLargoMaximoComando) return std::nullopt;
  link::Reporte r;
  r.poner(0, 0);
  for (std::size_t i = 0; i < n; ++i) r.poner(i + 1, bytes[i]);
  r.poner(n + 1, 13);
  r.poner(n + 3, 0);
  return r;
}

link::Reporte reporteForzarSalida(int indice) {
  link::Reporte r = link::reporteLetras("ts");
  r.poner(3, static_cast<std::uint8_t>(49 + indice));
  return r;
}

}  // namespace orda::monitoring
