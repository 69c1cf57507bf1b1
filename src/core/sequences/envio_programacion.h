#pragma once
// The records of a programming run on their way to the panel: which were
// acknowledged, and when the run is over (the last record acknowledged, or
// one second after it went out).
#include <cstdint>
#include <optional>
#include <vector>

#include "core/link/cola_confirmada.h"

namespace orda::sequences {

class EnvioProgramacion {
 public:
  using Id = link::ColaConfirmada::Id;

  // The queue ids of the record reports, in the order they were queued.
  explicit EnvioProgramacion(std::vector<Id> registros);

  // False when `id` is not one of the run's records (a clock report).
  bool enviado(Id id, std::int64_t ahoraMs);
  void confirmado(Id id);

  bool terminado(std::int64_t ahoraMs) const;
  std::optional<std::int64_t> proximoVencimiento() const;
  // Records whose acknowledgement never came.
  int sinConfirmar() const;
  int enviados() const { return enviados_; }
  int total() const { return static_cast<int>(registros_.size()); }

 private:
  std::optional<std::size_t> posicion(Id id) const;

  std::vector<Id> registros_;
  std::vector<bool> confirmados_;
  std::optional<std::int64_t> ultimoEnviadoMs_;  // the run's last record
  int enviados_ = 0;
};

}  // namespace orda::sequences
