#include "core/config/globales.h"

#include "core/texto/cp1252.h"
#include "core/texto/numero.h"

namespace orda::config {

namespace {

struct CajaTexto {
  const char* porDefecto;
  int largoMaximo;
  const char* etiqueta;
};

// Defaults and maximum lengths of Text1..Text9.
constexpr CajaTexto kCajas[10] = {
    {"", 0, ""},
    {"12:00", 0, "Hora de llamada"},
    {"5", 0, "Duración [seg]"},
    {"13:00", 0, "Hora de SMS"},
    {"Comunicación OK", 31, "Mensaje de SMS"},
    {"5", 5, "Duración disparo [min]"},
    {"30", 5, "Duración del STR [min]"},
    {"555", 10, "Número consulta de saldo"},
    {"SALDO", 12, "Texto de consulta de saldo"},
    {"", 8, "Clave"},
};

RevisionTexto numericoHasta(std::string_view texto, double maximo, const char* aviso) {
  const texto::Numero n = texto::numeroInicial(texto);
  RevisionTexto r{texto::textoNumerico(n), {}};
  if (n.valor > maximo) r.aviso = Aviso{aviso};
  return r;
}

}  // namespace

Globales::Globales() {
  opciones[opcion::kNoPermitirDesarmar] = 1;
  opciones[opcion::kRearmadoAutomatico] = 1;
  for (int i = 1; i <= 9; ++i) text[static_cast<std::size_t>(i)] = kCajas[i].porDefecto;
}

const char* etiquetaTexto(int c) { return (c >= 1 && c <= 9) ? kCajas[c].etiqueta : ""; }

int largoMaximoTexto(int c) { return (c >= 1 && c <= 9) ? kCajas[c].largoMaximo : 0; }

RevisionTexto revisarTextoGlobal(int c, std::string_view texto) {
  switch (c) {
    case caja::kHoraLlamada:
    case caja::kHoraSms:
      return {std::string(texto), validarHora(texto) ? Aviso{} : Aviso{kAvisoHora}};
    case caja::kDuracionLlamada:
      return numericoHasta(texto, 255, kAvisoDuracionLlamada);
    case caja::kDuracionDisparo:
    case caja::kDuracionStr:
      return numericoHasta(texto, 1092, kAvisoMinutos);
    case caja::kNumeroSaldo:
      return {reescribirNumeroSaldo(texto), {}};
    case caja::kClave:
      return {std::string(texto), texto::largo(texto) < 3 ? Aviso{kAvisoClave} : Aviso{}};
    default:
      return {std::string(texto), {}};
  }
}

std::string reescribirNumeroSaldo(std::string_view texto) {
  return texto::textoNumerico(texto::numeroInicial(texto));
}

}  // namespace orda::config
