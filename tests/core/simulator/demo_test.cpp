// The demo configuration is what every user of `--simulate` edits, saves and
// programs back: each of its values must be one the editors accept.
#include <gtest/gtest.h>

#include "core/config/globales.h"
#include "core/config/validacion.h"
#include "core/simulator/demo.h"

namespace orda::simulator {
namespace {

TEST(Demostracion, CadaValorPasaLaRevisionDeSuEditor) {
  const config::Configuracion c = configuracionDemostracion();
  for (const config::Tabla* t : {&c.entradas, &c.salidas, &c.tree}) {
    for (int f = config::Tabla::kPrimeraFila; f <= t->ultimaFila(); ++f) {
      for (int col = 1; col < t->columnas(); ++col) {
        const config::CellKind k = t->columna(col).tipo;
        if (k != config::CellKind::Text && k != config::CellKind::Time) continue;
        const auto v = config::validarLeaveCell(*t, col, t->texto(f, col));
        EXPECT_NE(v.accion, config::ValidacionCelda::Accion::Rechazar)
            << "fila " << f << " columna " << col << ": " << t->texto(f, col) << " -> " << v.aviso.texto;
      }
    }
  }
  for (int caja = 1; caja <= 8; ++caja) {
    EXPECT_FALSE(config::revisarTextoGlobal(caja, c.globales.text[static_cast<std::size_t>(caja)]).aviso) << caja;
  }
}

}  // namespace
}  // namespace orda::simulator
