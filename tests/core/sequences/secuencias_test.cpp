// The programming run, the read and the history retrieval against a scripted
// panel: order of the reports, time bounds, results, and what a failed read
// leaves in the tables.
#include <gtest/gtest.h>

#include "link/banco.h"
#include "core/programming/aprogramar.h"

namespace orda::sequences::prueba {
namespace {

using link::FinSecuencia;
using link::ResultadoSecuencia;
using link::TipoSecuencia;
using link::prueba::Banco;

const programming::FechaHora kAhora{2025, 12, 31, 9, 5, 7};

struct BancoPanel : Banco {
  BancoPanel() {
    transporte.responde = true;
    config::Configuracion delPanel;
    delPanel.entradas.ponerTexto(3, 1, "PORTON");
    delPanel.versionPanel = "202";
    delPanel.serialPanel = "12345";
    imagen::ImagenMemoria i{};
    programming::aProgramar(delPanel, i);
    transporte.datos.assign(i.begin(), i.begin() + 12288);
    cfg.entradas.ponerTexto(3, 1, "EDITADO");  // the user's unsaved edit
  }
};

TEST(Programacion, RelojYLuegoLosRegistrosCadaUnoTrasSuConfirmacion) {
  BancoPanel b;
  config::Configuracion copia = b.cfg;
  imagen::ImagenMemoria otra{};
  const auto corrida = programming::aProgramar(copia, otra);
  ASSERT_TRUE(b.consola.programar(kAhora, 0));
  ASSERT_TRUE(b.correr(4000));
  ASSERT_EQ(b.transporte.escritos.size(), 56u);
  EXPECT_TRUE(Banco::empieza(b.transporte.escritos[0], "cH"));
  EXPECT_TRUE(Banco::empieza(b.transporte.escritos[1], "cF"));
  link::BufferReporte cable = b.transporte.escritos[1];
  for (std::size_t i = 0; i < 54; ++i) {
    corrida.reportes[i].aplicarSobre(cable);
    ASSERT_EQ(b.transporte.escritos[i + 2], cable) << i;
  }
  EXPECT_TRUE(b.img == otra);
  EXPECT_EQ(b.transporte.momentos[55], 55 * 3);
  EXPECT_EQ(b.oyente.resultados, (std::vector<ResultadoSecuencia>{{TipoSecuencia::Programacion, FinSecuencia::Completa, 0}}));
  EXPECT_EQ(b.oyente.momentosFin[0], 56 * 3);  // as soon as the last record is acknowledged
  EXPECT_TRUE(b.oyente.cajas.empty());
}

TEST(Programacion, RegistrosSinConfirmar) {
  struct Caso {
    std::function<bool(int)> confirma;
    int sinConfirmar;
    std::int64_t ultimo;  // when the last record went out
  };
  const Caso casos[] = {
      {[](int) { return false; }, 54, 55000},  // a silent panel: one second per report
      {[](int n) { return n != 0 && n != 17 && n != 53; }, 3, 6 + 2 * 1000 + 51 * 3},
  };
  for (const auto& c : casos) {
    BancoPanel b;
    b.transporte.confirma = c.confirma;
    b.transporte.responde = c.sinConfirmar != 54;
    ASSERT_TRUE(b.consola.programar(kAhora, 0));
    ASSERT_TRUE(b.correrHasta(59000));
    ASSERT_EQ(b.transporte.escritos.size() - static_cast<std::size_t>(b.contar("sq")), 56u);
    EXPECT_EQ(b.transporte.momentos[55], c.ultimo);
    EXPECT_EQ(b.oyente.momentosFin.at(0), c.ultimo + 1000);  // its acknowledgement never came either
    EXPECT_EQ(b.oyente.resultados[0].sinConfirmar, c.sinConfirmar);
    ASSERT_EQ(b.oyente.cajas.size(), 1u);
    EXPECT_EQ(b.oyente.cajas[0].texto, "El panel no confirmó " + std::to_string(c.sinConfirmar) +
                                           " de 54 registros. Verifique la conexión y vuelva a programar.");
    EXPECT_EQ(b.oyente.cajas[0].titulo, "OrDA");
  }
}

TEST(Programacion, ErrorDeCodificacionNoEnviaNadaYGuardarSoloElReloj) {
  BancoPanel b;
  b.transporte.responde = false;
  b.img.fill(0x42);
  b.cfg.entradas.ponerTexto(4, 8, "999999");
  EXPECT_FALSE(b.consola.programar(kAhora, 0));
  EXPECT_FALSE(b.consola.prepararGuardado(kAhora, 0));
  EXPECT_TRUE(b.transporte.escritos.empty());
  EXPECT_EQ(b.img[0], 0x42);
  ASSERT_EQ(b.oyente.cajas.size(), 2u);
  EXPECT_EQ(b.oyente.cajas[0].titulo, "Información de Error en progEntradas");
  EXPECT_EQ(b.oyente.cajas[0].icono, link::Icono::Critico);
  EXPECT_EQ(b.oyente.cajas[0].texto.rfind("ERROR: 6 - Desbordamiento\n", 0), 0u);
  EXPECT_EQ(b.oyente.resultados, (std::vector<ResultadoSecuencia>{{TipoSecuencia::Programacion, FinSecuencia::Detenida, 0}}));

  b.cfg.entradas.ponerTexto(4, 8, "600");
  EXPECT_TRUE(b.consola.prepararGuardado(kAhora, 0));
  EXPECT_FALSE(b.consola.ocupado());  // nothing waits for the clock reports
  EXPECT_EQ(b.img[0x2000 + 64 + 18], 120);
  ASSERT_TRUE(b.correr(4000));
  EXPECT_EQ(b.pedidos(), (decltype(b.pedidos()){{"cH", 0}, {"cF", 1000}}));
}

TEST(Ocupado, DuranteUnaCorridaTodoLoDemasSeRechazaYLosSondeosCallan) {
  BancoPanel b;
  b.transporte.responde = false;
  b.consola.seleccionarCanal(1, 0);
  ASSERT_TRUE(b.consola.programar(kAhora, 0));
  b.correr(500);
  const std::vector<std::function<bool()>> intentos = {
      [&] { return b.consola.programar(kAhora, b.ahora); },
      [&] { return b.consola.prepararGuardado(kAhora, b.ahora); },
      [&] { return b.consola.leerProgramacion(b.ahora); },
      [&] { return b.consola.refrescarHistorial(b.ahora); },
      [&] { return b.consola.enviarHora(kAhora, b.ahora); },
      [&] { return b.consola.enviarFecha(kAhora, b.ahora); },
      [&] { return b.consola.forzarSalida(0, b.ahora); },
      [&] { return b.consola.enviarComando("V!203", kAhora, b.ahora).estado != EstadoComando::Rechazado; },
      [&] { return !b.consola.rechazarSiOcupado(); },  // a save or an open
  };
  for (std::size_t i = 0; i < intentos.size(); ++i) {
    b.oyente.textos.clear();
    EXPECT_FALSE(intentos[i]()) << i;
    EXPECT_EQ(b.oyente.texto(link::kPanelMensajes), "Hay una operación en curso") << i;
  }
  EXPECT_EQ(b.cfg.versionPanel, " - ");
  ASSERT_TRUE(b.correrHasta(56000));
  EXPECT_EQ(b.transporte.escritos.size(), 56u);  // neither poll talked during the run
  ASSERT_TRUE(b.correrHasta(60000));
  EXPECT_EQ(b.contar("sq"), 1);
  EXPECT_GT(b.contar("va"), 30);
}

TEST(Lectura, DecodificaApenasLlegaElUltimoBloqueYPideElHistorial) {
  BancoPanel b;
  ASSERT_TRUE(b.consola.leerProgramacion(0));
  EXPECT_TRUE(b.consola.enlace().esperandoConfirmacion());
  ASSERT_TRUE(b.correr(1000));
  EXPECT_EQ(b.cfg.entradas.texto(3, 1), "PORTON");
  EXPECT_EQ(b.oyente.texto(link::kPanelVersion), "V2.02");
  EXPECT_EQ(b.oyente.texto(link::kPanelSerial), "SN: 12345");
  EXPECT_EQ(b.oyente.resultados, (std::vector<ResultadoSecuencia>{{TipoSecuencia::Lectura, FinSecuencia::Completa, 0},
                                                                    {TipoSecuencia::Historial, FinSecuencia::Completa, 0}}));
  // One block every 3 ms: no sitting out two seconds, and "lh" right after.
  EXPECT_EQ(b.oyente.momentosFin[0], 3 + 192 * 3);
  EXPECT_EQ(b.oyente.momentosFin[1], b.oyente.momentosFin[0] + 3 + 64 * 3);
  EXPECT_EQ(b.pedidos()[0].first, "lt");
  EXPECT_EQ(b.pedidos()[194], std::make_pair(std::string("lh"), b.oyente.momentosFin[0]));
  EXPECT_EQ(b.oyente.registro.at(0).first, "lh\r");
  EXPECT_TRUE(std::equal(b.transporte.historial.begin(), b.transporte.historial.end(), b.img.begin()));
  EXPECT_TRUE(std::equal(b.transporte.datos.begin() + 4096, b.transporte.datos.end(), b.img.begin() + 4096));
  EXPECT_FALSE(b.consola.ocupado());
  EXPECT_TRUE(b.oyente.cajas.empty());
}

// A panel with erased records: the defaults, and one box that says how many.
TEST(Lectura, RegistrosBorradosUnaSolaCaja) {
  BancoPanel b;
  std::fill_n(b.transporte.datos.begin() + 0x2000, 3 * 64, 0xFF);  // inputs 1..3
  std::fill_n(b.transporte.datos.begin() + 0x2F00, 64, 0xFF);      // the global block
  b.cfg.especiales.seleccionar(13);
  ASSERT_TRUE(b.consola.leerProgramacion(0));
  ASSERT_TRUE(b.correr(1000));
  ASSERT_EQ(b.oyente.cajas.size(), 1u);
  EXPECT_EQ(b.oyente.cajas[0].texto, "La central tiene 4 registros sin programar: se cargaron los valores por omisión.");
  EXPECT_EQ(b.oyente.cajas[0].titulo, "OrDA");
  EXPECT_EQ(b.oyente.cajas[0].icono, link::Icono::Informacion);
  EXPECT_EQ(b.cfg.entradas.texto(3, 1), "ENTRADA1");
  EXPECT_TRUE(b.cfg.especiales == config::Especiales{});
}

TEST(Lectura, SinRespuestaEnDosSegundosNoTocaLasTablas) {
  BancoPanel b;
  b.transporte.responde = false;
  const config::Configuracion antes = b.cfg;
  ASSERT_TRUE(b.consola.leerProgramacion(100));
  ASSERT_TRUE(b.correrHasta(2099));
  EXPECT_TRUE(b.consola.ocupado());
  ASSERT_TRUE(b.correrHasta(2100));
  EXPECT_EQ(b.oyente.resultados.at(0).fin, FinSecuencia::SinRespuesta);
  EXPECT_EQ(b.oyente.momentosFin[0], 2100);
  EXPECT_EQ(b.oyente.cajas.at(0).texto, "El panel no respondió. La programación mostrada no cambió.");
  EXPECT_TRUE(b.cfg == antes);
  EXPECT_EQ(b.contar("lh"), 0);  // no history asked of a silent panel
  EXPECT_FALSE(b.consola.ocupado());
}

// Blocks that stop coming: the transfer ends two seconds after the last one.
TEST(Historial, InterrumpidaSinMasBloques) {
  BancoPanel b;
  b.transporte.bloquesHasta = 10;
  ASSERT_TRUE(b.consola.refrescarHistorial(0));
  ASSERT_TRUE(b.correr(4000));
  EXPECT_EQ(b.oyente.resultados, (std::vector<ResultadoSecuencia>{{TipoSecuencia::Historial, FinSecuencia::Interrumpida, 0}}));
  EXPECT_EQ(b.oyente.momentosFin.at(0), 3 + 10 * 3 + 2000);
  ASSERT_EQ(b.oyente.cajas.size(), 1u);
  EXPECT_EQ(b.oyente.cajas[0].texto, "La transferencia de registros históricos se interrumpió.");
  EXPECT_FALSE(b.consola.ocupado());
}

TEST(Historial, UnaFuerzaEnColaEsperaAQueTermineLaTransferencia) {
  BancoPanel b;
  b.consola.seleccionarCanal(1, 0);
  b.consola.enviarHora(kAhora, 0);            // acknowledged 3 ms later
  ASSERT_TRUE(b.consola.forzarSalida(2, 0));  // behind it
  ASSERT_TRUE(b.consola.refrescarHistorial(1));
  ASSERT_TRUE(b.correr(1000));
  const auto p = b.pedidos();
  const auto fuerza = std::find_if(p.begin(), p.end(), [](auto& x) { return x.first == "ts"; });
  ASSERT_NE(fuerza, p.end());
  EXPECT_EQ(fuerza->second, b.oyente.momentosFin.at(0));  // not among the pages
}

}  // namespace
}  // namespace orda::sequences::prueba
