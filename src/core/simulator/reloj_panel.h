#pragma once
// The panel's clock: a date and time that runs with the owner's time and
// that the console sets, the time and the date separately.
#include <cstdint>

#include "core/simulator/memorias.h"

namespace orda::simulator {

// Seconds since 2000-01-01 00:00:00 and back (proleptic Gregorian calendar).
std::int64_t segundosDesde2000(const FechaHora& t);
FechaHora fechaDeSegundos(std::int64_t s);
bool fechaValida(int anio, int mes, int dia);

class RelojPanel {
 public:
  RelojPanel(const FechaHora& inicio, std::int64_t ahoraMs);

  std::int64_t segundos(std::int64_t ahoraMs) const;
  FechaHora en(std::int64_t ahoraMs) const { return fechaDeSegundos(segundos(ahoraMs)); }

  // False, nothing changed, when the values are not a time or a date.
  // The year is two digits, 2000..2099.
  bool ponerHora(std::int64_t ahoraMs, int hora, int minuto, int segundo);
  bool ponerFecha(std::int64_t ahoraMs, int dia, int mes, int anio2);

 private:
  std::int64_t baseSegundos_;
  std::int64_t baseMs_;
};

}  // namespace orda::simulator
