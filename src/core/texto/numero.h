#pragma once
// The one "leading number" reader of the console: the editors, the encoders
// and the checks all take a text's value the same way. An optional sign,
// digits, an optional point and fraction, an optional exponent; whatever
// follows is ignored and a text without a number is worth 0.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orda::texto {

struct Numero {
  bool negativo = false;
  std::string entero;    // digits before the point, no leading zeros ("" = 0)
  std::string fraccion;  // digits after the point, no trailing zeros
  double valor = 0.0;    // the same value as a double

  bool esCero() const { return entero.empty() && fraccion.empty(); }
};

Numero numeroInicial(std::string_view texto);
double valorNumerico(std::string_view texto);

// The value written without blanks, as the global boxes rewrite it:
// "0555" -> "555", "12.50" -> "12.5", "abc" -> "0".
std::string textoNumerico(const Numero& n);

// Int(value * mult / div): rounded down, exactly on the decimal text (a
// double product can land just below an integer). Empty when the result
// does not fit 53 bits.
std::optional<std::int64_t> pisoEscalado(const Numero& n, std::uint64_t mult, std::uint64_t div);

// value * mult rounded to the nearest integer, ties to even.
std::optional<std::int64_t> redondeoPar(const Numero& n, std::uint64_t mult);

// Whether a text is a number as a whole (blanks around it allowed), as the
// phone list's privilege check asks.
bool esNumerico(std::string_view texto);

// Decimal digits only, at least one.
bool soloDigitos(std::string_view texto);

}  // namespace orda::texto
