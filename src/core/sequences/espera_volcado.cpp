#include "core/sequences/espera_volcado.h"

namespace orda::sequences {

EsperaVolcado::EsperaVolcado(std::uint8_t modo, const link::Volcado& volcado, std::int64_t ahoraMs)
    : modo_(modo),
      completos_(volcado.completos),
      interrumpidos_(volcado.interrumpidos),
      limiteInicio_(ahoraMs + kEsperaInicioMs) {}

EstadoEspera EsperaVolcado::revisar(const link::Volcado& v, std::int64_t ahoraMs) {
  if (estado_ == EstadoEspera::EsperandoInicio || estado_ == EstadoEspera::Transfiriendo) {
    if (v.completos != completos_ && v.ultimoCompleto == modo_) {
      estado_ = EstadoEspera::Completa;
    } else if (v.interrumpidos != interrumpidos_ && v.ultimoInterrumpido == modo_) {
      estado_ = EstadoEspera::Interrumpida;
    } else if (v.modoVolcado == modo_) {
      estado_ = EstadoEspera::Transfiriendo;
    } else if (estado_ == EstadoEspera::EsperandoInicio && ahoraMs >= limiteInicio_) {
      estado_ = EstadoEspera::SinRespuesta;
    }
  }
  return estado_;
}

std::optional<std::int64_t> EsperaVolcado::proximoVencimiento() const {
  // Once started, the link's own stall deadline ends a transfer that stops.
  if (estado_ == EstadoEspera::EsperandoInicio) return limiteInicio_;
  return std::nullopt;
}

}  // namespace orda::sequences
