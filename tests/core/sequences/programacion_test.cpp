// The programming run through the acknowledged sender: order of the reports,
// the one-second bound per report, the count of unacknowledged records, and
// a run the encoders stop.
#include <gtest/gtest.h>

#include "link/textos.h"
#include "programming/aprogramar.h"
#include "programming/reloj.h"
#include "sequences/panel_guion.h"

namespace orda::secuencias::prueba {
namespace {

using link::FinSecuencia;
using link::TipoSecuencia;
using link::prueba::Banco;

const programacion::FechaHora kAhora{2025, 12, 31, 9, 5, 7};

struct BancoProgramacion : Banco {
  PanelGuion panel;
  BancoProgramacion() { transporte.guion = panel.guion(); }
};

// What the wire carries of a report: the command's bytes over the buffer.
std::vector<BufferReporte> enElCable(const std::vector<link::Reporte>& reportes) {
  std::vector<BufferReporte> r;
  BufferReporte buffer{};
  for (const auto& rep : reportes) {
    rep.aplicarSobre(buffer);
    r.push_back(buffer);
  }
  return r;
}

TEST(Programacion, RelojYLuegoLosCincuentaYCuatroRegistrosEnOrden) {
  BancoProgramacion b;
  b.cfg.entradas.ponerTexto(3, 1, "PUERTA");
  config::Configuracion copia = b.cfg;
  imagen::ImagenMemoria otra{};
  const auto corrida = programacion::aProgramar(copia, otra);

  ASSERT_TRUE(b.consola.programar(kAhora, 0));
  EXPECT_TRUE(b.consola.ocupado());
  ASSERT_TRUE(b.correr(10000));

  std::vector<link::Reporte> esperados = {programacion::reporteHora(kAhora), programacion::reporteFecha(kAhora)};
  esperados.insert(esperados.end(), corrida.reportes.begin(), corrida.reportes.end());
  const auto cable = enElCable(esperados);
  ASSERT_GE(b.transporte.escritos.size(), 56u);
  for (std::size_t i = 0; i < 56; ++i) ASSERT_EQ(b.transporte.escritos[i], cable[i]) << i;
  EXPECT_TRUE(b.img == otra);
  // Each report waited for the previous acknowledgement only.
  EXPECT_EQ(b.transporte.momentos[55], 55 * 3);
  ASSERT_EQ(b.oyente.resultados.size(), 1u);
  EXPECT_EQ(b.oyente.resultados[0], (link::ResultadoSecuencia{TipoSecuencia::Programacion, FinSecuencia::Completa, 0}));
  EXPECT_EQ(b.oyente.momentosFin[0], 56 * 3);  // as soon as the last record is acknowledged
  EXPECT_TRUE(b.oyente.cajas.empty());
  EXPECT_FALSE(b.consola.ocupado());
}

TEST(Programacion, PanelMudoUnSegundoPorReporte) {
  BancoProgramacion b;
  b.panel.responder = false;
  ASSERT_TRUE(b.consola.programar(kAhora, 0));
  ASSERT_TRUE(b.correr(59000));
  ASSERT_EQ(b.transporte.escritos.size(), 56u);
  for (std::size_t i = 0; i < 56; ++i) EXPECT_EQ(b.transporte.momentos[i], 1000 * static_cast<std::int64_t>(i));
  EXPECT_EQ(b.transporte.momentos.back(), 55000);
  ASSERT_EQ(b.oyente.resultados.size(), 1u);
  EXPECT_EQ(b.oyente.momentosFin[0], 56000);
  EXPECT_EQ(b.oyente.resultados[0].sinConfirmar, 54);
  ASSERT_EQ(b.oyente.cajas.size(), 1u);
  EXPECT_EQ(b.oyente.cajas[0].texto,
            "El panel no confirmó 54 de 54 registros. Verifique la conexión y vuelva a programar.");
  EXPECT_EQ(b.oyente.cajas[0].titulo, "OrDA");
}

TEST(Programacion, CuentaLosRegistrosSinConfirmar) {
  BancoProgramacion b;
  b.panel.confirma = [](int n) { return n != 0 && n != 17 && n != 53; };
  ASSERT_TRUE(b.consola.programar(kAhora, 0));
  ASSERT_TRUE(b.correr(10000));
  ASSERT_EQ(b.oyente.resultados.size(), 1u);
  EXPECT_EQ(b.oyente.resultados[0].sinConfirmar, 3);
  EXPECT_EQ(b.oyente.cajas.at(0).texto, link::textos::mensajeSinConfirmar(3));
  // The last record's acknowledgement never came: the run waited its second.
  EXPECT_EQ(b.oyente.momentosFin[0], b.transporte.momentos[55] + 1000);
}

TEST(Programacion, ErrorDeCodificacionNoEnviaNada) {
  BancoProgramacion b;
  b.img.fill(0x42);
  b.cfg.entradas.ponerTexto(4, 8, "999999");
  EXPECT_FALSE(b.consola.programar(kAhora, 0));
  EXPECT_TRUE(b.transporte.escritos.empty());
  EXPECT_EQ(b.img[0], 0x42);
  ASSERT_EQ(b.oyente.cajas.size(), 1u);
  EXPECT_EQ(b.oyente.cajas[0].titulo, "Información de Error en progEntradas");
  EXPECT_EQ(b.oyente.cajas[0].icono, link::Icono::Critico);
  EXPECT_EQ(b.oyente.cajas[0].texto.rfind("ERROR: 6 - Desbordamiento\n", 0), 0u);
  EXPECT_EQ(b.oyente.resultados.at(0).fin, FinSecuencia::Detenida);
  EXPECT_FALSE(b.consola.ocupado());
}

TEST(Guardado, SoloLosDosReportesDelRelojYNadaEspera) {
  BancoProgramacion b;
  b.panel.responder = false;
  EXPECT_TRUE(b.consola.prepararGuardado(kAhora, 0));
  EXPECT_FALSE(b.consola.ocupado());
  EXPECT_NE(b.img[0x2000 + 13], 0);  // the image was built
  ASSERT_TRUE(b.correr(4000));
  ASSERT_EQ(b.transporte.escritos.size(), 2u);
  EXPECT_TRUE(Banco::empieza(b.transporte.escritos[0], "cH"));
  EXPECT_TRUE(Banco::empieza(b.transporte.escritos[1], "cF"));
  EXPECT_EQ(b.transporte.momentos[1], 1000);
  EXPECT_TRUE(b.oyente.resultados.empty());

  b.cfg.entradas.ponerTexto(4, 8, "999999");
  EXPECT_FALSE(b.consola.prepararGuardado(kAhora, b.ahora));  // not to be saved
  EXPECT_EQ(b.transporte.escritos.size(), 2u);
  EXPECT_TRUE(b.oyente.resultados.empty());
}

TEST(Ocupado, DuranteUnaCorridaTodoLoDemasSeRechaza) {
  BancoProgramacion b;
  b.panel.responder = false;
  b.consola.seleccionarCanal(1, 0);
  ASSERT_TRUE(b.consola.programar(kAhora, 0));
  b.correr(500);
  const std::size_t antes = b.transporte.escritos.size();

  const std::vector<std::pair<const char*, std::function<bool()>>> intentos = {
      {"programar", [&] { return b.consola.programar(kAhora, b.ahora); }},
      {"guardar", [&] { return b.consola.prepararGuardado(kAhora, b.ahora); }},
      {"leer", [&] { return b.consola.leerProgramacion(b.ahora); }},
      {"historial", [&] { return b.consola.refrescarHistorial(b.ahora); }},
      {"hora", [&] { return b.consola.enviarHora(kAhora, b.ahora); }},
      {"fecha", [&] { return b.consola.enviarFecha(kAhora, b.ahora); }},
      {"forzar", [&] { return b.consola.forzarSalida(0, b.ahora); }},
      {"comando", [&] {
         return b.consola.enviarComando("V!203", kAhora, b.ahora).estado != EstadoComando::Rechazado;
       }},
      {"abrir", [&] { return !b.consola.rechazarSiOcupado(); }},
  };
  for (const auto& [nombre, intento] : intentos) {
    b.oyente.textos.clear();
    EXPECT_FALSE(intento()) << nombre;
    EXPECT_EQ(b.ultimoPanel2(), "Hay una operación en curso") << nombre;
  }
  EXPECT_EQ(b.transporte.escritos.size(), antes);
  EXPECT_EQ(b.cfg.versionPanel, " - ");
  EXPECT_TRUE(b.oyente.registro.empty());

  // Neither poll talks during the run; both resume after it.
  ASSERT_TRUE(b.correrHasta(56000));
  EXPECT_EQ(b.transporte.escritos.size(), 56u);
  EXPECT_EQ(b.contar("sq") + b.contar("va") + b.contar("vA"), 0);
  ASSERT_TRUE(b.correrHasta(60000));
  EXPECT_EQ(b.contar("sq"), 1);
  EXPECT_GT(b.contar("va"), 30);
}

}  // namespace
}  // namespace orda::secuencias::prueba
