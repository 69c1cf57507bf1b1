#include "core/programming/aprogramar.h"

#include <gtest/gtest.h>

#include "core/config/tablas.h"
#include "core/imagen/codificacion.h"
#include "core/programming/puesta_en_hora.h"

namespace orda::programming {
namespace {

using imagen::ImagenMemoria;

struct Programado {
  config::Configuracion cfg;
  ImagenMemoria img{};
  CorridaProgramacion corrida;
  void correr() { corrida = aProgramar(cfg, img); }
  const std::uint8_t* entrada(int i) { return img.data() + 0x2000 + 64 * i; }
  const std::uint8_t* global() { return img.data() + 0x2F00; }
};

using Bytes = std::vector<std::uint8_t>;

Bytes bytes(const std::uint8_t* registro, std::size_t desde, std::size_t cuantos) {
  return {registro + desde, registro + desde + cuantos};
}

TEST(Codificaciones, EjemplosDelPanel) {
  Programado p;
  p.cfg.entradas.ponerTexto(5, 37, "1.20");
  p.cfg.entradas.ponerTexto(5, 38, "3.3");
  p.cfg.entradas.ponerTexto(5, 8, "3");
  p.cfg.entradas.ponerImagen(5, 7, "OKG24");
  p.cfg.entradas.ponerTexto(5, 39, "-2.5");
  p.cfg.entradas.ponerTexto(6, 39, "-3.4028235e+38");  // the largest single, as a read shows it
  p.cfg.globales.text[8] = "ABCDEFGHIJKL";  // 12 characters: a single NUL at offset 32
  p.cfg.globales.text[1] = "9:30";          // positions are fixed
  p.cfg.globales.text[7] = "1234";          // set directly; the run copies it to row 12 first
  p.cfg.versionPanel = "20";                // too short: told, and the run goes on
  p.cfg.serialPanel = "12345";
  p.correr();
  ASSERT_FALSE(p.corrida.detenida());
  ASSERT_EQ(p.corrida.errores.size(), 1u);
  EXPECT_EQ(p.corrida.errores[0].mensaje(), "ERROR: 5 - Llamada a procedimiento o argumento no válidos");
  EXPECT_EQ(p.corrida.reportes.size(), kCantidadReportes);
  const std::uint8_t* e0 = p.entrada(0);
  EXPECT_EQ(bytes(e0, 13, 3), (Bytes{3, 0x74, 0x01}));  // active low; 1.20 V = 372
  EXPECT_EQ(bytes(e0, 18, 2), (Bytes{0x78, 0x00}));     // 600 ms = 120 units
  EXPECT_EQ(bytes(e0, 27, 4), (Bytes{0, 0, 0, 0x7F}));
  const std::uint8_t* e2 = p.entrada(2);
  EXPECT_EQ(bytes(e2, 16, 4), (Bytes{0x00, 0x04, 0x00, 0x00}));  // 3.3 V = 1024; 3 ms
  EXPECT_EQ(e2[24], 3);                                          // OKG24
  EXPECT_EQ(bytes(e2, 27, 4), (Bytes{0, 0, 0xA0, 0x80}));
  EXPECT_EQ(bytes(p.entrada(3), 27, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFE}));
  const std::uint8_t* g = p.global();
  EXPECT_EQ(bytes(g, 0, 2), (Bytes{1, 1}));
  EXPECT_EQ(bytes(g, 3, 2), (Bytes{0x2C, 0x01}));  // 5 min = 300 s
  EXPECT_EQ(bytes(g, 6, 2), (Bytes{0x90, 0x00}));  // "9:30": nine, colon, three, zero
  EXPECT_EQ(g[12], 0x13);                          // "13:00"
  EXPECT_EQ(bytes(g, 31, 6), (Bytes{'L', 0, '2', '0', 0xFF, 0}));  // the version "20" and its end
  EXPECT_EQ(g[37], '1');
  EXPECT_EQ(g[42], 0);
  EXPECT_EQ(g[46], 0);  // empty password
  // The balance number in the hidden phone record, a plain phone before it.
  const std::uint8_t* r9 = p.img.data() + 0x2C00 + 32 * 9;
  EXPECT_EQ(r9[0], 0);
  EXPECT_EQ(bytes(r9, 13, 6), (Bytes{0, '1', '2', '3', '4', 0}));
  EXPECT_EQ(r9[25], 0);
  const std::uint8_t* r0 = p.img.data() + 0x2C00;
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(r0 + 14)), "**********");
  EXPECT_EQ(r0[25], 5);
}

