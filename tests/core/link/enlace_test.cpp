// The link: plug and unplug, and every kind of incoming report.
#include <gtest/gtest.h>

#include "link/banco.h"

namespace orda::link::prueba {
namespace {

BufferReporte bytes(std::initializer_list<int> v) {
  BufferReporte b{};
  std::transform(v.begin(), v.end(), b.begin() + 1, [](int x) { return static_cast<std::uint8_t>(x); });
  return b;
}

BufferReporte bloque(int k) {
  BufferReporte b{};
  for (std::size_t i = 1; i <= 64; ++i) b[i] = static_cast<std::uint8_t>((k * 7 + i) % 251 + 1);
  return b;
}

// The log lines and status bar texts are the window tests' (the console's start-up, Info).
TEST(Conexion, ElPanelSeMuestraYSusReportesSeHabilitanUnSegundoDespues) {
  Banco b;
  b.ahora = 300;
  b.evento(EventoHid::Conectado);
  b.evento(EventoHid::Conectado);
  EXPECT_EQ(b.oyente.registro.size(), 2u);  // logged each time
  b.correrHasta(1299);
  EXPECT_TRUE(b.transporte.notificados.empty());  // nothing blocked meanwhile
  b.correrHasta(1300);
  EXPECT_EQ(b.transporte.notificados, std::vector<Handle>{kPanel});

  b.evento(EventoHid::Desconectado);
  EXPECT_EQ(b.oyente.textos.end()[-2], std::make_pair(kPanelVersion, std::string()));
  EXPECT_EQ(b.oyente.textos.end()[-1], std::make_pair(kPanelSerial, std::string()));
}

TEST(Conexion, OtroDispositivoNoCambiaNadaVisiblePeroHabilitaElPanel) {
  Banco b;
  b.recibir(bytes({2}));  // a transfer under way is not the other device's
  b.oyente.registro.clear();
  b.evento(EventoHid::Conectado, kOtro);
  b.evento(EventoHid::Desconectado, kOtro);
  EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, kVolcadoDatos);
  b.evento(EventoHid::Cambio);
  b.transporte.panelPresente = false;
  b.evento(EventoHid::Cambio);  // no panel, nothing to enable
  EXPECT_TRUE(b.oyente.registro.empty() && b.oyente.textos.empty() && b.oyente.imagenes.empty());
  EXPECT_EQ(b.transporte.notificados, (std::vector<Handle>{kPanel, kPanel}));
  // The transfer is abandoned two seconds after its last block.
  b.correr(1000);
  b.recibir(bloque(3));
  b.correr(1999);
  EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, kVolcadoDatos);
  b.correr(1);
  EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, kSinVolcado);
}

TEST(Reportes, TextoRegistradoYBufferLimpio) {
  struct Caso {
    BufferReporte reporte;
    std::string linea;
  };
  BufferReporte largo{};
  std::fill(largo.begin() + 1, largo.end(), 'x');
  const Caso casos[] = {
      {bytes({'O', 'K', 13, 10, '!'}), "OK  !\n"},
      {bytes({1, 31, 9, 0x80, 0xE9}), "•••€é\n"},
      {bytes({'A', 0, 'B'}), "A\n"},
      {bytes({0, 'x'}), "\n"},               // a zero first byte: an empty line
      {largo, std::string(63, 'x') + "\n"},  // byte 64 never enters the text
      {bytes({3, 'h'}), "•h\n"},              // the history start marker is logged
  };
  for (const auto& c : casos) {
    Banco b;
    b.recibir(c.reporte);
    ASSERT_EQ(b.oyente.registro.size(), 1u);
    EXPECT_EQ(b.oyente.registro[0], std::make_pair(c.linea, kNegro));
    const BufferReporte& e = b.consola.enlace().bufferEntrada();
    EXPECT_TRUE(std::all_of(e.begin(), e.begin() + 64, [](std::uint8_t x) { return x == 0; }));
    EXPECT_EQ(e[64], c.reporte[64]);
  }
}

