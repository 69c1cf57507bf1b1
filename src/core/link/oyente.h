#pragma once
// Everything the link and its sequences show goes through this one listener,
// which the windows implement (and the command-line tool, and the tests).
// Every method has an empty default so that a listener takes only what it
// shows.
#include <array>
#include <cstdint>
#include <string>

#include "core/link/textos.h"

namespace orda::link {

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Color&) const = default;
};
inline constexpr Color kNegro{0, 0, 0};
inline constexpr Color kVerdeOscuro{0, 100, 0};

enum class Icono { Informacion, Exclamacion, Critico };

// Who raised a message box, for listeners that show it otherwise (a terminal
// has no use for the boxes' own titles).
enum class TipoError {
  Comunicacion,  // the link: the panel stopped answering
  Secuencia,     // a programming run, a read or a history retrieval
  Codificacion,  // the values a programming run could not encode; the title names the table
};

// Status bar panels, numbered as the main window builds them.
inline constexpr int kPanelSenal = 1;
inline constexpr int kPanelMensajes = 2;
inline constexpr int kPanelVersion = 3;
inline constexpr int kPanelSerial = 4;
inline constexpr int kPanelConexion = 5;

using ValoresAnalogicos = std::array<std::int16_t, 9>;  // inputs 1..8 at 0..7
using EstadoEntradas = std::array<std::uint8_t, 9>;
using EstadoSalidas = std::array<std::int16_t, 9>;       // -1 on, 0 off; outputs 1..4 at 0..3

// Typed commands the console answers itself instead of sending.
enum class ComandoLocal {
  MostrarMemoria,         // "mi": the memory viewer
  MostrarHistorial,       // "mh": the history window
  ActualizarHistorial,    // "mH": the history window, laid out again and filled from the image
};

// Comparacion: the configuration memory read into an image of the caller's,
// for a comparison; nothing of the console's changes.
enum class TipoSecuencia { Programacion, Lectura, Historial, Comparacion };

enum class FinSecuencia {
  Completa,      // programming: every report sent (see sinConfirmar); transfers: last block in
  SinRespuesta,  // the panel never started the transfer
  Interrumpida,  // the transfer started and then stalled or the panel was unplugged
  Detenida,      // programming: an encoder error; nothing was sent
};

struct ResultadoSecuencia {
  TipoSecuencia tipo = TipoSecuencia::Programacion;
  FinSecuencia fin = FinSecuencia::Completa;
  int sinConfirmar = 0;  // programming: records whose acknowledgement never came
  bool operator==(const ResultadoSecuencia&) const = default;
};

class OyenteEnlace {
 public:
  virtual ~OyenteEnlace() = default;

  // Status bar panel 1..5: its text, its picture (a key of the image library).
  virtual void textoPanel(int /*panel*/, const std::string& /*texto*/) {}
  virtual void imagenPanel(int /*panel*/, const std::string& /*clave*/) {}

  // Puts `texto` (line ends included) at the top of the device log, in `color`.
  virtual void agregarAlRegistro(const std::string& /*texto*/, Color /*color*/) {}

  // A memory block arrived: `texto` (" 45%") goes to status bar panel 2,
  // which is repainted at once. bloque counts from 1 up to total.
  virtual void progresoTransferencia(const std::string& /*texto*/, int /*bloque*/, int /*total*/) {}

  // A record of a programming run went out: `enviados` of `total` so far.
  // Unless a listener shows it its own way, status bar panel 2 tells.
  virtual void progresoProgramacion(int enviados, int total) {
    textoPanel(kPanelMensajes, textos::textoProgramando(enviados, total));
  }

  // A memory transfer completed: the memory viewer takes this caption and
  // redraws from the image.
  virtual void memoriaActualizada(const std::string& /*titulo*/) {}

  // An "E8" answer stored the analogue values and input states; an "E9"
  // answer the output states.
  virtual void actGraf(const ValoresAnalogicos& /*valoresAnalogicos*/) {}
  virtual void actLedEntradas(const EstadoEntradas& /*estadoEntradas*/) {}
  virtual void actLedSalidas(const EstadoSalidas& /*estadoSalidas*/) {}

  // A message box; the console goes on at once (nothing waits for it).
  virtual void mostrarError(const std::string& /*texto*/, const std::string& /*titulo*/, Icono /*icono*/,
                            TipoError /*tipo*/) {}

  virtual void comandoLocal(ComandoLocal /*comando*/) {}

  // A programming run, a read or a history retrieval ended. Its message box,
  // if any (no answer, interrupted, unacknowledged records, encoder errors),
  // was already shown through mostrarError. After a complete read the image
  // still holds the configuration memory; the history retrieval starts right
  // after this call returns.
  virtual void secuenciaTerminada(const ResultadoSecuencia& /*resultado*/) {}
};

}  // namespace orda::link
