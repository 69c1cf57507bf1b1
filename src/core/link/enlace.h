#pragma once
// The USB link: the two report buffers, the sending rule, the answers to plug,
// unplug and change events, and the handling of every incoming report
// (memory transfers, signal level, live values, acknowledgements, the device
// log). Time is passed in; the link never waits: what the panel's software
// did after a wait is a deadline here (proximoVencimiento / alVencer).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/imagen/imagen.h"
#include "core/link/cola_confirmada.h"
#include "core/link/oyente.h"
#include "core/link/reporte.h"
#include "core/link/senal.h"
#include "core/link/transporte.h"

namespace orda::link {

// Wait after the panel is plugged before its reports are enabled.
inline constexpr std::int64_t kEsperaEnchufeMs = 1000;
// A transfer that gets no block for this long is abandoned.
inline constexpr std::int64_t kEsperaBloqueMs = 2000;

enum ModoVolcado : std::uint8_t { kSinVolcado = 0, kVolcadoDatos = 1, kVolcadoHistorial = 2 };

inline constexpr int kBloquesDatos = 192;
inline constexpr int kBloquesHistorial = 64;
inline constexpr std::size_t kTamanoBloqueVolcado = 64;

struct Volcado {
  std::uint8_t modoVolcado = kSinVolcado;
  std::int16_t bloqueVolcado = 0;  // block the next memory report fills
  std::int64_t ultimoMs = 0;       // start marker or last block
  // Transfers so far, for the sequences waiting on them.
  std::uint32_t iniciados = 0, completos = 0, interrumpidos = 0;
  std::uint8_t ultimoCompleto = kSinVolcado, ultimoInterrumpido = kSinVolcado;
};

// What one incoming report did that a sequence may wait for.
struct Recepcion {
  bool leido = false;
  bool confirmacion = false;                     // its text contained "rabad"
  std::optional<ColaConfirmada::Id> confirmado;  // the queued report it acknowledged
};

class Enlace {
 public:
  Enlace(Transporte& transporte, OyenteEnlace& oyente, imagen::ImagenMemoria& imagenMemoria);

  // The handlers of the four events.
  void OnPlugged(Handle h, std::int64_t ahoraMs);
  void OnUnplugged(Handle h, std::int64_t ahoraMs);
  void OnChanged();
  Recepcion OnRead(Handle h, std::int64_t ahoraMs);
  // Sends the output buffer as it stands.
  bool WriteData();

  // The sending rule: report id 0 and the command's bytes written over the
  // output buffer (the rest keeps what earlier commands left), then one
  // write. A command sent with no panel attached is lost; the caller's time
  // bounds deal with the missing answer.
  bool enviar(const Reporte& r);
  bool enviarLetras(std::string_view letras) { return enviar(reporteLetras(letras)); }

  // Deadlines: read notification one second after the panel was plugged, and
  // a transfer stalled for two seconds.
  void alVencer(std::int64_t ahoraMs);
  std::optional<std::int64_t> proximoVencimiento() const;

  // Ends a transfer in progress: the panel went away or stopped sending.
  void abandonarVolcado();

  // While set, transferred blocks go to `otra` instead of the console's image
  // and the end of a transfer is not announced (the memory viewer shows the
  // console's image). Null sends them back.
  void desviarVolcado(imagen::ImagenMemoria* otra) { desvio_ = otra; }

  // Status bar panel 1 click.
  void alternarSenal();

  const Volcado& volcado() const { return volcado_; }
  bool enTransferencia() const { return volcado_.modoVolcado != kSinVolcado; }
  bool panelConectado() const { return conectado_; }
  const PanelSenal& senal() const { return senal_; }
  ColaConfirmada& cola() { return cola_; }
  const ColaConfirmada& cola() const { return cola_; }
  bool esperandoConfirmacion() const { return cola_.esperandoConfirmacion(); }

  const BufferReporte& bufferEntrada() const { return bufferEntrada_; }
  const ValoresAnalogicos& valoresAnalogicos() const { return valoresAnalogicos_; }
  const EstadoEntradas& estadoEntradas() const { return estadoEntradas_; }
  const EstadoSalidas& estadoSalidas() const { return estadoSalidas_; }

  Transporte& transporte() { return transporte_; }
  OyenteEnlace& oyente() { return oyente_; }

 private:
  bool esPanel(Handle h);
  void habilitarLectura();
  bool recibirBloque(std::int64_t ahoraMs);
  void iniciarVolcado(std::uint8_t modo, std::int64_t ahoraMs);
  void recibirSenal();
  void recibirValores();
  void recibirSalidas();

  Transporte& transporte_;
  OyenteEnlace& oyente_;
  imagen::ImagenMemoria& imagenMemoria_;
  imagen::ImagenMemoria* desvio_ = nullptr;

  BufferReporte bufferSalida_{};
  BufferReporte bufferEntrada_{};
  std::string textoReporte_;
  Volcado volcado_;
  ColaConfirmada cola_;
  PanelSenal senal_;
  bool conectado_ = false;
  std::optional<std::int64_t> habilitarEn_;

  ValoresAnalogicos valoresAnalogicos_{};
  EstadoEntradas estadoEntradas_{};
  EstadoSalidas estadoSalidas_{};
};

// The text of an incoming report: bytes 1..63 up to the first zero, a byte
// above 31 as its Windows-1252 character, CR and LF as a blank, any other
// control byte as "•". Byte 64 never enters the text.
std::string textoDeReporte(const BufferReporte& b);

}  // namespace orda::link
