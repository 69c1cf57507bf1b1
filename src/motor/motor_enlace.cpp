#include "motor/motor_enlace.h"

#include <chrono>

namespace orda::motor {

MotorEnlace::Reloj relojMonotono() {
  const auto inicio = std::chrono::steady_clock::now();
  return [inicio] {
    return static_cast<std::int64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - inicio).count());
  };
}

MotorEnlace::MotorEnlace(const FabricaTransporte& fabrica, link::OyenteEnlace& oyente, config::Configuracion& cfg,
                         imagen::ImagenMemoria& imagenMemoria, Reloj reloj)
    : reloj_(reloj ? std::move(reloj) : relojMonotono()), propio_(fabrica(reloj_)), transporte_(propio_.get()) {
  montar(oyente, cfg, imagenMemoria);
}

MotorEnlace::MotorEnlace(link::Transporte& transporte, link::OyenteEnlace& oyente, config::Configuracion& cfg,
                         imagen::ImagenMemoria& imagenMemoria, Reloj reloj)
    : reloj_(reloj ? std::move(reloj) : relojMonotono()), transporte_(&transporte) {
  montar(oyente, cfg, imagenMemoria);
}

void MotorEnlace::montar(link::OyenteEnlace& oyente, config::Configuracion& cfg, imagen::ImagenMemoria& imagenMemoria) {
  consola_ = std::make_unique<sequences::Consola>(*transporte_, oyente, cfg, imagenMemoria, ahoraMs());
  consola_->alCambiarVencimiento = [this] { avanzar(); };
}

MotorEnlace::~MotorEnlace() {
  // The owner may be half gone: nothing of its own runs any more.
  alArmar = nullptr;
  alAvanzar = nullptr;
  vencimientoPropio = nullptr;
  detenido_ = true;
  if (conectado_) consola_->desinstalar();
  consola_.reset();
}

bool MotorEnlace::conectar() {
  detenido_ = false;
  conectado_ = consola_->instalar(reloj_);
  rearmar();
  return conectado_;
}

void MotorEnlace::desconectar() {
  if (conectado_) consola_->desinstalar();
  conectado_ = false;
  if (alArmar) alArmar(std::nullopt);
}

void MotorEnlace::detener() {
  detenido_ = true;
  if (alArmar) alArmar(std::nullopt);
}

void MotorEnlace::vencer() {
  if (!conectado_ || detenido_) return;
  const std::int64_t ahora = ahoraMs();
  venciendo_ = true;
  transporte_->alVencer(ahora);
  consola_->alVencer(ahora);
  venciendo_ = false;
  if (alAvanzar && !detenido_) alAvanzar(ahora);
  rearmar();
}

// Whoever used the console (an event, a window's command), a report it sent
// may bring an answer: the owner looks at the state and the deadline is
// reported again. vencer() does both once at its end.
void MotorEnlace::avanzar() {
  if (venciendo_ || !conectado_ || detenido_) return;
  if (alAvanzar) alAvanzar(ahoraMs());
  rearmar();
}

std::optional<std::int64_t> MotorEnlace::proximoVencimiento() const {
  if (detenido_) return std::nullopt;
  std::optional<std::int64_t> t = consola_->proximoVencimiento();
  for (const auto otro : {transporte_->proximoVencimiento(),
                          vencimientoPropio ? vencimientoPropio() : std::optional<std::int64_t>{}}) {
    if (otro && (!t || *otro < *t)) t = otro;
  }
  return t;
}

void MotorEnlace::rearmar() {
  if (!conectado_ || !alArmar) return;
  alArmar(proximoVencimiento());
}

}  // namespace orda::motor
