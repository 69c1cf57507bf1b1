#pragma once
// Field encodings of the panel's memory: BCD bytes and times, texts with
// their NUL, little-endian numbers, volts in counts, and the panel's float.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orda::imagen {

constexpr std::uint8_t aBcd(int v) { return static_cast<std::uint8_t>((v / 10) * 16 + v % 10); }
constexpr int desdeBcd(std::uint8_t b) { return (b & 15) + 10 * (b / 16); }

// Digit of the character at position pos (from 1) of a time text; a missing
// character or a non-digit counts as 0.
int digitoEn(std::string_view texto, std::size_t pos);

// E2: byte k = digit(3k+1) * 16 + digit(3k+2).
std::uint8_t byteHora(std::string_view texto, std::size_t k);

// "HH:MM" from two BCD bytes, each shown with at least two digits.
std::string textoHora(std::uint8_t hora, std::uint8_t minuto);

// Two decimal digits at least ("00" pattern).
std::string dosDigitos(int v);

// E8: Int(V * 1024 / 3.3) from the decimal text.
std::optional<std::int64_t> cuentasDeVoltaje(std::string_view texto);
// Counts back to volts: two decimals, point as separator ("1.20").
std::string voltajeDeCuentas(std::uint16_t cuentas);

// E9: the panel's float, the IEEE single with the sign moved to bit 23 and
// the exponent to the top byte. Empty when the value does not fit a single.
std::optional<std::uint32_t> flotantePanel(std::string_view texto);
float desdeFlotantePanel(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
// Shortest text that reads back to the same single, always with a point.
std::string textoFlotante(float f);

}  // namespace orda::imagen
