#pragma once
// What the link shows: status bar texts, picture keys, log lines and the
// messages of the sequences, as the user reads them.
#include <string>

namespace orda::link::textos {

// Connection indicator (status bar panel 5).
inline constexpr const char* kConectado = "   Conectado";
inline constexpr const char* kNoConectado = "No conectado";
inline constexpr const char* kImagenConectado = "COMOK_OLD";
inline constexpr const char* kImagenNoConectado = "NOTCOM2";

// Device log lines of plug and unplug: the text, LF, CR, LF, CR.
inline constexpr const char* kLineaConectado = "Conectado...\n\r\n\r";
inline constexpr const char* kLineaDesconectado = "Desconectado...\n\r\n\r";

// Signal level indicator (status bar panel 1).
inline constexpr const char* kImagenSinSenal = "L0_INT";
inline constexpr const char* kImagenSondeoApagado = "L0X";

inline constexpr const char* kErrorComunicacion = "Error en Comunicación";
inline constexpr const char* kTituloComunicacion = "ORDA";
inline constexpr const char* kTituloSecuencias = "OrDA";

// Memory viewer captions at the end of a transfer.
inline constexpr const char* kMemoriaDatos = "Memoria interna de datos";
inline constexpr const char* kMemoriaRegistros = "Memoria interna de registros históricos";

inline constexpr const char* kOperacionEnCurso = "Hay una operación en curso";
inline constexpr const char* kComandoLargo = "El comando no puede superar 61 caracteres";

inline constexpr const char* kLecturaSinRespuesta = "El panel no respondió. La programación mostrada no cambió.";
inline constexpr const char* kLecturaInterrumpida =
    "La transferencia se interrumpió. La programación mostrada no cambió.";
inline constexpr const char* kHistorialSinRespuesta = "El panel no respondió. Se mantienen los registros mostrados.";
inline constexpr const char* kHistorialInterrumpido = "La transferencia de registros históricos se interrumpió.";

// Status bar panel 2 while a programming run sends its records: "Programando 12/54".
inline std::string textoProgramando(int enviados, int total) {
  return "Programando " + std::to_string(enviados) + "/" + std::to_string(total);
}

// Status bar panel 2 when a programming run has ended, at `hora` ("14:32:05"):
// "Programación terminada 14:32:05", followed by the records the panel never
// acknowledged, when there are ("… - 3 de 54 registros sin confirmar").
inline std::string textoProgramacionTerminada(const std::string& hora, int sinConfirmar) {
  std::string t = "Programación terminada " + hora;
  if (sinConfirmar > 0) t += " - " + std::to_string(sinConfirmar) + " de 54 registros sin confirmar";
  return t;
}

// "El panel no confirmó 3 de 54 registros. Verifique la conexión y vuelva a programar."
inline std::string mensajeSinConfirmar(int n) {
  return "El panel no confirmó " + std::to_string(n) +
         " de 54 registros. Verifique la conexión y vuelva a programar.";
}

}  // namespace orda::link::textos
