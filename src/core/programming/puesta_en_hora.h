#pragma once
// The clock commands that start every programming run: "cH" with hour,
// minute and second, then "cF" with day, month and year, each in BCD.
#include "core/link/reporte.h"

namespace orda::programming {

struct FechaHora {
  int anio, mes, dia, hora, minuto, segundo;
};

link::Reporte reporteHora(const FechaHora& t);
link::Reporte reporteFecha(const FechaHora& t);

}  // namespace orda::programming
