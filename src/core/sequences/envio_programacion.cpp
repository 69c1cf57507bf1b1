#include "core/sequences/envio_programacion.h"

#include <algorithm>

namespace orda::sequences {

EnvioProgramacion::EnvioProgramacion(std::vector<Id> registros)
    : registros_(std::move(registros)), confirmados_(registros_.size(), false) {}

std::optional<std::size_t> EnvioProgramacion::posicion(Id id) const {
  const auto it = std::find(registros_.begin(), registros_.end(), id);
  if (it == registros_.end()) return std::nullopt;
  return static_cast<std::size_t>(it - registros_.begin());
}

bool EnvioProgramacion::enviado(Id id, std::int64_t ahoraMs) {
  if (!posicion(id)) return false;
  ++enviados_;
  if (id == registros_.back()) ultimoEnviadoMs_ = ahoraMs;
  return true;
}

void EnvioProgramacion::confirmado(Id id) {
  if (const auto p = posicion(id)) confirmados_[*p] = true;
}

bool EnvioProgramacion::terminado(std::int64_t ahoraMs) const {
  if (registros_.empty()) return true;
  if (!ultimoEnviadoMs_) return false;
  return confirmados_.back() || ahoraMs >= *ultimoEnviadoMs_ + link::kEsperaConfirmacionMs;
}

std::optional<std::int64_t> EnvioProgramacion::proximoVencimiento() const {
  if (!ultimoEnviadoMs_ || confirmados_.empty() || confirmados_.back()) return std::nullopt;
  return *ultimoEnviadoMs_ + link::kEsperaConfirmacionMs;
}

int EnvioProgramacion::sinConfirmar() const {
  return static_cast<int>(std::count(confirmados_.begin(), confirmados_.end(), false));
}

}  // namespace orda::sequences
