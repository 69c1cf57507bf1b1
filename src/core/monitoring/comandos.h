#pragma once
// The commands of the information window's "Enviar": what a typed text does
// (a few prefixes are the console's own), and the reports the maintenance
// commands send.
#include <optional>
#include <string>
#include <string_view>

#include "core/link/oyente.h"
#include "core/link/reporte.h"

namespace orda::monitoring {

// Text, CR and the closing 0 must end by byte 64.
inline constexpr std::size_t kLargoMaximoComando = 61;

enum class AccionComando {
  Enviar,  // sent as typed
  Hora,    // "cH": the time command instead of the text
  Local,   // "mi", "mh", "mH": the console's own, never sent
};

struct Interpretacion {
  AccionComando accion = AccionComando::Enviar;
  std::string texto;                       // what is sent, and what the command field shows afterwards
  std::optional<std::string> versionPanel;  // "V!203" -> "203"
  std::optional<std::string> serialPanel;   // "S!12345" -> "12345"
  link::ComandoLocal local = link::ComandoLocal::MostrarMemoria;
};

// clave: the SMS password of the global options, appended to a text that
// starts with "Hc".
Interpretacion interpretarComando(std::string_view texto, std::string_view clave);

// The typed-text report: the text's Windows-1252 bytes from byte 1, CR after
// it and 0 two bytes further; the byte between keeps what the buffer held.
// Empty when the text is longer than 61 characters.
std::optional<link::Reporte> reporteComando(std::string_view texto);

// Forcing output `indice` + 1 (indice 0..3): "t", "s" and the output's digit.
link::Reporte reporteForzarSalida(int indice);

}  // namespace orda::monitoring
