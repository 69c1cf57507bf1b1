// The link: plug and unplug, and every kind of incoming report.
#include <gtest/gtest.h>

#include "link/banco.h"

namespace orda::link::prueba {
namespace {

using namespace std::string_literals;

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
  b.recibir("\x02"s);  // a transfer under way is not the other device's
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
  b.recibir("bloque");
  b.correr(1999);
  EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, kVolcadoDatos);
  b.correr(1);
  EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, kSinVolcado);
}

// Each report after live values for every input and output: the line it
// logs (none for the signal level, which is shown instead, nor for the
// values), the values it changes, and the input buffer cleared but for byte 64.
TEST(Reportes, LineaRegistradaSenalOValoresYBufferLimpio) {
  struct Caso {
    std::string reporte, linea;
    std::string imagen = {}, texto = {};  // shown in the signal panel
    // Input 8's value and state, input 7's and input 1's values / the outputs.
    std::string vivo = "5 5 6 12 / -1 0 -1 0";
  };
  const Caso casos[] = {
      {"OK\r\n!", "OK  !\n"},
      {"\x01\x1f\t\x80\xe9", "•••€é\n"},
      {"A\0B"s, "A\n"},
      {"\0x"s, "\n"},                               // a zero first byte: an empty line
      {std::string(64, 'x'), std::string(63, 'x') + "\n"},  // byte 64 never enters the text
      {"\x03h", "•h\n"},                            // the history start marker is logged
      {"sq:17", "", "L4", "Muy buena"},
      {"sq: 5", "", "L2", "Regular"},
      {"sq:99", "", "L5", "Excelente"},
      {"sq:00", "", "L0_INT", "Sin señal"},
      {"sq:04", "", "L1", "Mala"},
      {"sq:14", "", "L3", "Buena"},
      {"E8;2.5;1.5", "", "", "", "2 2 6 12 / -1 0 -1 0"},      // halves to the even neighbour
      {"E8;-2.5", "", "", "", "-2 5 6 12 / -1 0 -1 0"},        // fewer fields: the others stay
      {"E8;abc;x;1e2", "", "", "", "0 0 100 12 / -1 0 -1 0"},  // not a number counts as 0
      {"E8;40000;256", "", "", "", "5 5 6 12 / -1 0 -1 0"},    // out of range: unchanged
      {"E9;0", "", "", "", "5 5 6 12 / 0 0 -1 0"},
  };
  for (const auto& c : casos) {
    Banco b;
    b.recibir("E8;5;5;6;6;7;7;8;8;9;9;10;10;11;11;12;12");  // inputs 8 down to 1
    b.recibir("E9;1;0;-1;0.0");
    const BufferReporte r = reporte(c.reporte);
    b.recibir(r);
    using Registro = decltype(b.oyente.registro);
    EXPECT_EQ(b.oyente.registro, (c.linea.empty() ? Registro{} : Registro{{c.linea, kNegro}})) << c.reporte;
    EXPECT_EQ(OyenteGrabador::ultimo(b.oyente.imagenes, kPanelSenal), c.imagen);
    EXPECT_EQ(b.oyente.texto(kPanelSenal), c.texto);
    const Enlace& e = b.consola.enlace();
    const auto& v = e.valoresAnalogicos();
    std::string vivo = std::to_string(v[7]) + " " + std::to_string(e.estadoEntradas()[7]) + " " +
                       std::to_string(v[6]) + " " + std::to_string(v[0]) + " /";
    for (int i = 0; i < 4; ++i) vivo += " " + std::to_string(e.estadoSalidas()[i]);
    EXPECT_EQ(vivo, c.vivo) << c.reporte;
    EXPECT_EQ(b.oyente.graf, 1 + c.reporte.starts_with("E8")) << c.reporte;
    EXPECT_EQ(b.oyente.ledSalidas, 1 + c.reporte.starts_with("E9")) << c.reporte;
    const BufferReporte& en = e.bufferEntrada();
    EXPECT_TRUE(std::all_of(en.begin(), en.begin() + 64, [](std::uint8_t x) { return x == 0; }));
    EXPECT_EQ(en[64], r[64]);
  }
}

// Blocks that look like an answer are stored and nothing else; a last block
// starting with 2 starts nothing. Only a real answer, whose case matters,
// clears the wait for an acknowledgement, and is logged.
TEST(Transferencias, UnBloqueEsSoloUnBloqueYSoloUnaRespuestaConfirma) {
  Banco b;
  b.consola.enviarHora({2025, 1, 1, 0, 0, 0}, 0);
  b.recibir("\x02"s);
  for (const char* t : {"sq:17", "E8;1;1", "grabado"}) b.recibir(t);
  for (int k = 3; k < 191; ++k) b.recibir("bloque");
  b.recibir("\x02"s);
  EXPECT_EQ(b.consola.enlace().volcado().modoVolcado, kSinVolcado);
  EXPECT_EQ(contar(b.pedidos(), "pn"), 193);
  EXPECT_TRUE(b.oyente.imagenes.empty() && b.oyente.registro.empty());
  EXPECT_EQ(b.oyente.graf, 0);
  EXPECT_EQ(b.img[64 * 2], 'g');
  b.recibir("GRABADO");
  EXPECT_TRUE(b.consola.enlace().esperandoConfirmacion());
  b.recibir("Hora grabada");
  EXPECT_FALSE(b.consola.enlace().esperandoConfirmacion());
  EXPECT_EQ(b.oyente.registro.back().first, "Hora grabada\n");
}

}  // namespace
}  // namespace orda::link::prueba
