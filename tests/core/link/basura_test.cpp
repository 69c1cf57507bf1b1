// Whatever arrives, in whatever order, the console neither crashes nor hangs,
// and once the panel goes quiet it is free again within the time bounds.
#include <gtest/gtest.h>

#include <random>

#include "link/banco.h"

namespace orda::link::prueba {
namespace {

TEST(Basura, NadaTrabaLaConsola) {
  const programming::FechaHora ahora{2025, 1, 2, 3, 4, 5};
  static constexpr std::uint8_t kPrimeros[] = {0, 2, 3, 's', 'E', 0xFF};
  for (unsigned semilla = 1; semilla <= 40; ++semilla) {
    std::mt19937 rng(semilla);
    Banco b;
    b.consola.seleccionarCanal(static_cast<int>(rng() % 9), 0);
    for (int paso = 0; paso < 600; ++paso) {
      switch (rng() % 10) {
        case 0: b.consola.leerProgramacion(b.ahora); break;
        case 1: b.consola.refrescarHistorial(b.ahora); break;
        case 2: b.consola.programar(ahora, b.ahora); break;
        case 3: b.consola.forzarSalida(static_cast<int>(rng() % 5), b.ahora); break;
        case 4: b.evento(static_cast<EventoHid>(1 + rng() % 3), rng() % 2 ? kPanel : kOtro); break;
        case 5: ASSERT_TRUE(b.correr(rng() % 3000)) << semilla; break;
        default: {
          BufferReporte r{};
          for (auto& x : r) x = static_cast<std::uint8_t>(rng());
          if (rng() % 2) r[1] = kPrimeros[rng() % std::size(kPrimeros)];
          if (rng() % 3 == 0) std::copy_n("E8;1e9;-;3.5;;grabado", 22, r.begin() + 1);
          b.recibir(r);
        }
      }
      ASSERT_LE(b.consola.enlace().volcado().bloqueVolcado, 192) << semilla;
    }
    // Quiet: each queued report goes out within a second of the one before, a
    // run ends a second after its last record, a transfer 2 s after its last block.
    ASSERT_TRUE(b.correr(1000 * (static_cast<std::int64_t>(b.consola.enlace().cola().tamano()) + 5))) << semilla;
    EXPECT_FALSE(b.consola.ocupado()) << semilla;
    EXPECT_GT(b.consola.proximoVencimiento().value_or(0), b.ahora);
  }
}

}  // namespace
}  // namespace orda::link::prueba
