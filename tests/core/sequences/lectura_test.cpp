// Reading the configuration and retrieving the history: the transfer, its
// time bounds, and what a read that fails leaves in the tables.
#include <gtest/gtest.h>

#include "link/textos.h"
#include "programming/aprogramar.h"
#include "sequences/panel_guion.h"

namespace orda::secuencias::prueba {
namespace {

using link::FinSecuencia;
using link::ResultadoSecuencia;
using link::TipoSecuencia;
using link::prueba::Banco;

// A panel holding the image of a configuration other than the console's.
struct BancoLectura : Banco {
  PanelGuion panel;
  config::Configuracion delPanel;

  BancoLectura() {
    delPanel.entradas.ponerTexto(3, 1, "PORTON");
    delPanel.salidas.ponerTexto(4, 1, "SIRENA");
    delPanel.versionPanel = "202";
    delPanel.serialPanel = "12345";
    imagen::ImagenMemoria img{};
    EXPECT_FALSE(programacion::aProgramar(delPanel, img).detenida());
    panel.datos.assign(img.begin(), img.begin() + 12288);
    for (std::size_t i = 0; i < panel.historial.size(); ++i) panel.historial[i] = static_cast<std::uint8_t>(i % 97);
    transporte.guion = panel.guion();
    cfg.entradas.ponerTexto(3, 1, "EDITADO");  // the user's unsaved edit
  }
  config::Configuracion editada() const {
    config::Configuracion c;
    c.entradas.ponerTexto(3, 1, "EDITADO");
    return c;
  }
};

TEST(Lectura, DecodificaApenasLlegaElUltimoBloqueYPideElHistorial) {
  BancoLectura b;
  ASSERT_TRUE(b.consola.leerProgramacion(0));
  EXPECT_TRUE(Banco::empieza(b.transporte.escritos.at(0), "lt"));
  EXPECT_TRUE(b.consola.enlace().esperandoConfirmacion());
  ASSERT_TRUE(b.correr(5000));

  EXPECT_EQ(b.cfg.entradas.texto(3, 1), "PORTON");
  EXPECT_EQ(b.cfg.salidas.texto(4, 1), "SIRENA");
  EXPECT_EQ(b.oyente.texto(link::kPanelVersion), "V2.02");
  EXPECT_EQ(b.oyente.texto(link::kPanelSerial), "SN: 12345");
  ASSERT_EQ(b.oyente.resultados.size(), 2u);
  EXPECT_EQ(b.oyente.resultados[0], (ResultadoSecuencia{TipoSecuencia::Lectura, FinSecuencia::Completa, 0}));
  EXPECT_EQ(b.oyente.resultados[1], (ResultadoSecuencia{TipoSecuencia::Historial, FinSecuencia::Completa, 0}));
  // Start marker at 3 ms, then one block every 3 ms: no sitting out two seconds.
  EXPECT_EQ(b.oyente.momentosFin[0], 3 + 192 * 3);
  EXPECT_EQ(b.oyente.momentosFin[1], b.oyente.momentosFin[0] + 3 + 64 * 3);

  // "lh" went out as a typed command right after the last "pn".
  std::size_t lh = 0;
  while (lh < b.transporte.escritos.size() && !Banco::empieza(b.transporte.escritos[lh], "lh")) ++lh;
  ASSERT_EQ(lh, 1u + 193u);
  const BufferReporte& r = b.transporte.escritos[lh];
  EXPECT_EQ(r[3], 13);
  EXPECT_EQ(r[5], 0);
  EXPECT_EQ(b.oyente.registro.at(0).texto, "lh\r");
  // The history now overlays the image's first 4,096 bytes, and only those.
  EXPECT_TRUE(std::equal(b.panel.historial.begin(), b.panel.historial.end(), b.img.begin()));
  EXPECT_TRUE(std::equal(b.panel.datos.begin() + 4096, b.panel.datos.end(), b.img.begin() + 4096));
  EXPECT_FALSE(b.consola.ocupado());
}

TEST(Lectura, LaImagenDeDatosEstaCompletaCuandoSeAvisaElFin) {
  struct Oyente : link::prueba::OyenteGrabador {
    const imagen::ImagenMemoria* img = nullptr;
    std::vector<std::uint8_t> copia;
    void secuenciaTerminada(const ResultadoSecuencia& r) override {
      if (r.tipo == TipoSecuencia::Lectura) copia.assign(img->begin(), img->begin() + 12288);
    }
  };
  BancoLectura b;
  Oyente o;
  o.img = &b.img;
  Consola consola(b.transporte, o, b.cfg, b.img, 0);
  consola.leerProgramacion(0);
  while (b.transporte.proximaRespuesta()) {
    b.ahora = *b.transporte.proximaRespuesta();
    b.transporte.entrantes.push_back(b.transporte.tomarRespuesta());
    consola.alEvento({link::EventoHid::ReporteEsperando, link::prueba::kPanel}, b.ahora);
  }
  EXPECT_EQ(o.copia, b.panel.datos);
}

TEST(Lectura, SinRespuestaEnDosSegundosNoTocaLasTablas) {
  BancoLectura b;
  b.panel.responder = false;
  ASSERT_TRUE(b.consola.leerProgramacion(100));
  ASSERT_TRUE(b.correrHasta(2099));
  EXPECT_TRUE(b.oyente.resultados.empty());
  EXPECT_TRUE(b.consola.ocupado());
  ASSERT_TRUE(b.correrHasta(2100));
  ASSERT_EQ(b.oyente.resultados.size(), 1u);
  EXPECT_EQ(b.oyente.resultados[0].fin, FinSecuencia::SinRespuesta);
  ASSERT_EQ(b.oyente.cajas.size(), 1u);
  EXPECT_EQ(b.oyente.cajas[0].texto, "El panel no respondió. La programación mostrada no cambió.");
  EXPECT_EQ(b.oyente.cajas[0].titulo, "OrDA");
  EXPECT_TRUE(b.cfg == b.editada());
  EXPECT_EQ(b.contar("lh"), 0);  // no history asked of a silent panel
  EXPECT_FALSE(b.consola.ocupado());
}

TEST(Lectura, DesenchufarTrasCualquierBloqueLaInterrumpe) {
  for (int k = 0; k < 192; ++k) {
    BancoLectura b;
    b.panel.bloquesHasta = k;
    b.consola.leerProgramacion(0);
    ASSERT_TRUE(b.correr(1000));
    ASSERT_EQ(b.consola.enlace().volcado().bloqueVolcado, k);
    b.evento(link::EventoHid::Desconectado, link::prueba::kPanel);
    ASSERT_EQ(b.oyente.resultados.size(), 1u) << k;
    EXPECT_EQ(b.oyente.resultados[0].fin, FinSecuencia::Interrumpida) << k;
    EXPECT_EQ(b.oyente.momentosFin[0], 1000) << k;
    EXPECT_TRUE(b.cfg == b.editada()) << k;
    EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, link::kSinVolcado);
    EXPECT_FALSE(b.consola.ocupado());
    EXPECT_EQ(b.oyente.cajas.at(0).texto, "La transferencia se interrumpió. La programación mostrada no cambió.");
  }
}

TEST(Lectura, TransferenciaEstancadaSeInterrumpeADosSegundosDelUltimoBloque) {
  BancoLectura b;
  b.panel.bloquesHasta = 100;
  b.consola.leerProgramacion(0);
  ASSERT_TRUE(b.correr(10000));
  ASSERT_EQ(b.oyente.resultados.size(), 1u);
  EXPECT_EQ(b.oyente.resultados[0].fin, FinSecuencia::Interrumpida);
  EXPECT_EQ(b.oyente.momentosFin[0], 3 + 100 * 3 + 2000);
  EXPECT_TRUE(b.cfg == b.editada());

  // The link is free again: a new read goes through.
  b.panel.bloquesHasta = -1;
  ASSERT_TRUE(b.consola.leerProgramacion(b.ahora));
  ASSERT_TRUE(b.correr(5000));
  EXPECT_EQ(b.oyente.resultados.at(1).fin, FinSecuencia::Completa);
  EXPECT_EQ(b.cfg.entradas.texto(3, 1), "PORTON");
}

TEST(Historial, FinesYMensajes) {
  struct Caso {
    bool responder;
    int bloquesHasta;
    FinSecuencia fin;
    const char* mensaje;  // nullptr: no box
    std::int64_t momento;
  };
  const Caso casos[] = {
      {true, -1, FinSecuencia::Completa, nullptr, 3 + 64 * 3},
      {false, -1, FinSecuencia::SinRespuesta, "El panel no respondió. Se mantienen los registros mostrados.", 2000},
      {true, 10, FinSecuencia::Interrumpida, "La transferencia de registros históricos se interrumpió.",
       3 + 10 * 3 + 2000},
  };
  for (const auto& c : casos) {
    BancoLectura b;
    b.panel.responder = c.responder;
    b.panel.bloquesHasta = c.bloquesHasta;
    b.img.fill(0x11);
    ASSERT_TRUE(b.consola.refrescarHistorial(0));
    ASSERT_TRUE(b.correr(5000));
    ASSERT_EQ(b.oyente.resultados.size(), 1u);
    EXPECT_EQ(b.oyente.resultados[0], (ResultadoSecuencia{TipoSecuencia::Historial, c.fin, 0}));
    EXPECT_EQ(b.oyente.momentosFin[0], c.momento);
    if (c.mensaje) {
      ASSERT_EQ(b.oyente.cajas.size(), 1u);
      EXPECT_EQ(b.oyente.cajas[0].texto, c.mensaje);
      EXPECT_EQ(b.oyente.cajas[0].titulo, "OrDA");
    } else {
      EXPECT_TRUE(b.oyente.cajas.empty());
      EXPECT_TRUE(std::equal(b.panel.historial.begin(), b.panel.historial.end(), b.img.begin()));
    }
    EXPECT_EQ(b.img[4096], 0x11);
    EXPECT_FALSE(b.consola.ocupado());
  }
}

TEST(Historial, UnaFuerzaEnColaEsperaAQueTermineLaTransferencia) {
  BancoLectura b;
  b.consola.seleccionarCanal(1, 0);
  b.consola.enviarHora({2025, 1, 1, 0, 0, 0}, 0);  // acknowledged 3 ms later
  ASSERT_TRUE(b.consola.forzarSalida(2, 0));        // waits for that acknowledgement
  ASSERT_TRUE(b.consola.refrescarHistorial(1));
  ASSERT_TRUE(b.correr(5000));
  std::size_t fuerza = 0;
  while (!Banco::empieza(b.transporte.escritos.at(fuerza), "ts3")) ++fuerza;
  // Not in the middle of the pages: as soon as the transfer ended.
  EXPECT_EQ(b.transporte.momentos[fuerza], b.oyente.momentosFin.at(0));
}

}  // namespace
}  // namespace orda::secuencias::prueba
