#pragma once
// The one engine that drives the console's side of the panel, for the
// windows, orda-cli and the benchmarks alike: a clock, the transport's
// events stamped with it, and the earliest deadline of the console, of the
// transport (the simulated panel's answers) and of the owner, reported
// whenever it may have changed. Standard C++ only: a Despertador runs it in
// real time, a test in virtual time by calling vencer(). Nothing here waits.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "core/config/configuracion.h"
#include "core/imagen/imagen.h"
#include "core/link/oyente.h"
#include "core/link/transporte.h"
#include "core/sequences/consola.h"

namespace orda::motor {

class MotorEnlace {
 public:
  using Reloj = std::function<std::int64_t()>;
  using FabricaTransporte = std::function<std::unique_ptr<link::Transporte>(Reloj)>;

  // `reloj` empty: a monotonic clock in milliseconds started here (tests
  // pass a virtual one). The engine owns the transport the factory makes...
  MotorEnlace(const FabricaTransporte& fabrica, link::OyenteEnlace& oyente, config::Configuracion& cfg,
              imagen::ImagenMemoria& imagenMemoria, Reloj reloj = {});
  // ... or borrows one that outlives it.
  MotorEnlace(link::Transporte& transporte, link::OyenteEnlace& oyente, config::Configuracion& cfg,
              imagen::ImagenMemoria& imagenMemoria, Reloj reloj = {});
  ~MotorEnlace();
  MotorEnlace(const MotorEnlace&) = delete;
  MotorEnlace& operator=(const MotorEnlace&) = delete;

  // `Connect`: the transport starts watching devices; its events reach the console.
  bool conectar();
  // `Disconnect`: no event arrives afterwards.
  void desconectar();
  bool conectado() const { return conectado_; }
  // Nothing more runs and no deadline is reported; safe from inside any
  // listener call (the console stays installed until desconectar).
  void detener();

  std::int64_t ahoraMs() const { return reloj_(); }
  const Reloj& reloj() const { return reloj_; }
  // Runs everything due now, then the owner's step, and reports what comes next.
  void vencer();
  std::optional<std::int64_t> proximoVencimiento() const;

  sequences::Consola& consola() { return *consola_; }
  link::Transporte& transporte() { return *transporte_; }

  // The owner's step after every event and every vencer (orda-cli's
  // session looks at the state there).
  std::function<void(std::int64_t ahoraMs)> alAvanzar;
  // The owner's own next deadline, if any.
  std::function<std::optional<std::int64_t>()> vencimientoPropio;
  // Told the next deadline (none: nothing to wait for) whenever it may have
  // changed; the real-time timer listens here.
  std::function<void(std::optional<std::int64_t>)> alArmar;

 private:
  void montar(link::OyenteEnlace& oyente, config::Configuracion& cfg, imagen::ImagenMemoria& imagenMemoria);
  void avanzar();
  void rearmar();

  Reloj reloj_;
  std::unique_ptr<link::Transporte> propio_;
  link::Transporte* transporte_;
  std::unique_ptr<sequences::Consola> consola_;
  bool conectado_ = false;
  bool detenido_ = false;
  bool venciendo_ = false;
};

// Milliseconds of a monotonic clock since this call.
MotorEnlace::Reloj relojMonotono();

}  // namespace orda::motor
