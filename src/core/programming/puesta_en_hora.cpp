#include "core/programming/puesta_en_hora.h"

#include "core/imagen/codificacion.h"

namespace orda::programming {

namespace {

link::Reporte reporteReloj(char letra, int a, int b, int c) {
  link::Reporte r;
  r.poner(0, 0);
  r.poner(1, 'c');
  r.poner(2, static_cast<std::uint8_t>(letra));
  r.poner(3, imagen::aBcd(a));
  r.poner(4, imagen::aBcd(b));
  r.poner(5, imagen::aBcd(c));
  return r;
}

}  // namespace

link::Reporte reporteHora(const FechaHora& t) { return reporteReloj('H', t.hora, t.minuto, t.segundo); }
link::Reporte reporteFecha(const FechaHora& t) { return reporteReloj('F', t.dia, t.mes, t.anio % 100); }

}  // namespace orda::programming
