// The console against the simulated panel, end to end in virtual time:
// programming, reading back and the history.
#include <gtest/gtest.h>

#include "core/history/filas.h"
#include "link/banco.h"
#include "core/programming/aprogramar.h"
#include "core/reading/decodificar.h"
#include "core/sequences/consola.h"
#include "core/simulator/transporte_simulado.h"

namespace orda::sequences::prueba {
namespace {

using link::FinSecuencia;
using link::TipoSecuencia;

const programming::FechaHora kAhora{2025, 6, 1, 10, 20, 30};

struct BancoSimulado {
  std::int64_t ahora = 0;
  simulator::TransporteSimulado transporte{[this] { return ahora; }};
  link::prueba::OyenteGrabador oyente;
  config::Configuracion cfg;
  imagen::ImagenMemoria img{};
  Consola consola{transporte, oyente, cfg, img, 0};

  BancoSimulado() {
    oyente.reloj = &ahora;
    consola.instalar([this] { return ahora; });
    correrHasta(2000);  // plugged, and its reports enabled
  }
  bool correrHasta(std::int64_t hasta) {
    for (int paso = 0; paso < 500000; ++paso) {
      std::optional<std::int64_t> t = consola.proximoVencimiento();
      const auto tt = transporte.proximoVencimiento();
      if (tt && (!t || *tt < *t)) t = tt;
      if (!t || *t > hasta) {
        ahora = std::max(ahora, hasta);
        return true;
      }
      ahora = std::max(ahora, *t);
      transporte.alVencer(ahora);
      consola.alVencer(ahora);
    }
    return false;
  }
  bool correr(std::int64_t ms) { return correrHasta(ahora + ms); }
  // Runs until the n-th sequence ended (at most `limite` ms).
  bool esperarFin(std::size_t n, std::int64_t limite = 120000) {
    const std::int64_t fin = ahora + limite;
    while (oyente.resultados.size() < n && ahora < fin) {
      if (!correr(10)) return false;
    }
    return oyente.resultados.size() >= n;
  }
};

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

TEST(PanelSimulado, LaProgramacionQuedaEnElPanelByteAByte) {
  BancoSimulado b;
  b.cfg = editada();
  ASSERT_TRUE(b.consola.programar(kAhora, b.ahora));
  ASSERT_TRUE(b.esperarFin(1));
  EXPECT_EQ(b.oyente.resultados[0], (link::ResultadoSecuencia{TipoSecuencia::Programacion, FinSecuencia::Completa, 0}));

  // Of every imaged record the panel keeps its first min(size, 62) bytes.
  const auto& memoria = b.transporte.panel().memoriaDatos();
  const imagen::Bloque bloques[] = {imagen::kEntradas, imagen::kSalidas, imagen::kTelefonos, imagen::kGlobal};
  int comparados = 0;
  auto comparar = [&](std::size_t inicio, std::size_t tamano) {
    const std::size_t n = std::min<std::size_t>(tamano, 62);
    EXPECT_TRUE(std::equal(b.img.begin() + static_cast<std::ptrdiff_t>(inicio),
                           b.img.begin() + static_cast<std::ptrdiff_t>(inicio + n), memoria.begin() + static_cast<std::ptrdiff_t>(inicio)))
        << "registro en " << inicio;
    ++comparados;
  };
  for (const auto& bl : bloques) {
    for (std::size_t i = 0; i < bl.cantidad; ++i) comparar(bl.inicio(i), bl.tamano);
  }
  for (std::size_t e = 0; e < 8; ++e) {
    for (std::size_t k = 0; k < 3; ++k) comparar(imagen::kMensajes.inicio(imagen::slotMensaje(e, k)), 64);
  }
  comparar(imagen::kMensajes.inicio(imagen::kSlotMensajeDiario), 64);
  EXPECT_EQ(comparados, 8 + 4 + 10 + 1 + 24 + 1);
  EXPECT_EQ(b.transporte.panel().version(), "203");
  EXPECT_EQ(b.transporte.panel().reloj(b.ahora).anio, 2025);
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

TEST(PanelSimulado, HistorialConLosEventosDelPanel) {
  BancoSimulado b;
  b.consola.enviarHora(kAhora, b.ahora);  // an event the panel logs
  b.correr(100);
  ASSERT_TRUE(b.consola.refrescarHistorial(b.ahora));
  ASSERT_TRUE(b.esperarFin(1));
  EXPECT_EQ(b.oyente.resultados[0].fin, FinSecuencia::Completa);
  const auto& h = b.transporte.panel().memoriaHistorial();
  EXPECT_TRUE(std::equal(h.begin(), h.end(), b.img.begin()));
  const auto filas = history::filasHistorial(std::span(b.img.data(), 4096), b.cfg.entradas, b.cfg.tree);
  EXPECT_EQ(filas.cantidad.cantidad, b.transporte.panel().cantidadRegistros());
  EXPECT_GT(filas.cantidad.cantidad, 2);
}

}  // namespace
}  // namespace orda::sequences::prueba