TEST(Reportes, NivelDeSenalSinRegistro) {
  const std::tuple<char, char, const char*, const char*> casos[] = {
      {'1', '7', "L4", "Muy buena"}, {' ', '3', "L1", "Mala"},       {'9', '9', "L5", "Excelente"},
      {'0', '0', "L0_INT", "Sin señal"}, {'0', '5', "L2", "Regular"}, {'1', '4', "L3", "Buena"},
  };
  for (const auto& [d, u, imagen, texto] : casos) {
    Banco b;
    b.recibir(bytes({'s', 'q', ':', d, u}));
    EXPECT_EQ(b.oyente.imagen(kPanelSenal), imagen);
    EXPECT_EQ(b.oyente.texto(kPanelSenal), texto);
    EXPECT_TRUE(b.oyente.registro.empty());
  }
}

TEST(Reportes, ValoresEnVivo) {
  struct Caso {
    const char* texto;
    int valor8, estado8, valor7;
  };
  const Caso casos[] = {
      {"E8;2.5;1.5", 2, 2, 6},      // halves to the even neighbour
      {"E8;-2.5", -2, 5, 6},        // fewer fields: the others stay
      {"E8;abc;x;1e2", 0, 0, 100},  // not a number counts as 0
      {"E8;40000;256", 5, 5, 6},    // out of range: unchanged
  };
  for (const auto& c : casos) {
    Banco b;
    b.recibir("E8;5;5;6;6;7;7;8;8;9;9;10;10;11;11;12;12");  // inputs 8 down to 1
    b.recibir(c.texto);
    const auto& v = b.consola.enlace().valoresAnalogicos();
    EXPECT_EQ(v[7], c.valor8) << c.texto;
    EXPECT_EQ(b.consola.enlace().estadoEntradas()[7], c.estado8) << c.texto;
    EXPECT_EQ(v[6], c.valor7) << c.texto;
    EXPECT_EQ(v[0], 12) << c.texto;
    EXPECT_EQ(b.oyente.graf, 2);
    EXPECT_TRUE(b.oyente.registro.empty());
  }
  Banco b;
  b.recibir("E9;1;0;-1;0.0");
  b.recibir("E9;0");
  const auto& s = b.consola.enlace().estadoSalidas();
  EXPECT_EQ(std::vector<int>(s.begin(), s.begin() + 4), (std::vector<int>{0, 0, -1, 0}));
  EXPECT_EQ(b.oyente.ledSalidas, 2);
  EXPECT_TRUE(b.oyente.registro.empty());
}

TEST(Reportes, RabadLimpiaLaEsperaYSeRegistra) {
  Banco b;
  b.consola.enviarHora({2025, 12, 31, 9, 5, 7}, 0);
  b.recibir("GRABADO");  // case matters
  EXPECT_TRUE(b.consola.enlace().esperandoConfirmacion());
  b.recibir("Hora grabada");
  EXPECT_FALSE(b.consola.enlace().esperandoConfirmacion());
  EXPECT_EQ(b.oyente.registro.back().first, "Hora grabada\n");
}

TEST(Transferencias, UnBloqueEsSoloUnBloque) {
  // Blocks that look like an answer are stored and nothing else; a last
  // block starting with 2 starts nothing.
  Banco b;
  b.consola.enviarHora({2025, 1, 1, 0, 0, 0}, 0);
  b.recibir(bytes({2}));
  for (const char* t : {"sq:17", "E8;1;1", "grabado"}) b.recibir(t);
  for (int k = 3; k < 191; ++k) b.recibir(bloque(k));
  b.recibir(bytes({2}));
  EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, kSinVolcado);
  EXPECT_EQ(contar(b.pedidos(), "pn"), 193);
  EXPECT_TRUE(b.oyente.imagenes.empty() && b.oyente.registro.empty());
  EXPECT_EQ(b.oyente.graf, 0);
  EXPECT_TRUE(b.consola.enlace().esperandoConfirmacion());
  EXPECT_EQ(b.img[64 * 2], 'g');
}

}  // namespace
}  // namespace orda::link::prueba