TEST(Codificaciones, BytesNoEscritosQuedanBorrados) {
  Programado p;
  p.img.fill(0x55);
  p.correr();
  // Unused message slots, unwritten record bytes and the gaps between records.
  EXPECT_EQ(p.img[64 * 3], 0xFF);
  EXPECT_EQ(p.img[64 * 40], 0xFF);
  EXPECT_EQ(p.entrada(0)[31], 0xFF);
  EXPECT_EQ(p.entrada(0)[63], 0xFF);
  EXPECT_EQ(p.img[0x2800 + 42], 0xFF);
  EXPECT_EQ(p.img[0x2C00 + 26], 0xFF);
  // Input texts are cleared before their text.
  EXPECT_EQ(p.img[0], 0);
  EXPECT_EQ(p.img[63], 0);
  EXPECT_EQ(p.img[12288], 0x55);               // the extra element is never filled
  // The fixed texts never reach the image.
  for (std::size_t s = 65; s <= 70; ++s) EXPECT_EQ(p.img[64 * s], 0xFF) << s;
}

TEST(Corrida, CincuentaYCuatroReportesEnOrden) {
  Programado p;
  p.correr();
  const auto& r = p.corrida.reportes;
  ASSERT_EQ(r.size(), kCantidadReportes);
  std::vector<std::pair<int, int>> esperado;
  for (int i = 0; i < 8; ++i) esperado.push_back({21, i});
  for (int i = 0; i < 8; ++i) {
    for (int k = 0; k < 3; ++k) esperado.push_back({24, 4 * i + k});
  }
  for (int i = 0; i < 10; ++i) esperado.push_back({25, i});
  esperado.push_back({23, 0});  // byte 2 is record byte 2, checked below
  esperado.push_back({24, 64});
  for (int i = 65; i <= 70; ++i) esperado.push_back({24, i});
  for (int i = 0; i < 4; ++i) esperado.push_back({22, i});
  for (std::size_t n = 0; n < r.size(); ++n) {
    EXPECT_EQ(r[n].bytes[0], 0);
    EXPECT_EQ(r[n].bytes[1], esperado[n].first) << n;
    if (r[n].bytes[1] != 23) {
      EXPECT_EQ(r[n].bytes[2], esperado[n].second) << n;
    }
    EXPECT_TRUE(r[n].escrito.all()) << n;
  }
  // Record bytes 0..61 travel at 3..64: the global report's byte 2 is record byte 2.
  const link::Reporte& global = r[8 + 24 + 10];
  EXPECT_EQ(global.bytes[2], p.global()[2]);
  EXPECT_EQ(global.bytes[3], p.global()[0]);
  EXPECT_EQ(global.bytes[64], p.global()[61]);
  const link::Reporte& fijo = r[8 + 24 + 10 + 2];
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&fijo.bytes[3])), "Sistema activado (armado)");
}

// An upper threshold and a call's length that do not fit are refused where
// the window programs them.
TEST(Corrida, ValorEditadoQueNoCabeDetieneTodo) {
  struct Caso {
    int tabla;  // 0 inputs, 1 phones, 2 globals
    int fila, col;
    const char* texto;
    const char* rutina;
    int numero;
  };
  static const std::string kLargo(64, 'A');
  const Caso casos[] = {
      {0, 3, 38, "-1", "progEntradas", 6},
      {0, 3, 39, "1e39", "progEntradas", 6},
      {0, 3, 1, "ABCDEFGHIJKLM", "progEntradas", 9},
      {0, 3, 18, kLargo.c_str(), "progSMSentradas", 9},
      {1, 5, 2, "256", "progNumTel", 6},
      {1, 5, 4, "-3", "progNumTel", 6},
      {2, 0, 5, "1093", "mProgGlobal", 6},
  };
  for (const Caso& c : casos) {
    Programado p;
    p.img.fill(0x42);
    if (c.tabla == 0) p.cfg.entradas.ponerTexto(c.fila, c.col, c.texto);
    if (c.tabla == 1) p.cfg.tree.ponerTexto(c.fila, c.col, c.texto);
    if (c.tabla == 2) p.cfg.globales.text[static_cast<std::size_t>(c.col)] = c.texto;
    p.correr();
    ASSERT_TRUE(p.corrida.detenida()) << c.texto;
    ASSERT_EQ(p.corrida.errores.size(), 1u) << c.texto;
    const ErrorCodificacion& e = p.corrida.errores[0];
    EXPECT_EQ(e.rutina, c.rutina);
    EXPECT_EQ(e.numero, c.numero);
    EXPECT_FALSE(e.ubicacion.empty());
    EXPECT_TRUE(p.corrida.reportes.empty());
    EXPECT_EQ(p.img[0x2000], 0x42) << "the image must stay as it was";
  }
  // The box's title and text are checked where the window shows them; this
  // routine's title alone lacks the "en".
  EXPECT_EQ(tituloError("progSMSentradas"), "Información de Error progSMSentradas");
}

// The clock's bytes are checked as the panel receives them, with the
// commands; here only that the rest of the buffer keeps what it held.
TEST(Reloj, SoloLaHoraOLaFechaEnElBuffer) {
  const FechaHora t{2025, 12, 31, 9, 5, 7};
  EXPECT_FALSE(reporteHora(t).escrito[6]);
  EXPECT_FALSE(reporteFecha(t).escrito[6]);
}

}  // namespace
}  // namespace orda::programming
