#pragma once
// The panel's eight analogue inputs: what the demo installation's sensors
// put on each terminal (slow waveforms, in counts of 1024 per 3.3 V), and
// the state the panel derives from the input's record in the data memory.
#include <array>
#include <cstdint>
#include <functional>

#include "core/simulator/memorias.h"

namespace orda::simulator {

// Input states as the panel reports them.
inline constexpr int kReposo = 0, kActiva = 1, kDisparada = 2;

class Zonas {
 public:
  static constexpr int kPasoMs = 50;  // the panel samples its inputs every 50 ms

  Zonas(std::uint64_t semilla, std::int64_t inicioMs);

  // Samples every step up to `ahoraMs` with the thresholds and delays of the
  // input records in `datos`; `alDisparar(i, ms)` for every zone that triggers.
  using AlDisparar = std::function<void(int, std::int64_t)>;
  void avanzar(std::int64_t ahoraMs, const MemoriaDatos& datos, const AlDisparar& alDisparar);

  // The level on terminal i at time t (counts, 0..1023).
  int cuentasEn(int i, std::int64_t ms) const;
  int cuentas(int i) const { return cuentas_.at(static_cast<std::size_t>(i)); }
  int estado(int i) const { return estado_.at(static_cast<std::size_t>(i)); }

 private:
  struct Entrada {
    std::int64_t condicionDesde = -1;  // since when the activation condition holds
    std::int64_t activaDesde = -1;
    bool condicion = false;            // with hysteresis
  };
  void muestrear(int i, std::int64_t ms, const std::uint8_t* registro, const AlDisparar& alDisparar);

  std::uint64_t semilla_;
  std::int64_t inicioMs_;
  std::int64_t proximoMs_;
  std::array<int, kCantidadEntradas> fase_{};  // ms offset of each waveform
  std::array<int, kCantidadEntradas> cuentas_{};
  std::array<int, kCantidadEntradas> estado_{};
  std::array<Entrada, kCantidadEntradas> entradas_{};
};

}  // namespace orda::simulator
