#pragma once
// The console's side of the panel, as one state machine in the owner's time:
// the link and its events, the signal and trending polls, the acknowledged
// sender, and the sequences the user starts (programming run, read, history
// retrieval, typed and maintenance commands, output forcing).
//
// The owner (main window, command-line tool, test) feeds it link events and
// the passing of time, and arms one timer for proximoVencimiento(); after
// every input and command, alCambiarVencimiento tells it to look again, so
// nobody who uses the console re-arms a timer. Nothing here waits: every
// wait of the panel's protocol is a deadline.
//
// While a memory transfer, a read, a history retrieval or a programming run
// is in progress, every incoming report may be a memory block and the image
// is being filled: any command that talks to the panel or touches the image
// is refused with "Hay una operación en curso", and both polls pause.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/config/configuracion.h"
#include "core/imagen/imagen.h"
#include "core/link/enlace.h"
#include "core/link/oyente.h"
#include "core/link/transporte.h"
#include "core/monitoring/tendencia.h"
#include "core/programming/puesta_en_hora.h"
#include "core/sequences/envio_programacion.h"
#include "core/sequences/espera_volcado.h"

namespace orda::sequences {

enum class EstadoComando {
  Enviado,    // sent, or queued for the acknowledged sender ("cH")
  Local,      // one of the console's own commands, reported to the listener
  Rechazado,  // an operation in progress, or longer than 61 characters
};

struct ResultadoComando {
  EstadoComando estado = EstadoComando::Enviado;
  std::string textoCampo;  // the command field afterwards ("Hc" shows the password appended)
  std::string mensaje;     // why it was refused (already shown)
};

class Consola {
 public:
  // inicioMs: start-up, when the signal poll's timer starts.
  Consola(link::Transporte& transporte, link::OyenteEnlace& oyente, config::Configuracion& cfg,
          imagen::ImagenMemoria& imagenMemoria, std::int64_t inicioMs);
  // Leaves the transport without a route to this console.
  ~Consola();
  Consola(const Consola&) = delete;
  Consola& operator=(const Consola&) = delete;

  // Routes the transport's events here, stamped with `ahoraMs()`, and starts
  // the transport. `desinstalar` stops it; no event arrives afterwards.
  bool instalar(std::function<std::int64_t()> ahoraMs);
  void desinstalar();

  // Inputs. Events are handled one at a time in arrival order: an event
  // raised while another is being handled waits for it.
  void alEvento(const link::Evento& e, std::int64_t ahoraMs);
  void alVencer(std::int64_t ahoraMs);
  std::optional<std::int64_t> proximoVencimiento() const;

  bool ocupado() const;
  // For the owner's own commands that touch the image (save, open): shows
  // the refusal in status bar panel 2 and returns true while ocupado().
  bool rechazarSiOcupado();

  // "Programar", after the user confirmed: the whole run is encoded first (an
  // encoder error shows its box and sends nothing), then the clock and the
  // 54 records go through the acknowledged sender. Ends through
  // secuenciaTerminada with the count of unacknowledged records; status bar
  // panel 2 then tells the time it ended (`ahora` plus the time it took).
  bool programar(const programming::FechaHora& ahora, std::int64_t ahoraMs);
  // A file save: the image is built and only the two clock reports are
  // queued; nothing waits for them. False when the image must not be saved
  // (refused, or an encoder error).
  bool prepararGuardado(const programming::FechaHora& ahora, std::int64_t ahoraMs);
  // "Leer programación": "lt", the transfer, the decoders, then the history
  // retrieval (unless conHistorial is false).
  bool leerProgramacion(std::int64_t ahoraMs, bool conHistorial = true);
  // The configuration memory read into `destino` for a comparison: the
  // console's image, the configuration and the memory viewer stay as they
  // are, and no history follows. `destino` must outlive the read, which ends
  // through secuenciaTerminada (Comparacion); a failed one says why, as a
  // read does.
  bool leerParaComparar(std::int64_t ahoraMs, imagen::ImagenMemoria& destino);
  // `Refrescar`: "lh" through the typed-command sender and its transfer.
  bool refrescarHistorial(std::int64_t ahoraMs);

