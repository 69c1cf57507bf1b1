// Any text an editor, a .dat file or the panel can hand over goes through the
// leading-number reader and the Windows-1252 conversions; whatever the bytes,
// they must not crash and must keep the properties the encoders rely on.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/texto/cp1252.h"
#include "core/texto/numero.h"

#include "exigir.h"

using orda::fuzz::exigir;

namespace {

using namespace orda::texto;

void probarNumero(std::string_view t) {
  const Numero n = numeroInicial(t);
  // The rewritten text reads back as the same number.
  const Numero otra = numeroInicial(textoNumerico(n));
  exigir(otra.negativo == n.negativo && otra.entero == n.entero && otra.fraccion == n.fraccion,
         "numeroInicial(textoNumerico(n)) == n");
  exigir(!n.esCero() || (!n.negativo && n.valor == 0.0), "cero sin signo");
  // A number too large for a double must not pass a range check as 0.
  exigir(n.entero.empty() || std::fabs(n.valor) >= 1.0, "un entero vale al menos 1");

  // The exact scaled forms agree with the double within one unit where the
  // double is still precise enough to judge.
  if (n.entero.size() > 9) return;
  constexpr std::uint64_t kMult[] = {1, 10, 100, 200, 1024, 10000};
  constexpr std::uint64_t kDiv[] = {1, 5, 33};
  for (std::uint64_t m : kMult) {
    for (std::uint64_t d : kDiv) {
      const auto piso = pisoEscalado(n, m, d);
      exigir(piso.has_value(), "pisoEscalado cabe");
      const double esperado = std::floor(n.valor * static_cast<double>(m) / static_cast<double>(d));
      exigir(std::fabs(static_cast<double>(*piso) - esperado) <= 1.0, "pisoEscalado ~ floor");
    }
    const auto par = redondeoPar(n, m);
    exigir(par.has_value(), "redondeoPar cabe");
    exigir(std::fabs(static_cast<double>(*par) - n.valor * static_cast<double>(m)) <= 1.0,
           "redondeoPar ~ valor");
  }
}

void probarTextos(const std::uint8_t* datos, std::size_t n, std::string_view t) {
  // Every panel byte survives a round trip through the console's UTF-8.
  const std::string utf8 = desdeCp1252(datos, n);
  exigir(largo(utf8) == n, "un caracter por byte");
  exigir(aCp1252(utf8) == std::vector<std::uint8_t>(datos, datos + n), "bytes -> texto -> bytes");

  // Any editor text becomes one byte per character, and the bytes read back
  // to a text that converts to the same bytes.
  const std::vector<std::uint8_t> bytes = aCp1252(t);
  exigir(bytes.size() == aCodigos(t).size(), "un byte por caracter");
  exigir(aCp1252(desdeCp1252(bytes.data(), bytes.size())) == bytes, "texto -> bytes estable");

  // Upper-casing keeps the length the maximum-length checks count, and
  // doing it twice changes nothing.
  const std::string alto = mayusculas(t);
  exigir(largo(alto) == aCodigos(t).size(), "mayusculas conserva el largo");
  exigir(aCp1252(alto).size() == bytes.size(), "mayusculas conserva los bytes");
  exigir(mayusculas(alto) == alto, "mayusculas idempotente");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
  const std::string_view t(reinterpret_cast<const char*>(datos), n);
  probarNumero(t);
  probarTextos(datos, n, t);
  return 0;
}
