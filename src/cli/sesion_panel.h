#pragma once
// One device command from start to end, in the owner's time: look for the
// panel, give it the second it needs after the plug, run the command's task
// on the console, and end with an exit status.
//
// It runs on the link engine (motor::MotorEnlace), like the main window:
// the owner (orda-cli's event loop with a Despertador, a test in virtual
// time calling vencer) starts it with arrancar and stops when terminada().
// After every link event and deadline the engine gives the session a step,
// in which it looks at the state. A task starts console commands only from
// iniciar and avanzar, never from inside a listener call, so the console is
// never re-entered.
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "core/config/configuracion.h"
#include "core/imagen/imagen.h"
#include "core/link/oyente.h"
#include "core/link/transporte.h"
#include "core/programming/puesta_en_hora.h"
#include "core/sequences/consola.h"
#include "motor/motor_enlace.h"

namespace orda::cli {

// How long a panel that is not attached yet is waited for: the USB look
// runs about twice a second and finds an attached panel at once.
inline constexpr std::int64_t kEsperaPanelMs = 3000;

inline constexpr const char* kSinPanel = "No se encontró el panel ORDA202 conectado por USB.";
inline constexpr const char* kPanelDesconectado = "Se desconectó el panel.";
inline constexpr const char* kSinRespuesta = "El panel no respondió.";
inline constexpr const char* kSinUsb = "No se pudo acceder a los dispositivos USB.";

class SesionPanel;

// What a device command does once the panel is there. It hears everything
// the console shows (the session prints the error boxes and the transfer
// progress itself).
class Tarea : public link::OyenteEnlace {
 public:
  // Checked before the panel is looked for; a message ends the command at once.
  virtual std::optional<std::string> preparar(SesionPanel& /*s*/) { return std::nullopt; }
  // The panel is attached and its reports are read.
  virtual void iniciar(SesionPanel& s, std::int64_t ahoraMs) = 0;
  // After every input while running.
  virtual void avanzar(SesionPanel& /*s*/, std::int64_t /*ahoraMs*/) {}
  virtual std::optional<std::int64_t> proximoVencimiento() const { return std::nullopt; }

 protected:
  friend class SesionPanel;
  SesionPanel* sesion_ = nullptr;
};

class SesionPanel : public link::OyenteEnlace {
 public:
  using Reloj = std::function<std::int64_t()>;
  using HoraComputadora = std::function<programming::FechaHora()>;

  // `reloj` empty: real time.
  SesionPanel(link::Transporte& transporte, Tarea& tarea, std::ostream& out, std::ostream& err,
              HoraComputadora horaComputadora, Reloj reloj = {});
  ~SesionPanel() override;
  SesionPanel(const SesionPanel&) = delete;
  SesionPanel& operator=(const SesionPanel&) = delete;

  // Prepares the task and starts looking for the panel.
  void arrancar();
  // Virtual time: everything due now (the engine's own timer does it in real time).
  void vencer() { motor_.vencer(); }
  std::optional<std::int64_t> proximoVencimiento() const;

  bool terminada() const { return codigo_.has_value(); }
  int codigo() const { return codigo_.value_or(1); }
  // The first call decides the exit status; the engine stops.
  void terminar(int codigo);
  // Told the exit status when the session ends.
  std::function<void(int codigo)> alTerminar;

  // Transfer and programming progress rewritten in place on one line (a
  // terminal), or a line every tenth.
  bool progresoTerminal = false;

  motor::MotorEnlace& motor() { return motor_; }
  sequences::Consola& consola() { return motor_.consola(); }
  config::Configuracion& configuracion() { return cfg_; }
  imagen::ImagenMemoria& imagen() { return imagen_; }
  std::ostream& out() { return out_; }
  std::ostream& err() { return err_; }
  programming::FechaHora horaComputadora() const { return horaComputadora_(); }
  std::int64_t ahoraMs() const { return motor_.ahoraMs(); }

  // OyenteEnlace: the error boxes and the progress are printed here, the
  // rest goes to the task.
  void textoPanel(int panel, const std::string& texto) override;
  void imagenPanel(int panel, const std::string& clave) override;
  void agregarAlRegistro(const std::string& texto, link::Color color) override;
  void progresoTransferencia(const std::string& texto, int bloque, int total) override;
  void progresoProgramacion(int enviados, int total) override;
  void memoriaActualizada(const std::string& titulo) override;
  void actGraf(const link::ValoresAnalogicos& v) override;
  void actLedEntradas(const link::EstadoEntradas& e) override;
  void actLedSalidas(const link::EstadoSalidas& s) override;
  void mostrarError(const std::string& texto, const std::string& titulo, link::Icono icono,
                    link::TipoError tipo) override;
  void comandoLocal(link::ComandoLocal c) override;
  void secuenciaTerminada(const link::ResultadoSecuencia& r) override;

 private:
  enum class Fase { Inicial, Buscando, Asentando, Operando };

  // Marks the session's own steps, whose console calls it does not answer.
  class Propio {
   public:
    explicit Propio(bool& b) : b_(b), antes_(b) { b_ = true; }
    ~Propio() { b_ = antes_; }
    Propio(const Propio&) = delete;
    Propio& operator=(const Propio&) = delete;

   private:
    bool& b_;
    bool antes_;
  };

  // Progress on the error stream; `decimo` 0..10, `ultimo` ends the line.
  void mostrarProgreso(const std::string& linea, int decimo, bool ultimo);
  void avanzar(std::int64_t ahoraMs);
  std::optional<std::int64_t> vencimientoPropio() const;

  Tarea& tarea_;
  std::ostream& out_;
  std::ostream& err_;
  HoraComputadora horaComputadora_;

  config::Configuracion cfg_;
  imagen::ImagenMemoria imagen_{};
  motor::MotorEnlace motor_;

  Fase fase_ = Fase::Inicial;
  std::int64_t limite_ = 0;  // Buscando: give up; Asentando: reports are read
  std::optional<int> codigo_;
  bool progresoAbierto_ = false;  // a progress line without its line end
  std::string ultimoProgreso_;
  int ultimoDecimo_ = -1;
  bool propio_ = false;
};

// The computer's local date and time.
programming::FechaHora horaLocal();

}  // namespace orda::cli