  // "Enviar" of the information window. `ahora` is the computer's clock, for "cH".
  ResultadoComando enviarComando(std::string_view texto, const programming::FechaHora& ahora,
                                 std::int64_t ahoraMs);
  // The clock commands (`Command3_Click`, `Command4_Click`).
  bool enviarHora(const programming::FechaHora& ahora, std::int64_t ahoraMs);
  bool enviarFecha(const programming::FechaHora& ahora, std::int64_t ahoraMs);
  // Output lamp click (indice 0..3); nothing while no input is selected.
  bool forzarSalida(int indice, std::int64_t ahoraMs);

  // The trending window's channel (0..8).
  void seleccionarCanal(int canal, std::int64_t ahoraMs);
  int canal() const { return tendencia_.canal(); }
  // Status bar panel 1 click: the signal poll off or on.
  void alternarSenal();

  link::Enlace& enlace() { return enlace_; }
  const link::Enlace& enlace() const { return enlace_; }

  // Called when an input or a command ends (the outermost one, when a
  // listener used the console meanwhile): proximoVencimiento() may differ.
  std::function<void()> alCambiarVencimiento;

 private:
  // Calls alCambiarVencimiento when the outermost input or command ends.
  class Aviso {
   public:
    explicit Aviso(Consola& c) : c_(c) { ++c_.avisos_; }
    ~Aviso() {
      if (--c_.avisos_ == 0 && c_.alCambiarVencimiento) c_.alCambiarVencimiento();
    }
    Aviso(const Aviso&) = delete;
    Aviso& operator=(const Aviso&) = delete;

   private:
    Consola& c_;
  };

  enum class Activa { Ninguna, Programacion, Lectura, Comparacion, Historial };

  // Keeps incoming events for later while something is being handled, and
  // handles them when the outermost input ends.
  class Turno {
   public:
    explicit Turno(Consola& c);
    ~Turno();
    Turno(const Turno&) = delete;
    Turno& operator=(const Turno&) = delete;

   private:
    Consola& c_;
    bool exterior_;
  };

  void atender(const link::Evento& e, std::int64_t ahoraMs);
  void despues(std::int64_t ahoraMs);
  // One acknowledged report, unless a transfer or a run is in progress.
  bool encolarSiLibre(const link::Reporte& reporte, std::int64_t ahoraMs);
  bool colaPausada() const;
  void bombear(std::int64_t ahoraMs);
  void revisarProgramacion(std::int64_t ahoraMs);
  void revisarVolcado(std::int64_t ahoraMs);
  void terminarLectura(EstadoEspera estado, std::int64_t ahoraMs);
  void terminarComparacion(EstadoEspera estado);
  void pedirDatos(std::int64_t ahoraMs, Activa activa);
  void terminarHistorial(EstadoEspera estado);
  void iniciarHistorial(std::int64_t ahoraMs);
  bool codificar(bool enviar, const programming::FechaHora& ahora, std::int64_t ahoraMs);
  void error(const std::string& texto);

  link::Enlace enlace_;
  link::OyenteEnlace& oyente_;
  config::Configuracion& cfg_;
  imagen::ImagenMemoria& imagenMemoria_;
  monitoring::SondeoTendencia tendencia_;
  std::int64_t proximaSenal_;

  Activa activa_ = Activa::Ninguna;
  std::optional<EnvioProgramacion> envio_;
  programming::FechaHora inicioCivil_{};  // the computer's clock when the run started
  std::int64_t inicioMs_ = 0;              // and the console's
  std::optional<EsperaVolcado> espera_;
  bool historialTrasLectura_ = true;

  std::deque<std::pair<link::Evento, std::int64_t>> entrantes_;
  bool atendiendo_ = false;
  bool instalada_ = false;
  int avisos_ = 0;
};

}  // namespace orda::sequences
