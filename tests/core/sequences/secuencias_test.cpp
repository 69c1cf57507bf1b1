// The programming run, the read and the history retrieval: against the
// simulated panel end to end (order of the reports, time bounds, results,
// progress, erased records), and against a bench that hands the console only
// what a test gives it (an image no encoder takes). A panel lost half way or
// silent is the soak's.
#include <string>

#include <gtest/gtest.h>

#include "core/programming/aprogramar.h"
#include "link/banco.h"

namespace orda::sequences::prueba {
namespace {

using link::FinSecuencia;
using link::ResultadoSecuencia;
using link::TipoSecuencia;
using link::prueba::Banco;
using link::prueba::BancoSimulado;

const programming::FechaHora kAhora{2025, 12, 31, 9, 5, 7};

config::Configuracion editada() {
  config::Configuracion c;
  c.entradas.ponerTexto(3, 1, "PUERTA");
  c.salidas.ponerTexto(3, 1, "SIRENA");
  c.globales.text[9] = "1234";
  return c;
}

// The clock, then each record after its acknowledgement or a second without
// one; the end as soon as the last one is acknowledged, or a second later.
// (The progress it shows is the command line's test, which prints it.)
TEST(Programacion, RelojYLuegoLosRegistrosCadaUnoTrasSuConfirmacion) {
  struct Caso {
    bool silencio;
    int perderCada;  // acknowledgements
    int sinConfirmar;
    std::int64_t ultimo;  // when the last record went out, from the start
    const char* fin;
  };
  const Caso casos[] = {
      {false, 0, 0, 55 * 3, "Programación terminada 09:05:07"},
      {true, 0, 54, 55000, "Programación terminada 09:06:03 - 54 de 54 registros sin confirmar"},
      {false, 28, 2, 1000 + 54 * 3, "Programación terminada 09:05:09 - 2 de 54 registros sin confirmar"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.fin);
    BancoSimulado b;
    b.transporte.fallas = {.latenciaMs = 3, .perderConfirmacionCada = c.perderCada, .silencio = c.silencio};
    b.cfg = editada();
    b.consola.seleccionarCanal(1, b.ahora);  // neither poll may talk during the run
    config::Configuracion copia = b.cfg;
    imagen::ImagenMemoria otra{};
    const auto corrida = programming::aProgramar(copia, otra);
    const std::int64_t t0 = b.ahora;
    ASSERT_TRUE(b.consola.programar(kAhora, t0));
    ASSERT_TRUE(b.esperarFin(1));
    ASSERT_EQ(b.escritos.size(), 56u);
    EXPECT_EQ(b.pedidos[0], std::make_pair(std::string("cH"), t0));
    link::BufferReporte cable = b.escritos[1];
    for (std::size_t i = 0; i < 54; ++i) {
      corrida.reportes[i].aplicarSobre(cable);
      ASSERT_EQ(b.escritos[i + 2], cable) << i;
    }
    EXPECT_TRUE(b.img == otra);
    const auto& panel = b.transporte.panel().memoriaDatos();  // a lost acknowledgement is still a stored record
    EXPECT_EQ(std::equal(panel.begin(), panel.end(), otra.begin()), !c.silencio);
    EXPECT_EQ(b.pedidos[55].second - t0, c.ultimo);
    EXPECT_EQ(b.oyente.momentosFin[0] - t0, c.ultimo + (c.sinConfirmar ? 1000 : 3));
    EXPECT_EQ(b.oyente.resultados[0],
              (ResultadoSecuencia{TipoSecuencia::Programacion, FinSecuencia::Completa, c.sinConfirmar}));
    EXPECT_EQ(b.oyente.texto(link::kPanelMensajes), c.fin);
    EXPECT_EQ(b.oyente.cajas.size(), c.sinConfirmar ? 1u : 0u);
  }
}

TEST(Programacion, ErrorDeCodificacionNoEnviaNadaYGuardarSoloElReloj) {
  Banco b;
  b.img.fill(0x42);
  b.cfg.entradas.ponerTexto(4, 8, "999999");
  // What goes out and the box are the window's test.
  EXPECT_FALSE(b.consola.programar(kAhora, 0));
  EXPECT_FALSE(b.consola.prepararGuardado(kAhora, 0));
  EXPECT_EQ(b.img[0], 0x42);
  EXPECT_EQ(b.oyente.resultados, (std::vector<ResultadoSecuencia>{{TipoSecuencia::Programacion, FinSecuencia::Detenida, 0}}));

  b.cfg.entradas.ponerTexto(4, 8, "600");
  EXPECT_TRUE(b.consola.prepararGuardado(kAhora, 0));
  EXPECT_FALSE(b.consola.ocupado());  // nothing waits for the clock reports
  EXPECT_EQ(b.img[0x2000 + 64 + 18], 120);
  ASSERT_TRUE(b.correr(4000));
  EXPECT_EQ(b.pedidos(), (decltype(b.pedidos()){{"cH", 0}, {"cF", 1000}}));
}

// What a run programmed reads back: first for a comparison, which fills only
// the caller's image (the console's image, tables and memory viewer stay, no
// history follows), then as a read, which asks for the history as soon as the
// last block came, with no stall timeout sat out. Before the read four records
// are erased on the panel: one box says how many (what they decode to is the
// decoder's test).
TEST(Lectura, CompararYLeerTrasProgramar) {
  BancoSimulado b;
  b.transporte.fallas.latenciaMs = 3;
  b.cfg = editada();
  ASSERT_TRUE(b.consola.programar(kAhora, b.ahora));
  ASSERT_TRUE(b.esperarFin(1));
  const config::Configuracion cfg = b.cfg;
  const imagen::ImagenMemoria img = b.img;
  const auto& m = b.transporte.panel().memoriaDatos();
  imagen::ImagenMemoria destino{};
  ASSERT_TRUE(b.consola.leerParaComparar(b.ahora, destino));
  ASSERT_TRUE(b.esperarFin(2));
  b.correr(5000);
  EXPECT_EQ(b.oyente.resultados[1], (ResultadoSecuencia{TipoSecuencia::Comparacion, FinSecuencia::Completa, 0}));
  EXPECT_TRUE(std::equal(m.begin(), m.end(), destino.begin()));
  EXPECT_TRUE(b.img == img);
  EXPECT_TRUE(b.cfg == cfg);
  EXPECT_TRUE(b.oyente.memoria.empty());
  EXPECT_EQ(link::prueba::contar(b.pedidos, "lh"), 0);

  for (char entrada = 0; entrada < 4; ++entrada) {
    const std::string borrado = std::string{21, entrada} + std::string(62, '\xFF');
    b.transporte.panel().recibir(link::prueba::reporte(borrado), b.ahora);
  }
  b.cfg = config::Configuracion{};
  b.img = {};
  const std::int64_t t0 = b.ahora;
  const std::size_t previos = b.pedidos.size();
  ASSERT_TRUE(b.consola.leerProgramacion(t0));
  EXPECT_TRUE(b.consola.enlace().esperandoConfirmacion());
  ASSERT_TRUE(b.esperarFin(4));
  EXPECT_EQ(b.oyente.resultados[2], (ResultadoSecuencia{TipoSecuencia::Lectura, FinSecuencia::Completa, 0}));
  EXPECT_EQ(b.oyente.resultados[3], (ResultadoSecuencia{TipoSecuencia::Historial, FinSecuencia::Completa, 0}));
  EXPECT_EQ(b.oyente.momentosFin[2] - t0, 3 + 192 * 3);
  EXPECT_EQ(b.pedidos[previos + 194], std::make_pair(std::string("lh"), b.oyente.momentosFin[2]));
  EXPECT_EQ(b.oyente.momentosFin[3] - b.oyente.momentosFin[2], 3 + 64 * 3);
  const auto& r = b.oyente.registro;
  EXPECT_EQ(std::count_if(r.begin(), r.end(), [](auto& l) { return l.first == "lh\r"; }), 1);  // echoed
  // One progress step per block of each transfer, and each memory view told once.
  const auto& p = b.oyente.progreso;
  ASSERT_EQ(p.size(), 192u * 2 + 64u);
  EXPECT_EQ((std::vector<std::string>{p[192], p[192 + 95], p[383], p[384 + 31], p.back()}),
            (std::vector<std::string>{" 0%", " 49%", " 100%", " 49%", " 100%"}));
  EXPECT_EQ(b.oyente.memoria,
            (std::vector<std::string>{"Memoria interna de datos", "Memoria interna de registros históricos"}));
  EXPECT_EQ(b.cfg.globales.text[9], "");  // a read never shows the panel's password
  const auto& h = b.transporte.panel().memoriaHistorial();
  EXPECT_TRUE(std::equal(h.begin(), h.end(), b.img.begin()));
  ASSERT_EQ(b.oyente.cajas.size(), 1u);
  EXPECT_EQ(b.oyente.cajas[0].texto, "La central tiene 4 registros sin programar: se cargaron los valores por omisión.");
  EXPECT_EQ(b.oyente.cajas[0].titulo, "OrDA");
  EXPECT_EQ(b.oyente.cajas[0].icono, link::Icono::Informacion);
}

}  // namespace
}  // namespace orda::sequences::prueba
