// The trending chart without pixels: where samples land, the cursors'
// limits and readouts, the lamps' pictures.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/config/configuracion.h"
#include "core/config/tablas.h"
#include "core/monitoring/grafico.h"
#include "core/monitoring/grafico_cursores.h"
#include "core/monitoring/grafico_lamparas.h"

namespace orda::monitoring {
namespace {

// 1024 units high: a display value v lands at 1024 − v.
constexpr AreaGrafico kArea{401 * 2, 1024, 1};

TEST(Grafico, AlturaDeCadaMuestraConSusTopes) {
  const std::pair<std::int16_t, double> casos[] = {  // a sample and where it lands
      {939, 0},      {1000, 0},   {32767, 0},  // above the top: on the top edge
      {938, 0.8},    {500, 1024 - 497.6},     // inside
      {86, 1023.2},                            // just inside the bottom
      {85, 1023},    {0, 1023},   {-32768, 1023},  // below the bottom: one pixel above it
  };
  for (const auto& [muestra, y] : casos) EXPECT_NEAR(puntoMuestra(0, muestra, kArea).y, y, 1e-9) << muestra;
  // A plot in twips at 15 per pixel clamps 15 twips above its bottom.
  EXPECT_DOUBLE_EQ(puntoMuestra(0, 0, {4000, 3000, 15}).y, 2985);
}

// The window shows a channel's samples and a new channel's clean plot.
TEST(Grafico, LaOctavaEntradaYSinCanalRepiteLaUltima) {
  link::ValoresAnalogicos v{};
  for (int i = 0; i < 8; ++i) v[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(100 * (i + 1));
  HistorialMuestras h;
  h.avanzar(v, 8);
  h.avanzar(v, 0);  // an answer still on its way when "0" was chosen
  EXPECT_EQ(h[399], 800);
  EXPECT_EQ(h[400], 800);
}

TEST(Cursores, SoloDentroDelGraficoYSinCruzarse) {
  struct Caso {
    Cursor cual;
    double y;
    bool mueve;
  };
  const double alto = 280;
  const Caso casos[] = {
      {Cursor::Superior, 0, false},   {Cursor::Superior, -5, false}, {Cursor::Inferior, 280, false},
      {Cursor::Inferior, 300, false}, {Cursor::Superior, 100, true}, {Cursor::Inferior, 100, false},
      {Cursor::Inferior, 99, false},  {Cursor::Inferior, 101, true}, {Cursor::Superior, 101, false},
      {Cursor::Superior, 150, false}, {Cursor::Superior, 0.5, true}, {Cursor::Inferior, 279.5, true},
  };
  Cursores c = cursoresIniciales(alto);
  EXPECT_EQ(c.superior, 0);
  EXPECT_EQ(c.inferior, alto);
  for (const auto& k : casos) {
    const Cursores antes = c;
    EXPECT_EQ(moverCursor(c, k.cual, k.y, alto), k.mueve) << k.y;
    const double ahora = k.cual == Cursor::Superior ? c.superior : c.inferior;
    EXPECT_EQ(ahora, k.mueve ? k.y : (k.cual == Cursor::Superior ? antes.superior : antes.inferior));
    EXPECT_LT(c.superior, c.inferior);
  }
}

TEST(Cursores, Lecturas) {
  config::Configuracion cfg;
  auto& e = cfg.entradas;
  e.ponerTexto(5, config::colEntradas::kEscalaValor, "1E400");
  e.ponerTexto(6, config::colEntradas::kEscalaValor, "-2");
  e.ponerTexto(7, config::colEntradas::kEscalaValor, "KG");  // no number: worth 0
  e.ponerTexto(7, config::colEntradas::kEscalaUnidad, "KG");

  struct Caso {
    int canal;
    double voltaje;
    std::string texto;
  };
  const Caso casos[] = {
      {1, 1.65, "1.65"},  // the default "1.000", no unit
      {0, 1.65, ""},
      {4, 3.3, "-6.60"},
      {5, 2.0, "0.00KG"},
  };
  for (const auto& c : casos) {
    const auto l = lecturaEscalada(c.voltaje, e, c.canal);
    EXPECT_EQ(l.texto, c.texto) << c.canal;
    EXPECT_FALSE(l.fallo) << c.canal;
  }
  EXPECT_TRUE(lecturaEscalada(1.0, e, 3).fallo);
  EXPECT_TRUE(lecturaEscalada(3.3, "1E308", "").fallo);  // the product overflows
}

TEST(Cursores, FormatoCentesimas) {
  const std::pair<double, const char*> casos[] = {
      {3.3, "3.30"},      {2.675, "2.68"},  // the decimal half goes up
      {0.0049, "0.00"},   {999.999, "1000.00"}, {-0.001, "0.00"},   {-1.005, "-1.01"},
      {1e20, "100000000000000000000.00"},
      {std::numeric_limits<double>::infinity(), ""},
      {std::nan(""), ""},
  };
  for (const auto& [valor, texto] : casos) EXPECT_EQ(formatoCentesimas(valor), texto) << valor;
}

// Without a channel and the pressed look of each lamp are checked where the
// window shows them.
TEST(Lamparas, SegunSuEstadoYLasQueNoSePresionan) {
  using namespace lamparas;
  EXPECT_EQ(lamparaEntrada(3, 0), kApagada);
  EXPECT_EQ(lamparaEntrada(3, 1), kVerde);
  EXPECT_EQ(lamparaEntrada(8, 255), kAmarilla);
  EXPECT_EQ(lamparaSalida(8, 255), kApagada);  // only -1 lights an output
  // A pressed lamp, or one without a channel, keeps its look; the latter answers no click.
  for (const auto clave : {kRojaPresionada, kSinCanal}) EXPECT_EQ(aspectoPresionado(clave), clave);
  EXPECT_FALSE(lamparaResponde(kSinCanal));
}

}  // namespace
}  // namespace orda::monitoring
