// Incoming reports: their text, memory transfers, the signal level, the live
// values, the acknowledgement and the device log.
#include <gtest/gtest.h>

#include "link/banco.h"
#include "link/enlace.h"

namespace orda::link::prueba {
namespace {

BufferReporte bytes(std::initializer_list<int> v) {
  BufferReporte b{};
  std::size_t i = 1;
  for (int x : v) b[i++] = static_cast<std::uint8_t>(x);
  return b;
}

// A memory block whose bytes tell its number apart; byte 1 may be forced.
BufferReporte bloque(int k, int primero = -1) {
  BufferReporte b{};
  for (std::size_t i = 1; i <= 64; ++i) b[i] = static_cast<std::uint8_t>((k * 7 + i) % 251 + 1);
  if (primero >= 0) b[1] = static_cast<std::uint8_t>(primero);
  return b;
}

struct CasoTexto {
  BufferReporte reporte;
  std::string texto;
};

TEST(TextoDeReporte, ConvierteCadaByteComoElPanelLoEscribe) {
  BufferReporte largo{};
  for (std::size_t i = 1; i <= 64; ++i) largo[i] = 'x';
  const CasoTexto casos[] = {
      {bytes({'O', 'K', 13, 10, '!'}), "OK  !"},
      {bytes({1, 31, 9}), "•••"},
      {bytes({0x80, 0xE9, 0xD1}), "€éÑ"},
      {bytes({'A', 0, 'B'}), "A"},
      {bytes({}), ""},
      {largo, std::string(63, 'x')},  // byte 64 never enters the text
  };
  for (const auto& c : casos) EXPECT_EQ(textoDeReporte(c.reporte), c.texto);
}

TEST(Registro, TextoComunVaAlRegistroEnNegroYElBufferQuedaLimpio) {
  Banco b;
  BufferReporte r = reporte("V2.02 OK");
  r[64] = 0x55;
  b.recibir(r);
  ASSERT_EQ(b.oyente.registro.size(), 1u);
  EXPECT_EQ(b.oyente.registro[0].texto, "V2.02 OK\n");
  EXPECT_EQ(b.oyente.registro[0].color, kNegro);
  const BufferReporte& e = b.consola.enlace().bufferEntrada();
  EXPECT_TRUE(std::all_of(e.begin(), e.begin() + 64, [](std::uint8_t x) { return x == 0; }));
  EXPECT_EQ(e[64], 0x55);  // the last byte is not cleared
}

TEST(Registro, PrimerByteCeroAgregaUnaLineaVacia) {
  Banco b;
  b.recibir(bytes({0, 'x', 'y'}));
  ASSERT_EQ(b.oyente.registro.size(), 1u);
  EXPECT_EQ(b.oyente.registro[0].texto, "\n");
}

TEST(Registro, SinReporteQueLeerNoCambiaNada) {
  Banco b;
  b.evento(EventoHid::ReporteEsperando);
  EXPECT_TRUE(b.oyente.registro.empty());
}

struct CasoSenal {
  char decenas, unidades;
  const char* imagen;
  const char* texto;
};

TEST(Senal, NivelSegunLosDigitosDeLaRespuesta) {
  const CasoSenal casos[] = {
      {'1', '7', "L4", "Muy buena"}, {' ', '3', "L1", "Mala"},     {'9', '9', "L5", "Excelente"},
      {'0', '0', "L0_INT", "Sin señal"}, {'0', '5', "L2", "Regular"}, {'1', '4', "L3", "Buena"},
      {'2', '0', "L5", "Excelente"}, {' ', '0', "L0_INT", "Sin señal"},
  };
  for (const auto& c : casos) {
    Banco b;
    b.recibir(bytes({'s', 'q', ':', c.decenas, c.unidades}));
    EXPECT_EQ(b.oyente.imagen(kPanelSenal), c.imagen) << c.decenas << c.unidades;
    EXPECT_EQ(b.oyente.texto(kPanelSenal), c.texto) << c.decenas << c.unidades;
    EXPECT_TRUE(b.oyente.registro.empty());
  }
}

TEST(ValoresEnVivo, E8GuardaLasEntradasDeLaUltimaALaPrimera) {
  Banco b;
  b.recibir("E8;800;2;700;1;600;0;500;1;400;0;300;1;200;0;100;1");
  const auto& v = b.consola.enlace().valoresAnalogicos();
  const auto& s = b.consola.enlace().estadoEntradas();
  for (int i = 0; i < 8; ++i) EXPECT_EQ(v[static_cast<std::size_t>(i)], 100 * (i + 1)) << i;
  EXPECT_EQ(std::vector<int>(s.begin(), s.begin() + 8), (std::vector<int>{1, 0, 1, 0, 1, 0, 1, 2}));
  EXPECT_EQ(b.oyente.graf, 1);
  EXPECT_EQ(b.oyente.ledEntradas, 1);
  EXPECT_TRUE(b.oyente.registro.empty());
}

struct CasoE8 {
  const char* texto;
  int valor8, estado8, valor7;  // inputs 8 and 7 after the report
};

TEST(ValoresEnVivo, E8RedondeaAlParYDejaLoQueNoTrae) {
  // Each report follows "E8;5;5;6;6..." which set input 8 to 5/5 and input 7 to 6.
  const CasoE8 casos[] = {
      {"E8;2.5;1.5", 2, 2, 6},      // halves to the even neighbour
      {"E8;3.5;0.5", 4, 0, 6},
      {"E8;-2.5", -2, 5, 6},        // fewer fields: the others stay
      {"E8;abc;x;1e2", 0, 0, 100},  // not a number counts as 0
      {"E8;40000;256", 5, 5, 6},    // out of range: unchanged
      {"E8", 5, 5, 6},
  };
  for (const auto& c : casos) {
    Banco b;
    b.recibir("E8;5;5;6;6;7;7;8;8;9;9;10;10;11;11;12;12");
    b.recibir(c.texto);
    const auto& v = b.consola.enlace().valoresAnalogicos();
    EXPECT_EQ(v[7], c.valor8) << c.texto;
    EXPECT_EQ(b.consola.enlace().estadoEntradas()[7], c.estado8) << c.texto;
    EXPECT_EQ(v[6], c.valor7) << c.texto;
    EXPECT_EQ(v[0], 12) << c.texto;
    EXPECT_EQ(b.oyente.graf, 2);
  }
}

TEST(ValoresEnVivo, E9EnciendeLoQueNoEsCeroYDejaLoQueFalta) {
  Banco b;
  b.recibir("E9;1;0;-1;0.0");
  const auto& s = b.consola.enlace().estadoSalidas();
  EXPECT_EQ(std::vector<int>(s.begin(), s.begin() + 4), (std::vector<int>{-1, 0, -1, 0}));
  b.recibir("E9;0");
  EXPECT_EQ(std::vector<int>(s.begin(), s.begin() + 4), (std::vector<int>{0, 0, -1, 0}));
  EXPECT_EQ(b.oyente.ledSalidas, 2);
  EXPECT_TRUE(b.oyente.registro.empty());
}

TEST(Confirmacion, RabadLimpiaLaEsperaYSeRegistra) {
  Banco b;
  b.consola.enviarHora({2025, 12, 31, 9, 5, 7}, 0);
  ASSERT_TRUE(b.consola.enlace().esperandoConfirmacion());
  b.recibir("GRABADO");  // case matters
  EXPECT_TRUE(b.consola.enlace().esperandoConfirmacion());
  b.recibir("Hora grabada");
  EXPECT_FALSE(b.consola.enlace().esperandoConfirmacion());
  ASSERT_EQ(b.oyente.registro.size(), 2u);
  EXPECT_EQ(b.oyente.registro[1].texto, "Hora grabada\n");
}

TEST(VolcadoDatos, CientoNoventaYDosBloquesLlenanLaImagen) {
  Banco b;
  b.img.fill(0xAA);
  b.recibir(bytes({2}));
  EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, kVolcadoDatos);
  for (int k = 0; k < 192; ++k) b.recibir(bloque(k));
  EXPECT_EQ(b.contar("pn"), 193);  // after the start marker and after every block
  EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, kSinVolcado);
  for (int k = 0; k < 192; ++k) {
    const BufferReporte esperado = bloque(k);
    ASSERT_TRUE(std::equal(esperado.begin() + 1, esperado.end(), b.img.begin() + 64 * k)) << k;
  }
  EXPECT_EQ(b.img[12288], 0xAA);
  ASSERT_EQ(b.oyente.progreso.size(), 192u);
  EXPECT_EQ(b.oyente.progreso.front(), " 0%");
  EXPECT_EQ(b.oyente.progreso[96], " 50%");
  EXPECT_EQ(b.oyente.progreso.back(), " 100%");
  EXPECT_EQ(b.oyente.memoria, std::vector<std::string>{"Memoria interna de datos"});
  EXPECT_TRUE(b.oyente.registro.empty());  // blocks are not log lines
}

