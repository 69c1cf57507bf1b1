#pragma once
// The acknowledged sender: programming records, clock commands and output
// forcing wait in one queue. The report at the head goes out when no
// acknowledgement is pending, or one second after it reached the head,
// whichever comes first, and then an acknowledgement is pending again.
#include <cstdint>
#include <deque>
#include <optional>

#include "core/link/reporte.h"

namespace orda::link {

inline constexpr std::int64_t kEsperaConfirmacionMs = 1000;

class ColaConfirmada {
 public:
  using Id = std::uint64_t;
  struct Salida {
    Id id;
    Reporte reporte;
  };

  Id encolar(const Reporte& r, std::int64_t ahoraMs);

  // `esperandoConfirmacion`: set by every report this queue sends and by the
  // read request, cleared by an answer containing "rabad" and at the start of
  // a programming run.
  bool esperandoConfirmacion() const { return esperando_; }
  void ponerEsperando() { esperando_ = true; }
  void limpiarEsperando() { esperando_ = false; }

  // An acknowledgement arrived: the flag clears, and the report sent last is
  // acknowledged unless it already was (returns its id then).
  std::optional<Id> confirmar();

  // The head if its turn has come; it leaves the queue and the flag is set.
  // While `pausada` (a memory transfer holds the link) nothing goes out and
  // the head's second starts again once the pause is over.
  std::optional<Salida> siguiente(std::int64_t ahoraMs, bool pausada);
  std::optional<std::int64_t> proximoVencimiento(bool pausada) const;

  bool vacia() const { return cola_.empty(); }
  std::size_t tamano() const { return cola_.size(); }

 private:
  std::deque<Salida> cola_;
  std::optional<std::int64_t> cabezaDesde_;  // when the head reached the head
  bool esperando_ = false;
  Id proximoId_ = 1;
  std::optional<Id> ultimoEnviado_;
  bool ultimoConfirmado_ = false;
};

}  // namespace orda::link
