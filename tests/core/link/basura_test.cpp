// Whatever arrives, in whatever order, the console neither crashes nor hangs,
// and once the panel goes quiet it is free again within the time bounds.
#include <gtest/gtest.h>

#include <random>

#include "link/banco.h"

namespace orda::link::prueba {
namespace {

const programacion::FechaHora kAhora{2025, 1, 2, 3, 4, 5};

BufferReporte azar(std::mt19937& rng) {
  static constexpr std::uint8_t kPrimeros[] = {0, 2, 3, 's', 'E', 'r', 0xFF, 13};
  BufferReporte b{};
  for (auto& x : b) x = static_cast<std::uint8_t>(rng());
  switch (rng() % 4) {
    case 0:
      b[1] = kPrimeros[rng() % std::size(kPrimeros)];
      break;
    case 1: {  // live values with odd fields
      const std::string t = rng() % 2 ? "E8;1e9;-;3.5;;;" : "E9;x;0;;1";
      std::copy(t.begin(), t.end(), b.begin() + 1);
      b[t.size() + 1] = 0;
      break;
    }
    case 2: {
      const std::string t = "grabado";
      std::copy(t.begin(), t.end(), b.begin() + 1 + rng() % 40);
      break;
    }
    default:
      break;
  }
  return b;
}

TEST(Basura, NadaTrabaLaConsola) {
  for (unsigned semilla = 1; semilla <= 40; ++semilla) {
    std::mt19937 rng(semilla);
    Banco b;
    b.consola.seleccionarCanal(static_cast<int>(rng() % 9), 0);
    for (int paso = 0; paso < 600; ++paso) {
      switch (rng() % 12) {
        case 0: b.consola.leerProgramacion(b.ahora); break;
        case 1: b.consola.refrescarHistorial(b.ahora); break;
        case 2: b.consola.programar(kAhora, b.ahora); break;
        case 3: b.consola.enviarComando(rng() % 2 ? "cH" : "Hc", kAhora, b.ahora); break;
        case 4: b.consola.forzarSalida(static_cast<int>(rng() % 5), b.ahora); break;
        case 5: b.evento(rng() % 2 ? EventoHid::Conectado : EventoHid::Desconectado, rng() % 2 ? kPanel : kOtro); break;
        case 6: b.consola.alternarSenal(); break;
        case 7: ASSERT_TRUE(b.correr(rng() % 3000)) << semilla; break;
        default: b.recibir(azar(rng)); break;
      }
      const auto& v = b.consola.enlace().volcado();
      ASSERT_LE(v.bloqueVolcado, 192) << semilla;
    }
    // The panel goes quiet: a run takes at most 56 s, a transfer 2 s more.
    ASSERT_TRUE(b.correr(60000)) << semilla;
    EXPECT_FALSE(b.consola.ocupado()) << semilla;
    EXPECT_TRUE(b.consola.enlace().cola().vacia()) << semilla;
    const auto t = b.consola.proximoVencimiento();
    ASSERT_TRUE(t.has_value());
    EXPECT_GT(*t, b.ahora);
  }
}

}  // namespace
}  // namespace orda::link::prueba
