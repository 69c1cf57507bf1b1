#include "core/texto/numero.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>
#include <cstdlib>

namespace orda::texto {

namespace {

bool esDigito(char c) { return c >= '0' && c <= '9'; }
bool esBlanco(char c) { return c == ' ' || c == '\t'; }

// Longest fraction kept for exact arithmetic; later digits only matter
// below a billionth of a unit.
constexpr std::size_t kFraccionMax = 9;
constexpr std::size_t kEnteroMax = 15;

struct Escalado {
  std::uint64_t valor;  // |value| * 10^9
  bool cabe;
};

Escalado escalar(const Numero& n) {
  if (n.entero.size() > kEnteroMax - 6) return {0, false};
  std::uint64_t v = 0;
  for (char c : n.entero) v = v * 10 + static_cast<std::uint64_t>(c - '0');
  for (std::size_t i = 0; i < kFraccionMax; ++i) {
    v = v * 10 + (i < n.fraccion.size() ? static_cast<std::uint64_t>(n.fraccion[i] - '0') : 0);
  }
  return {v, true};
}

constexpr std::uint64_t kEscala = 1'000'000'000ULL;

}  // namespace

Numero numeroInicial(std::string_view t) {
  Numero n;
  std::size_t i = 0;
  while (i < t.size() && esBlanco(t[i])) ++i;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) {
    n.negativo = t[i] == '-';
    ++i;
  }
  std::string ent, fra;
  while (i < t.size() && esDigito(t[i])) ent.push_back(t[i++]);
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && esDigito(t[i])) fra.push_back(t[i++]);
  }
  const bool hayMantisa = !ent.empty() || !fra.empty();
  long exponente = 0;
  if (hayMantisa && i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
    std::size_t j = i + 1;
    bool expNeg = false;
    if (j < t.size() && (t[j] == '-' || t[j] == '+')) expNeg = t[j++] == '-';
    if (j < t.size() && esDigito(t[j])) {
      while (j < t.size() && esDigito(t[j])) {
        if (exponente < 100000) exponente = exponente * 10 + (t[j] - '0');
        ++j;
      }
      if (expNeg) exponente = -exponente;
    }
  }
  // Move the point by the exponent.
  std::string digitos = ent + fra;
  long punto = static_cast<long>(ent.size()) + exponente;
  if (punto < 0) {
    digitos.insert(0, static_cast<std::size_t>(-punto), '0');
    punto = 0;
  }
  if (static_cast<std::size_t>(punto) > digitos.size()) {
    // Beyond any double; keeps the text bounded, never below the digits typed.
    punto = std::min<long>(punto, std::max<long>(400, static_cast<long>(digitos.size())));
    digitos.append(static_cast<std::size_t>(punto) - digitos.size(), '0');
  }
  n.entero = digitos.substr(0, static_cast<std::size_t>(punto));
  n.fraccion = digitos.substr(static_cast<std::size_t>(punto));
  const auto primero = n.entero.find_first_not_of('0');
  n.entero = primero == std::string::npos ? std::string() : n.entero.substr(primero);
  const auto ultimo = n.fraccion.find_last_not_of('0');
  n.fraccion = ultimo == std::string::npos ? std::string() : n.fraccion.substr(0, ultimo + 1);
  if (n.esCero()) n.negativo = false;

  std::string texto = (n.entero.empty() ? "0" : n.entero);
  if (!n.fraccion.empty()) texto += "." + n.fraccion;
  double v = 0.0;
  // Out of a double's range: too large reads as infinite, so that range checks
  // reject it, and too small as 0.
  if (std::from_chars(texto.data(), texto.data() + texto.size(), v).ec == std::errc::result_out_of_range) {
    v = n.entero.empty() ? 0.0 : std::numeric_limits<double>::infinity();
  }
  n.valor = n.negativo ? -v : v;
  return n;
}

double valorNumerico(std::string_view t) { return numeroInicial(t).valor; }

std::string textoNumerico(const Numero& n) {
  std::string s = n.negativo ? "-" : "";
  s += n.entero.empty() ? "0" : n.entero;
  if (!n.fraccion.empty()) s += "." + n.fraccion;
  return s;
}

std::optional<std::int64_t> pisoEscalado(const Numero& n, std::uint64_t mult, std::uint64_t div) {
  const Escalado e = escalar(n);
  if (!e.cabe || div == 0) return std::nullopt;
  // |value| * mult / div = e.valor * mult / (div * 10^9), computed without overflow.
  const std::uint64_t den = div * kEscala;
  const std::uint64_t q = e.valor / den;
  const std::uint64_t r = e.valor % den;
  if (mult != 0 && q > (std::uint64_t{1} << 53) / mult) return std::nullopt;
  // r < den <= div * 1e9; r * mult stays small for the multipliers the panel uses.
  const std::uint64_t parteResto = r * mult;
  const std::uint64_t total = q * mult + parteResto / den;
  const bool exacto = parteResto % den == 0;
  auto res = static_cast<std::int64_t>(total);
  if (n.negativo) res = exacto ? -res : -res - 1;
  return res;
}

std::optional<std::int64_t> redondeoPar(const Numero& n, std::uint64_t mult) {
  const Escalado e = escalar(n);
  if (!e.cabe) return std::nullopt;
  if (mult != 0 && e.valor / kEscala > (std::uint64_t{1} << 53) / mult) return std::nullopt;
  // Split |value| * mult into whole units and a remainder of 10^9 parts.
  const std::uint64_t unidades = (e.valor / kEscala) * mult + ((e.valor % kEscala) * mult) / kEscala;
  const std::uint64_t resto = ((e.valor % kEscala) * mult) % kEscala;
  std::uint64_t r = unidades;
  if (resto * 2 > kEscala || (resto * 2 == kEscala && (unidades % 2) == 1)) ++r;
  auto res = static_cast<std::int64_t>(r);
  return n.negativo ? -res : res;
}

bool esNumerico(std::string_view t) {
  std::size_t i = 0;
  while (i < t.size() && esBlanco(t[i])) ++i;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
  std::size_t digitos = 0;
  while (i < t.size() && esDigito(t[i])) ++i, ++digitos;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && esDigito(t[i])) ++i, ++digitos;
  }
  if (digitos == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    std::size_t exp = 0;
    while (i < t.size() && esDigito(t[i])) ++i, ++exp;
    if (exp == 0) return false;
  }
  while (i < t.size() && esBlanco(t[i])) ++i;
  return i == t.size();
}

bool soloDigitos(std::string_view t) {
  if (t.empty()) return false;
  for (char c : t) {
    if (!esDigito(c)) return false;
  }
  return true;
}

}  // namespace orda::texto
