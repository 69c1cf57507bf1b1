#include "core/monitoring/tendencia.h"

namespace orda::monitoring {

void SondeoTendencia::ponerCanal(int canal, std::int64_t ahoraMs) {
  canal_ = canal;
  if (canal_ == 0) {
    proximo_.reset();
  } else if (!proximo_) {
    proximo_ = ahoraMs + kPeriodoTendenciaMs;
  }
}

std::optional<std::string_view> SondeoTendencia::alVencer(std::int64_t ahoraMs, bool pausado) {
  if (!proximo_ || ahoraMs < *proximo_) return std::nullopt;
  proximo_ = ahoraMs + kPeriodoTendenciaMs;
  if (pausado) return std::nullopt;
  const std::string_view pedido = alternarPedido_ == 1 ? "va" : "vA";
  alternarPedido_ = alternarPedido_ == 1 ? 0 : 1;
  return pedido;
}

}  // namespace orda::monitoring
