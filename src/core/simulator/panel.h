#pragma once
// The simulated panel: a model of the panel's firmware as the console sees
// it over the USB link. It keeps the 12,288-byte data memory, the 4,096-byte
// history memory, its clock, its zones and its outputs, answers every report
// the console sends, and logs in its history what happens to it. Time is
// passed in (milliseconds on the owner's monotonic clock); the same options
// and the same reports at the same times always give the same answers.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/link/reporte.h"
#include "core/simulator/historial_panel.h"
#include "core/simulator/memorias.h"
#include "core/simulator/reloj_panel.h"
#include "core/simulator/zonas.h"

namespace orda::simulator {

inline constexpr int kCantidadTextosPropios = 6;  // message slots 65..70
inline constexpr std::size_t kPrimerSlotPropio = 65;

using TextoPropio = std::array<std::uint8_t, 62>;

struct OpcionesPanel {
  std::uint64_t semilla = 1;                       // phases of the zones, signal, past events
  FechaHora reloj{2025, 3, 7, 13, 45, 0};          // the panel's clock at power-up
};

class PanelSimulado {
 public:
  // Powers the panel up at `encendidoMs` with the demo configuration and its
  // history (past events, then the start-up record).
  explicit PanelSimulado(OpcionesPanel opciones = {}, std::int64_t encendidoMs = 0);

  // One report from the console (byte 0 the report id, 1..64 the report),
  // received at `ahoraMs`; its answers in order (none for "pn" outside a
  // transfer). Each answer is a full buffer: byte 0 = 0, bytes 1..64.
  std::vector<link::BufferReporte> recibir(const link::BufferReporte& reporte, std::int64_t ahoraMs);

  // Runs the zones and the outputs' daily programs up to `ahoraMs`.
  // `recibir` does it itself; calling it more or less often changes nothing.
  void avanzar(std::int64_t ahoraMs);

  const MemoriaDatos& memoriaDatos() const { return datos_; }
  const MemoriaHistorial& memoriaHistorial() const { return historial_.memoria(); }
  // The panel's own notices (slots 65..70) as last received: record bytes 0..61.
  const std::array<TextoPropio, kCantidadTextosPropios>& textosPropios() const { return propios_; }

  FechaHora reloj(std::int64_t ahoraMs) const;
  std::string version() const;  // global block bytes 33..35
  std::string serial() const;   // global block bytes 37..41
  bool salida(int i) const { return salidas_.at(static_cast<std::size_t>(i)); }
  // Last reported value (the panel's scale, see valorReportado) and state
  // (0 rest, 1 active, 2 triggered) of input i, as of the last avanzar.
  int valorEntrada(int i) const;
  int estadoEntrada(int i) const;
  int nivelSenal(std::int64_t ahoraMs) const;  // 0..31
  int cantidadRegistros() const;

  // The panel's analogue scale: counts c (1024 = 3.3 V) are reported as
  // h = round((c + 102.4) / 1.2), the scale on which the console plots them.
  static int valorReportado(int cuentas);

 private:
  using Respuestas = std::vector<link::BufferReporte>;
  struct Comando;
  static const std::vector<Comando>& comandos();

  void registrar(std::int64_t ahoraMs, std::uint8_t c1, std::uint8_t c2 = 0, std::uint8_t c3 = 0);
  void iniciarVolcado(const std::uint8_t* origen, std::size_t tamano, std::uint8_t marca, Respuestas& r);

  // One per command.
  void senal(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r);
  void leerDatos(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r);
  void leerHistorial(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r);
  void proximoBloque(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r);
  void grabarRegistro(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r);
  void ponerHora(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r);
  void ponerFecha(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r);
  void valoresEntradas(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r);
  void estadosSalidas(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r);
  void forzarSalida(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r);
  void ponerVersion(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r);
  void ponerSerial(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r);
  void desconocido(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r);

  void avanzarSalidas(std::int64_t ahoraMs);

  OpcionesPanel opciones_;
  MemoriaDatos datos_{};
  std::array<TextoPropio, kCantidadTextosPropios> propios_{};
  std::array<bool, kCantidadSalidas> salidas_{};
  RelojPanel reloj_;
  Historial historial_;
  Zonas zonas_;

  // Memory transfer in progress: a copy taken at the request, sent block by block.
  std::vector<std::uint8_t> volcado_;
  std::size_t bloqueVolcado_ = 0;

  std::int64_t ultimoMinuto_ = 0;        // panel clock minute the outputs' programs were run up to
  std::int64_t ultimoRegistroMs_ = -1;   // last record command, to log one programming per run
};

}  // namespace orda::simulator
