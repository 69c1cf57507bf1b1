// The two polls: the signal level every five seconds, switched by a click on
// its status bar panel, and the trending requests every 50 ms.
#include <gtest/gtest.h>

#include "link/banco.h"

namespace orda::link::prueba {
namespace {

std::vector<std::pair<std::string, std::int64_t>> pedidos(const Banco& b) {
  std::vector<std::pair<std::string, std::int64_t>> r;
  for (std::size_t i = 0; i < b.transporte.escritos.size(); ++i) {
    const auto& w = b.transporte.escritos[i];
    r.emplace_back(std::string{static_cast<char>(w[1]), static_cast<char>(w[2])}, b.transporte.momentos[i]);
  }
  return r;
}

TEST(SondeoSenal, CadaCincoSegundosSalvoApagadoConUnClic) {
  Banco b;
  b.correrHasta(10000);
  EXPECT_EQ(pedidos(b), (decltype(pedidos(b)){{"sq", 5000}, {"sq", 10000}}));

  b.consola.alternarSenal();  // no level shown yet: the poll stays on
  EXPECT_EQ(b.oyente.imagen(kPanelSenal), "L0_INT");
  b.recibir("sq:17");
  b.consola.alternarSenal();
  EXPECT_EQ(b.oyente.imagen(kPanelSenal), "L0X");
  EXPECT_EQ(b.oyente.texto(kPanelSenal), "");
  b.correrHasta(30000);
  EXPECT_EQ(b.contar("sq"), 2);

  b.consola.alternarSenal();
  EXPECT_EQ(b.oyente.imagen(kPanelSenal), "L0_INT");
  b.correrHasta(35000);
  EXPECT_EQ(b.contar("sq"), 3);
}

TEST(SondeoTendencia, VaYVAPorTurnoMientrasHayEntrada) {
  Banco b;
  b.correrHasta(1000);
  EXPECT_TRUE(b.transporte.escritos.empty());  // channel 0: nothing
  b.consola.seleccionarCanal(3, 1000);
  b.correrHasta(1200);
  EXPECT_EQ(pedidos(b), (decltype(pedidos(b)){{"vA", 1050}, {"va", 1100}, {"vA", 1150}, {"va", 1200}}));
  b.consola.seleccionarCanal(0, 1200);
  b.correrHasta(2000);
  EXPECT_EQ(b.transporte.escritos.size(), 4u);
  EXPECT_EQ(b.consola.proximoVencimiento(), 5000);  // only the signal poll is left
}

}  // namespace
}  // namespace orda::link::prueba