TEST(VolcadoDatos, UnBloqueEsSoloUnBloque) {
  // Blocks that look like a start marker, a signal answer, live values or an
  // acknowledgement are stored and nothing else.
  Banco b;
  b.consola.enviarHora({2025, 1, 1, 0, 0, 0}, 0);
  b.recibir(bytes({2}));
  BufferReporte rabad = reporte("grabado");
  b.recibir(reporte("sq:17"));
  b.recibir(reporte("E8;1;1"));
  b.recibir(rabad);
  for (int k = 3; k < 191; ++k) b.recibir(bloque(k));
  b.recibir(bloque(191, 2));  // the last block starts with 2
  EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, kSinVolcado);
  EXPECT_EQ(b.contar("pn"), 193);
  EXPECT_TRUE(b.oyente.imagenes.empty());
  EXPECT_EQ(b.oyente.graf, 0);
  EXPECT_TRUE(b.consola.enlace().esperandoConfirmacion());
  EXPECT_EQ(b.img[0], 's');
  EXPECT_EQ(b.img[64 * 2], 'g');
  EXPECT_EQ(b.img[64 * 191], 2);
  EXPECT_TRUE(b.oyente.registro.empty());
}

TEST(VolcadoHistorial, SesentaYCuatroPaginasSobreElPrincipioDeLaImagen) {
  Banco b;
  b.img.fill(0xAA);
  b.recibir(bytes({3}));
  ASSERT_EQ(b.oyente.registro.size(), 1u);  // the history start marker is logged
  EXPECT_EQ(b.oyente.registro[0].texto, "•\n");
  for (int k = 0; k < 64; ++k) b.recibir(bloque(k));
  EXPECT_EQ(b.contar("pn"), 65);
  EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, kSinVolcado);
  EXPECT_EQ(b.img[4095], bloque(63)[64]);
  EXPECT_EQ(b.img[4096], 0xAA);
  EXPECT_EQ(b.oyente.progreso[31], " 49%");
  EXPECT_EQ(b.oyente.progreso.back(), " 100%");
  EXPECT_EQ(b.oyente.memoria, std::vector<std::string>{"Memoria interna de registros históricos"});
  EXPECT_EQ(b.oyente.registro.size(), 1u);
}

TEST(VolcadoDatos, SeAbandonaTrasDosSegundosSinBloquesOAlDesenchufar) {
  Banco b;
  b.recibir(bytes({2}));
  b.correrHasta(1999);
  b.recibir(bloque(0));
  b.correrHasta(3998);
  EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, kVolcadoDatos);
  b.correrHasta(3999);
  EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, kSinVolcado);
  EXPECT_EQ(b.consola.enlace().volcado().interrumpidos, 1u);

  b.recibir(bytes({3}));  // a new transfer can start
  EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, kVolcadoHistorial);
  b.evento(EventoHid::Desconectado, kOtro);
  EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, kVolcadoHistorial);
  b.evento(EventoHid::Desconectado, kPanel);
  EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, kSinVolcado);
  EXPECT_EQ(b.consola.enlace().volcado().interrumpidos, 2u);
}

}  // namespace
}  // namespace orda::link::prueba
