#pragma once
// The simulated panel behind the console's transport interface, in process
// and in the owner's time.
//
// Time: the transport reads the current time from the clock function given
// at construction (a QElapsedTimer's elapsed() in the applications, a plain
// counter in tests) when it is called (Connect, WriteEx, enchufar...), and
// the owner drives what is due with alVencer(ahoraMs), arming its timer for
// proximoVencimiento(). Events reach `alEvento` only from inside alVencer,
// never from inside a call of the console, so the link's handlers are never
// re-entered; everything due at or before `ahoraMs` is delivered in order,
// including answers to reports written by the handlers during that call.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

#include "core/link/transporte.h"
#include "core/simulator/panel.h"

namespace orda::simulator {

// Faults for tests; they may be changed at any time and act from then on.
struct Fallas {
  int latenciaMs = 1;              // delay of every answer
  int perderConfirmacionCada = 0;  // k > 0: the k-th, 2k-th... answer containing "rabad" is lost
                                   // (the panel did act on the report)
  int desenchufarTrasReportes = 0; // N > 0: the cable is pulled right after the panel took its
                                   // N-th report in all (reportesEscritos() == N); that report's
                                   // answers are lost. One shot: it goes back to 0.
  bool silencio = false;           // the panel takes no report and answers nothing
  int basuraCada = 0;              // k > 0: after every k-th answer, one report of random bytes
};

class TransporteSimulado : public link::Transporte {
 public:
  using Reloj = std::function<std::int64_t()>;

  static constexpr link::Handle kHandlePanel = 1;
  static constexpr link::Handle kHandleOtro = 2;      // an unrelated HID device
  static constexpr int kVendorOtro = 0x046D, kProductOtro = 0xC077;

  // The panel is powered up at construction, at reloj(); Connect() finds it
  // plugged after `retardoConexionMs`.
  explicit TransporteSimulado(Reloj reloj, OpcionesPanel opciones = {}, int retardoConexionMs = 500);

  bool Connect() override;
  void Disconnect() override;
  int GetVendorID(link::Handle h) override;
  int GetProductID(link::Handle h) override;
  link::Handle GetHandle(int vendorId, int productId) override;
  void SetReadNotify(link::Handle h, bool activo) override;
  bool Read(link::Handle h, link::BufferReporte& buffer) override;
  bool WriteEx(int vendorId, int productId, const link::BufferReporte& buffer) override;

  // Delivers everything due at or before `ahoraMs`: plug and unplug events,
  // answers (ReporteEsperando while read notification is on; an answer due
  // while it is off is lost, nobody reads the device).
  void alVencer(std::int64_t ahoraMs) override;
  std::optional<std::int64_t> proximoVencimiento() const override;

  Fallas fallas;

  // Test hooks: pull the cable now (Desconectado at the next alVencer, answers
  // in flight lost), plug it back (Conectado after the connection delay), plug
  // an unrelated device (Conectado with kHandleOtro).
  void desenchufar();
  void enchufar();
  void enchufarOtroDispositivo();
  bool enchufado() const { return enchufado_; }

  // Every report the panel was handed, with its time (for tests counting "pn").
  std::function<void(const link::BufferReporte&, std::int64_t)> alEscribir;
  int reportesEscritos() const { return escritos_; }

  PanelSimulado& panel() { return panel_; }
  const PanelSimulado& panel() const { return panel_; }

 private:
  struct Pendiente {
    std::int64_t vence;
    enum class Tipo { Enchufar, Desenchufar, EnchufarOtro, Respuesta } tipo;
    link::BufferReporte reporte{};
  };
  void programar(Pendiente p);
  void quitarRespuestasEnVuelo();
  link::BufferReporte basura();

  Reloj reloj_;
  PanelSimulado panel_;
  int retardoConexionMs_;
  bool conectado_ = false;   // Connect() called, not Disconnect()
  bool enchufado_ = false;   // the panel is on the bus
  bool otroEnchufado_ = false;
  bool notificar_ = false;
  std::deque<Pendiente> pendientes_;         // by due time, then arrival
  std::deque<link::BufferReporte> esperando_; // delivered, not yet read
  std::int64_t ultimoVence_ = 0;
  int escritos_ = 0;
  int confirmaciones_ = 0;
  int respuestas_ = 0;
  std::uint64_t azar_;
};

}  // namespace orda::simulator
