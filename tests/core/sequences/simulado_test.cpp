// The console against the simulated panel, end to end in virtual time:
// programming, reading back and the history.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "core/history/filas.h"
#include "core/programming/aprogramar.h"
#include "core/reading/decodificar.h"
#include "sequences/banco_simulado.h"

namespace orda::sequences::prueba {
namespace {

using link::FinSecuencia;
using link::TipoSecuencia;

const programming::FechaHora kAhora{2025, 6, 1, 10, 20, 30};

config::Configuracion editada() {
  config::Configuracion c;
  c.entradas.ponerTexto(3, 1, "PUERTA");
  c.entradas.ponerTexto(4, 8, "600");
  c.entradas.ponerTexto(5, 37, "1.20");
  c.entradas.ponerTexto(3, 18, "SE ABRIO LA PUERTA DEL FONDO");
  c.salidas.ponerTexto(3, 1, "SIRENA");
  c.tree.ponerTexto(3, 3, "1155667788");
  c.globales.text[9] = "1234";
  c.versionPanel = "203";
  c.serialPanel = "54321";
  return c;
}

TEST(PanelSimulado, LeerTrasProgramarDevuelveLasMismasTablas) {
  BancoSimulado b;
  b.cfg = editada();
  ASSERT_TRUE(b.consola.programar(kAhora, b.ahora));
  ASSERT_TRUE(b.esperarFin(1));
  // The tables as the image the run sent reads back (defaults take the
  // decoders' own spelling: "1.000" comes back as "1").
  config::Configuracion esperada;
  reading::decodificarImagen(b.img, esperada);

  b.cfg = config::Configuracion{};
  ASSERT_TRUE(b.consola.leerProgramacion(b.ahora));
  ASSERT_TRUE(b.esperarFin(3));
  EXPECT_EQ(b.oyente.resultados[1].fin, FinSecuencia::Completa);
  EXPECT_EQ(b.oyente.resultados[2].tipo, TipoSecuencia::Historial);
  EXPECT_EQ(b.oyente.resultados[2].fin, FinSecuencia::Completa);
  EXPECT_TRUE(b.cfg == esperada);
  EXPECT_EQ(b.cfg.globales.text[9], "");  // a read never shows the panel's password
  const config::Configuracion e = editada();
  for (auto [f, c] : {std::pair{3, 1}, {4, 8}, {5, 37}, {3, 18}}) EXPECT_EQ(b.cfg.entradas.texto(f, c), e.entradas.texto(f, c));
  EXPECT_EQ(b.cfg.salidas.texto(3, 1), "SIRENA");
  EXPECT_EQ(b.cfg.tree.texto(3, 3), "1155667788");
  EXPECT_EQ(b.oyente.texto(link::kPanelVersion), "V2.03");
  EXPECT_EQ(b.oyente.texto(link::kPanelSerial), "SN: 54321");
}

// A read for a comparison fills only the caller's image: the console's image,
// tables and memory viewer stay, no history follows, and a busy console
// refuses it.
TEST(PanelSimulado, LeerParaCompararNoTocaLaConsola) {
  BancoSimulado b;
  b.cfg.entradas.ponerTexto(3, 1, "EDITADA");
  const config::Configuracion cfg = b.cfg;
  const imagen::ImagenMemoria img = b.img;
  imagen::ImagenMemoria destino{};
  ASSERT_TRUE(b.consola.leerProgramacion(b.ahora, false));
  EXPECT_FALSE(b.consola.leerParaComparar(b.ahora, destino));
  ASSERT_TRUE(b.esperarFin(1));
  b.cfg = cfg;
  b.img = img;
  b.oyente.memoria.clear();

  ASSERT_TRUE(b.consola.leerParaComparar(b.ahora, destino));
  ASSERT_TRUE(b.esperarFin(2));
  b.correr(5000);
  EXPECT_EQ(b.oyente.resultados.size(), 2u);
  EXPECT_EQ(b.oyente.resultados[1], (link::ResultadoSecuencia{TipoSecuencia::Comparacion, FinSecuencia::Completa, 0}));
  const auto& memoria = b.transporte.panel().memoriaDatos();
  EXPECT_TRUE(std::equal(memoria.begin(), memoria.end(), destino.begin()));
  EXPECT_TRUE(b.img == img);
  EXPECT_TRUE(b.cfg == cfg);
  EXPECT_TRUE(b.oyente.memoria.empty());
  EXPECT_FALSE(b.consola.ocupado());

  // Later transfers fill the console's image again.
  ASSERT_TRUE(b.consola.leerProgramacion(b.ahora, false));
  ASSERT_TRUE(b.esperarFin(3));
  EXPECT_TRUE(std::equal(memoria.begin(), memoria.end(), b.img.begin()));
}

// The cable pulled right after the panel took the n-th report of a run, for
// every n: the run ends at once and says so, nothing is decoded from what
// came, and with the panel back the same run goes through.
TEST(PanelSimulado, DesenchufadoTrasCadaReporteDeCadaSecuencia) {
  struct Caso {
    TipoSecuencia tipo;
    int reportes;  // each is answered: the clock and the records, or the request and the blocks
    std::function<bool(BancoSimulado&)> iniciar;
    std::function<std::string(int n)> caja;
  };
  const auto transferencia = [](const char* sinRespuesta, const char* interrumpida) {
    return [=](int n) { return std::string(n == 1 ? sinRespuesta : interrumpida); };
  };
  const Caso casos[] = {
      {TipoSecuencia::Programacion, 2 + 54, [](BancoSimulado& b) { return b.consola.programar(kAhora, b.ahora); },
       [](int n) { return link::textos::mensajeSinConfirmar(std::min(54, 57 - n)); }},
      {TipoSecuencia::Lectura, 1 + 192, [](BancoSimulado& b) { return b.consola.leerProgramacion(b.ahora, false); },
       transferencia("El panel no respondió. La programación mostrada no cambió.",
                     "La transferencia se interrumpió. La programación mostrada no cambió.")},
      {TipoSecuencia::Historial, 1 + 64, [](BancoSimulado& b) { return b.consola.refrescarHistorial(b.ahora); },
       transferencia("El panel no respondió. Se mantienen los registros mostrados.",
                     "La transferencia de registros históricos se interrumpió.")},
  };
  config::Configuracion delPanel = editada();  // what a read keeps of the user's (the password)
  {
    const BancoSimulado b;
    imagen::ImagenMemoria i{};
    std::copy(b.transporte.panel().memoriaDatos().begin(), b.transporte.panel().memoriaDatos().end(), i.begin());
    reading::decodificarImagen(i, delPanel);
  }
  for (const Caso& c : casos) {
    for (int n = 1; n <= c.reportes; ++n) {
      SCOPED_TRACE(testing::Message() << "secuencia " << static_cast<int>(c.tipo) << ", reporte " << n);
      BancoSimulado b;
      b.cfg = editada();
      const config::Configuracion antes = b.cfg;
      const int corte = b.transporte.reportesEscritos() + n;
      b.transporte.fallas.desenchufarTrasReportes = corte;
      std::int64_t momentoCorte = -1;
      b.transporte.alEscribir = [&](const link::BufferReporte&, std::int64_t t) {
        if (b.transporte.reportesEscritos() == corte) momentoCorte = t;
      };
      ASSERT_TRUE(c.iniciar(b));
      ASSERT_TRUE(b.esperarFin(1));
      ASSERT_FALSE(b.transporte.enchufado());
      const bool programa = c.tipo == TipoSecuencia::Programacion;
      const FinSecuencia fin = programa ? FinSecuencia::Completa : n == 1 ? FinSecuencia::SinRespuesta
                                                                          : FinSecuencia::Interrumpida;
      EXPECT_EQ(b.oyente.resultados[0],
                (link::ResultadoSecuencia{c.tipo, fin, programa ? std::min(54, 57 - n) : 0}));
      if (fin == FinSecuencia::Interrumpida) {
        EXPECT_EQ(b.oyente.momentosFin[0], momentoCorte);  // no stall timeout sat out
      }
      ASSERT_EQ(b.oyente.cajas.size(), 1u);
      EXPECT_EQ(b.oyente.cajas[0].texto, c.caja(n));
      EXPECT_TRUE(b.oyente.memoria.empty());
      EXPECT_TRUE(b.cfg == antes);
      EXPECT_FALSE(b.consola.ocupado());

      b.transporte.enchufar();
      ASSERT_TRUE(b.correr(2000));
      ASSERT_TRUE(c.iniciar(b));
      ASSERT_TRUE(b.esperarFin(2));
      EXPECT_EQ(b.oyente.resultados[1], (link::ResultadoSecuencia{c.tipo, FinSecuencia::Completa, 0}));
      if (c.tipo == TipoSecuencia::Lectura) {
        EXPECT_TRUE(b.cfg == delPanel);
      } else if (c.tipo == TipoSecuencia::Historial) {
        const auto& h = b.transporte.panel().memoriaHistorial();
        EXPECT_TRUE(std::equal(h.begin(), h.end(), b.img.begin()));
      } else {
        EXPECT_EQ(b.transporte.panel().version(), "203");
      }
    }
  }
}

}  // namespace
}  // namespace orda::sequences::prueba
