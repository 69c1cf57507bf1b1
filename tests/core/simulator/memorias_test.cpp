// The panel's memories over the link: transfers, record commands, history.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/history/filas.h"
#include "core/programming/aprogramar.h"
#include "core/reading/decodificar.h"
#include "core/simulator/demo.h"
#include "simulator/banco.h"

namespace orda::simulator {
namespace {

TEST(SimuladoTransferencias, DatosEnCientoNoventaYDosBloquesReproducenLaMemoria) {
  Banco b;
  const auto m = b.volcar("lt", 2, 192);
  ASSERT_EQ(m.size(), kTamanoDatos);
  EXPECT_TRUE(std::equal(m.begin(), m.end(), b.panel.memoriaDatos().begin()));
  EXPECT_EQ(b.enviar("pn").size(), 0u);  // nothing more after the 193rd "pn" either

  // The demo memory reads back into the demo configuration and programs the same bytes again.
  imagen::ImagenMemoria img{};
  std::copy(m.begin(), m.end(), img.begin());
  config::Configuracion leida;
  reading::decodificarImagen(img, leida);
  reading::restaurarClave(img, leida);
  EXPECT_EQ(leida.entradas.texto(3, 1), "PUERTA PPAL");
  EXPECT_EQ(leida.tree.texto(3, 3), "1143215678");
  EXPECT_EQ(leida.salidas.texto(4, 1), "LUZ PATIO");
  EXPECT_EQ(leida.versionPanel, "202");
  EXPECT_EQ(leida.serialPanel, "12345");
  imagen::ImagenMemoria otra{};
  const auto corrida = programming::aProgramar(leida, otra);
  ASSERT_TRUE(corrida.errores.empty());
  EXPECT_TRUE(std::equal(m.begin(), m.end(), otra.begin()));
}

// Record commands store the record bytes the report carries: the first
// min(size, 62), at the record's place; nothing else moves.
TEST(SimuladoRegistros, GuardanExactamenteLosBytesTransmitidos) {
  struct Caso {
    std::uint8_t comando, indice;
    std::size_t inicio, tamano;
  };
  const Caso casos[] = {
      {21, 3, 0x2000 + 64 * 3, 62}, {22, 2, 0x2800 + 51 * 2, 51}, {23, 0x77, 0x2F00, 62},
      {24, 10, 64 * 10, 62},        {24, 64, 64 * 64, 62},         {25, 9, 0x2C00 + 32 * 9, 32},
  };
  for (const Caso& c : casos) {
    Banco b;
    const MemoriaDatos antes = b.panel.memoriaDatos();
    link::BufferReporte r{};
    r[1] = c.comando;
    r[2] = c.indice;
    for (std::size_t k = 3; k < r.size(); ++k) r[k] = static_cast<std::uint8_t>(0x80 + k);
    const auto resp = b.enviar(r);
    ASSERT_EQ(resp.size(), 1u);
    EXPECT_NE(std::string(reinterpret_cast<const char*>(resp[0].data() + 1)).find("rabad"), std::string::npos);
    const MemoriaDatos& despues = b.panel.memoriaDatos();
    for (std::size_t k = 0; k < kTamanoDatos; ++k) {
      const bool dentro = k >= c.inicio && k < c.inicio + c.tamano;
      ASSERT_EQ(despues[k], dentro ? r[3 + k - c.inicio] : antes[k]) << int(c.comando) << " byte " << k;
    }
  }
}

TEST(SimuladoRegistros, TextosPropiosAparteYFueraDeRangoSinConfirmar) {
  Banco b;
  const MemoriaDatos antes = b.panel.memoriaDatos();
  EXPECT_EQ(b.texto(std::string{24, 67}, {'H', 'O', 'L', 'A'}), "Grabado: mensaje 67");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.panel.textosPropios()[2].data())), "HOLA");
  for (auto [cmd, idx] : {std::pair{21, 8}, {22, 4}, {24, 71}, {25, 10}}) {
    const std::string t = b.texto(std::string{static_cast<char>(cmd), static_cast<char>(idx)});
    EXPECT_EQ(t.find("rabad"), std::string::npos) << t;
  }
  EXPECT_EQ(b.panel.memoriaDatos(), antes);
}

TEST(SimuladoHistorial, TransferenciaConReferenciaValidaYEventosReales) {
  Banco b;
  b.ahora = 2000;
  b.enviar("cH", {0x14, 0x05, 0x00});
  b.enviar("ts2");
  b.enviar(std::string{21, 0});
  const auto h = b.volcar("lh", 3, 64);
  ASSERT_EQ(h.size(), kTamanoHistorialPanel);

  const config::Configuracion demo = configuracionDemostracion();
  const history::Historial v = history::filasHistorial(h, demo.entradas, demo.tree);
  ASSERT_FALSE(v.cantidad.limitada);
  ASSERT_EQ(v.cantidad.cantidad, b.panel.cantidadRegistros());
  std::vector<std::string> d;
  for (const auto& f : v.filas) {
    ASSERT_TRUE(f.ok()) << f.indice << ": " << f.error;
    d.push_back(f.descripcion);
  }
  EXPECT_EQ(d.front(), "Registro de referencia:  " + std::to_string(d.size()) + " registros");
  EXPECT_NE(std::find(d.begin(), d.end(), "Disparo por zona 1: PUERTA PPAL"), d.end());
  const std::vector<std::string> ultimos(d.end() - 5, d.end());
  const std::vector<std::string> esperados = {
      "Inicio del sistema: Conexión de la alimentación", "Actualización hora de sistema por USB",
      "Forzado de salida 2 por USB: Activada", "Grabación de parámetros vía USB", "Lectura de registros históricos"};
  EXPECT_EQ(ultimos, esperados);
  EXPECT_EQ(v.filas.back().fecha, "07/03/25");
  EXPECT_EQ(v.filas.back().hora, "14:05:00");
}

TEST(SimuladoHistorial, LlenoSeFormateaYSigueLegible) {
  Historial h(FechaHora{2025, 1, 1, 0, 0, 0});
  for (int k = 1; k < history::kMaxRegistros; ++k) h.agregar(FechaHora{2025, 1, 1, 0, 0, 1}, evento::kArmadoUsb);
  EXPECT_EQ(h.cantidad(), history::kMaxRegistros);
  h.agregar(FechaHora{2025, 1, 2, 0, 0, 0}, evento::kDesarmadoUsb);
  EXPECT_EQ(h.cantidad(), 3);
  const auto r1 = history::registroEn(h.memoria(), 1), r2 = history::registroEn(h.memoria(), 2);
  EXPECT_EQ(r1->codigo1, evento::kFormateado);
  EXPECT_EQ(r2->codigo1, evento::kDesarmadoUsb);
  EXPECT_EQ(h.memoria()[history::direccionRegistro(3)], 0xFF);
}

}  // namespace
}  // namespace orda::simulator
