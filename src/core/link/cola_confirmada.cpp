#include "core/link/cola_confirmada.h"

namespace orda::link {

ColaConfirmada::Id ColaConfirmada::encolar(const Reporte& r, std::int64_t ahoraMs) {
  const Id id = proximoId_++;
  if (cola_.empty()) cabezaDesde_ = ahoraMs;
  cola_.push_back({id, r});
  return id;
}

std::optional<ColaConfirmada::Id> ColaConfirmada::confirmar() {
  esperando_ = false;
  if (!ultimoEnviado_ || ultimoConfirmado_) return std::nullopt;
  ultimoConfirmado_ = true;
  return ultimoEnviado_;
}

std::optional<ColaConfirmada::Salida> ColaConfirmada::siguiente(std::int64_t ahoraMs, bool pausada) {
  if (cola_.empty()) return std::nullopt;
  if (pausada) {
    cabezaDesde_.reset();
    return std::nullopt;
  }
  if (!cabezaDesde_) cabezaDesde_ = ahoraMs;
  if (esperando_ && ahoraMs < *cabezaDesde_ + kEsperaConfirmacionMs) return std::nullopt;

  Salida s = std::move(cola_.front());
  cola_.pop_front();
  esperando_ = true;
  ultimoEnviado_ = s.id;
  ultimoConfirmado_ = false;
  if (cola_.empty()) {
    cabezaDesde_.reset();
  } else {
    cabezaDesde_ = ahoraMs;
  }
  return s;
}

std::optional<std::int64_t> ColaConfirmada::proximoVencimiento(bool pausada) const {
  if (cola_.empty() || pausada || !cabezaDesde_ || !esperando_) return std::nullopt;
  return *cabezaDesde_ + kEsperaConfirmacionMs;
}

}  // namespace orda::link
