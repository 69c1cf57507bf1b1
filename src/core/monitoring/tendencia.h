#pragma once
// The trending window's poll: while an input is selected, every 50 ms one of
// the two monitoring requests, "va" and "vA" in turn.
#include <cstdint>
#include <optional>
#include <string_view>

namespace orda::monitoring {

inline constexpr std::int64_t kPeriodoTendenciaMs = 50;

class SondeoTendencia {
 public:
  int canal() const { return canal_; }
  // 0: no input, no polling; 1..8: analogue input 1..8.
  void ponerCanal(int canal, std::int64_t ahoraMs);

  // The request due at this tick; none while no input is selected or while
  // `pausado` (the tick passes, the turn stays).
  std::optional<std::string_view> alVencer(std::int64_t ahoraMs, bool pausado);
  std::optional<std::int64_t> proximoVencimiento() const { return proximo_; }

 private:
  int canal_ = 0;
  int alternarPedido_ = 0;  // 1: "va" next, otherwise "vA"
  std::optional<std::int64_t> proximo_;
};

}  // namespace orda::monitoring
