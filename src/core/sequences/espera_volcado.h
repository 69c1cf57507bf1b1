#pragma once
// Waiting for a memory transfer the console asked for ("lt" or "lh"): the
// panel has two seconds to start it; once started it runs until its last
// block, unless the link abandons it (no block for two seconds, or the panel
// unplugged). The wait ends as soon as the last block is in.
#include <cstdint>
#include <optional>

#include "core/link/enlace.h"

namespace orda::sequences {

inline constexpr std::int64_t kEsperaInicioMs = 2000;

enum class EstadoEspera { EsperandoInicio, Transfiriendo, Completa, SinRespuesta, Interrumpida };

class EsperaVolcado {
 public:
  // modo: the transfer asked for; volcado: the link's transfers as they stand
  // when the request goes out.
  EsperaVolcado(std::uint8_t modo, const link::Volcado& volcado, std::int64_t ahoraMs);

  EstadoEspera revisar(const link::Volcado& volcado, std::int64_t ahoraMs);
  std::optional<std::int64_t> proximoVencimiento() const;
  std::uint8_t modo() const { return modo_; }

 private:
  std::uint8_t modo_;
  std::uint32_t completos_, interrumpidos_;
  std::int64_t limiteInicio_;
  EstadoEspera estado_ = EstadoEspera::EsperandoInicio;
};

}  // namespace orda::sequences
