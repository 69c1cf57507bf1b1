#include "motor/motor_enlace.h"

namespace orda::motor {

MotorEnlace::MotorEnlace(const FabricaTransporte& fabrica, link::OyenteEnlace& oyente, config::Configuracion& cfg,
                         imagen::ImagenMemoria& imagenMemoria, Reloj reloj, QObject* padre)
    : QObject(padre), despertador_(std::move(reloj)) {
  transporte_ = fabrica(despertador_.reloj());
  despertador_.alSonar = [this] { vencer(); };
  consola_ = std::make_unique<sequences::Consola>(*transporte_, oyente, cfg, imagenMemoria, ahoraMs());
  // Whoever used the console (an event, a window's command), a report it
  // sent may bring an answer: the timer is armed again. vencer() does it
  // once at its end.
  consola_->alCambiarVencimiento = [this] {
    if (!venciendo_) rearmar();
  };
}

MotorEnlace::~MotorEnlace() {
  despertador_.detener();
  if (conectado_) consola_->desinstalar();
  consola_.reset();
}

bool MotorEnlace::conectar() {
  conectado_ = consola_->instalar([this] { return ahoraMs(); });
  rearmar();
  return conectado_;
}

void MotorEnlace::desconectar() {
  despertador_.detener();
  if (!conectado_) return;
  consola_->desinstalar();
  conectado_ = false;
}

void MotorEnlace::vencer() {
  if (!conectado_) return;
  venciendo_ = true;
  const std::int64_t ahora = ahoraMs();
  transporte_->alVencer(ahora);
  consola_->alVencer(ahora);
  venciendo_ = false;
  rearmar();
}

std::optional<std::int64_t> MotorEnlace::proximoVencimiento() const {
  std::optional<std::int64_t> t = consola_->proximoVencimiento();
  const auto s = transporte_->proximoVencimiento();
  if (s && (!t || *s < *t)) t = s;
  return t;
}

void MotorEnlace::rearmar() {
  if (!conectado_) return;
  despertador_.armar(proximoVencimiento());
}

}  // namespace orda::motor
