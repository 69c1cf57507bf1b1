#pragma once
// Drives the console's side of the panel in real time: the Despertador's
// clock, the transport's events stamped with it, and its timer armed for
// the earliest deadline of the console and of the transport (the simulated
// panel's answers), armed again whenever the console says it may have
// changed. Whoever uses consola() needs nothing else. Nothing here waits.
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "core/config/configuracion.h"
#include "core/imagen/imagen.h"
#include "core/link/oyente.h"
#include "core/link/transporte.h"
#include "motor/despertador.h"
#include "core/sequences/consola.h"

namespace orda::motor {

class MotorEnlace : public QObject {
  Q_OBJECT

 public:
  using Reloj = Despertador::Reloj;
  using FabricaTransporte = std::function<std::unique_ptr<link::Transporte>(Reloj)>;

  // `reloj` empty: the motor's own monotonic clock (tests pass a virtual one).
  MotorEnlace(const FabricaTransporte& fabrica, link::OyenteEnlace& oyente, config::Configuracion& cfg,
              imagen::ImagenMemoria& imagenMemoria, Reloj reloj = {}, QObject* padre = nullptr);
  ~MotorEnlace() override;

  // `Connect`: the transport starts watching devices; its events reach the console.
  bool conectar();
  // `Disconnect`: no event arrives afterwards.
  void desconectar();
  bool conectado() const { return conectado_; }

  std::int64_t ahoraMs() const { return despertador_.ahoraMs(); }
  // Runs everything due now and arms the timer for what comes next.
  void vencer();
  std::optional<std::int64_t> proximoVencimiento() const;

  sequences::Consola& consola() { return *consola_; }
  link::Transporte& transporte() { return *transporte_; }

 private:
  void rearmar();

  Despertador despertador_;
  std::unique_ptr<link::Transporte> transporte_;
  std::unique_ptr<sequences::Consola> consola_;
  bool conectado_ = false;
  bool venciendo_ = false;
};

}  // namespace orda::motor
