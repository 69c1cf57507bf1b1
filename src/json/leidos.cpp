#include "json/leidos.h"

#include <charconv>
#include <string>
#include <system_error>

#include "core/config/globales.h"
#include "core/config/tablas.h"
#include "core/imagen/codificacion.h"
#include "core/reading/decodificar.h"
#include "core/texto/cp1252.h"

namespace orda::json {

namespace {

// A text read from the panel: Windows-1252 characters, no control character,
// at most as many as the decoder reads.
bool textoLeido(std::string_view s, std::size_t maximo) {
  const std::vector<std::uint8_t> b = texto::aCp1252(s);
  return b.size() <= maximo && !tieneControl(s) && texto::desdeCp1252(b.data(), b.size()) == s;
}

// A byte as its decimal text: privilege and ring duration.
bool byteLeido(std::string_view s) {
  for (int v = 0; v <= 255; ++v) {
    if (std::to_string(v) == s) return true;
  }
  return false;
}

// "HH:MM" as two BCD bytes read back: any two digits on either side.
bool horaLeida(std::string_view s) {
  if (s.size() != 5 || s[2] != ':') return false;
  for (std::size_t i : {0u, 1u, 3u, 4u}) {
    if (s[i] < '0' || s[i] > '9') return false;
  }
  return true;
}

// Two decimals of some 16-bit count.
bool voltajeLeido(std::string_view s) {
  const auto c = imagen::cuentasDeVoltaje(s);
  if (!c) return false;
  for (std::int64_t n = *c - 2; n <= *c + 3; ++n) {
    if (n >= 0 && n <= 0xFFFF && imagen::voltajeDeCuentas(static_cast<std::uint16_t>(n)) == s) return true;
  }
  return false;
}

// The shortest text of some single, as the decoder writes the scale.
bool flotanteLeido(std::string_view s) {
  if (s == "nan" || s == "-nan" || s == "inf" || s == "-inf") return true;
  // Read as a single directly, as the decoder wrote it.
  float f = 0;
  const auto [fin, ec] = std::from_chars(s.data(), s.data() + s.size(), f);
  if (ec != std::errc{} || fin != s.data() + s.size()) return false;
  return imagen::textoFlotante(f) == s;
}

}  // namespace

bool tieneControl(std::string_view s) {
  for (const char c : s) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
  }
  return false;
}

bool comoSeLeeCelda(const config::Tabla& t, int col, std::string_view s) {
  using config::TipoTabla;
  switch (t.tipo()) {
    case TipoTabla::Entradas:
      switch (col) {
        case config::colEntradas::kAlias: return textoLeido(s, 12);
        case config::colEntradas::kMensajeActivacion:
        case config::colEntradas::kMensajeDesactivacion:
        case config::colEntradas::kMensajeDisparo: return textoLeido(s, reading::kLargoMensaje);
        case config::colEntradas::kComparacionSuperior:
        case config::colEntradas::kComparacionInferior: return voltajeLeido(s);
        case config::colEntradas::kEscalaValor: return flotanteLeido(s);
        case config::colEntradas::kEscalaUnidad: return textoLeido(s, 3);
        default: return false;  // the delays read back as their editor takes them
      }
    case TipoTabla::Salidas:
      return col == config::colSalidas::kAlias ? textoLeido(s, 12) : horaLeida(s);
    case TipoTabla::Tree:
      switch (col) {
        case config::colTree::kPerteneceA: return textoLeido(s, 12);
        case config::colTree::kTelefono: return textoLeido(s, 10);
        default: return byteLeido(s);
      }
  }
  return false;
}

bool comoSeLeeCaja(int caja, std::string_view s) {
  namespace c = config::caja;
  switch (caja) {
    case c::kHoraLlamada:
    case c::kHoraSms: return horaLeida(s);
    case c::kMensajeSms: return textoLeido(s, reading::kLargoMensaje);
    case c::kClave: return textoLeido(s, 8);
    default: return false;  // numbers read back already rewritten; Text8 has no rule
  }
}

}  // namespace orda::json
