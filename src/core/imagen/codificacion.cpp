#include "core/imagen/codificacion.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/texto/cp1252.h"
#include "core/texto/numero.h"

namespace orda::imagen {

int digitoEn(std::string_view texto, std::size_t pos) {
  const std::u32string cs = texto::aCodigos(texto);
  if (pos == 0 || pos > cs.size()) return 0;
  const char32_t c = cs[pos - 1];
  return (c >= U'0' && c <= U'9') ? static_cast<int>(c - U'0') : 0;
}

std::uint8_t byteHora(std::string_view texto, std::size_t k) {
  return static_cast<std::uint8_t>(digitoEn(texto, 3 * k + 1) * 16 + digitoEn(texto, 3 * k + 2));
}

std::string dosDigitos(int v) {
  std::string s = std::to_string(v);
  return s.size() < 2 ? "0" + s : s;
}

std::string textoHora(std::uint8_t hora, std::uint8_t minuto) {
  return dosDigitos(desdeBcd(hora)) + ":" + dosDigitos(desdeBcd(minuto));
}

std::optional<std::int64_t> cuentasDeVoltaje(std::string_view texto) {
  // V * 1024 / 3.3 = V * 10240 / 33, exact on the decimal text.
  return texto::pisoEscalado(texto::numeroInicial(texto), 10240, 33);
}

std::string voltajeDeCuentas(std::uint16_t cuentas) {
  // Hundredths = cuentas * 330 / 1024, rounded half away from zero.
  const std::uint32_t num = static_cast<std::uint32_t>(cuentas) * 330;
  std::uint32_t centesimos = num / 1024;
  if ((num % 1024) * 2 >= 1024) ++centesimos;
  // "211.20" would encode as 65536: the top two counts show the highest
  // text that still fits 16 bits.
  centesimos = std::min(centesimos, 21119u);
  return std::to_string(centesimos / 100) + "." + dosDigitos(static_cast<int>(centesimos % 100));
}

std::optional<std::uint32_t> flotantePanel(std::string_view texto) {
  double d = texto::numeroInicial(texto).valor;
  // Up to half a step above the largest single, a value rounds to it (as
  // the largest single's own shortest text, "3.4028235e+38", does); beyond
  // that it has no single.
  constexpr double kMaximo = std::numeric_limits<float>::max();
  constexpr double kLimite = 0x1.ffffffp+127;  // half a step above kMaximo
  if (!std::isfinite(d) || std::fabs(d) >= kLimite) return std::nullopt;
  if (std::fabs(d) > kMaximo) d = std::copysign(kMaximo, d);
  const auto ieee = std::bit_cast<std::uint32_t>(static_cast<float>(d));
  const std::uint32_t signo = ieee >> 31;
  const std::uint32_t exponente = (ieee >> 23) & 0xFF;
  const std::uint32_t fraccion = ieee & 0x7FFFFF;
  return fraccion | (signo << 23) | (exponente << 24);
}

float desdeFlotantePanel(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
  const std::uint32_t fraccion = b0 | (b1 << 8) | ((b2 & 0x7Fu) << 16);
  const std::uint32_t signo = b2 >> 7;
  const std::uint32_t ieee = (signo << 31) | (static_cast<std::uint32_t>(b3) << 23) | fraccion;
  return std::bit_cast<float>(ieee);
}

std::string textoFlotante(float f) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, f);
  return std::string(buf, r.ptr);
}

}  // namespace orda::imagen
