// The simulated panel's answers, report by report: monitoring, clock and
// outputs, identity, records and its history; what its transport never
// delivers. The transfers themselves are driven end to end by the sequence
// tests, the transport's timing by the window tests that run the console on it.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/config/globales.h"
#include "core/config/validacion.h"
#include "core/history/filas.h"
#include "core/history/memoria.h"
#include "core/programming/aprogramar.h"
#include "core/simulator/demo.h"
#include "core/simulator/panel.h"
#include "core/simulator/transporte_simulado.h"
#include "link/banco.h"

namespace orda::simulator {
namespace {

using namespace std::string_literals;

struct Banco {
  PanelSimulado panel;
  std::int64_t ahora = 0;

  explicit Banco(OpcionesPanel o = {}) : panel(o, 0) {}
  std::vector<link::BufferReporte> enviar(std::string_view texto) {
    return panel.recibir(link::prueba::reporte(texto), ahora);
  }
  // The single answer's text.
  std::string texto(std::string_view comando) {
    const auto r = enviar(comando);
    if (r.size() != 1) return "<" + std::to_string(r.size()) + " respuestas>";
    return std::string(reinterpret_cast<const char*>(r[0].data() + 1));
  }
};

// "va" answers every input's value and state as the console reads them
// (input 8 first); input 1's states follow the thresholds and trigger its
// record holds. (The signal level is checked where the status bar shows it.)
TEST(SimuladoMonitoreo, E8SegunLaProgramacion) {
  struct Caso {
    const char* inferior;
    const char* hab;
    std::set<int> esperados;
  };
  const Caso casos[] = {
      {"0.50", "OKG", {0, 1, 2}},
      {"0.50", "NOG2", {0, 1}},  // trigger disabled
      {"0.00", "OKG", {0}},      // never below 0 V
  };
  for (const Caso& c : casos) {
    Banco b;
    config::Configuracion cfg = configuracionDemostracion();
    cfg.entradas.ponerTexto(3, 37, "1.20");
    cfg.entradas.ponerTexto(3, 38, c.inferior);
    cfg.entradas.ponerImagen(3, 7, c.hab);
    imagen::ImagenMemoria img{};
    link::BufferReporte buffer{};
    programming::aProgramar(cfg, img).reportes.front().aplicarSobre(buffer);
    b.panel.recibir(buffer, 0);
    std::set<int> vistos;
    for (; b.ahora < 180000; b.ahora += 50) {
      const std::string va = b.texto("va");
      std::string esperado = "E8";  // input 8 first
      for (int i = 7; i >= 0; --i) {
        esperado += ";" + std::to_string(b.panel.valorEntrada(i)) + ";" + std::to_string(b.panel.estadoEntrada(i));
      }
      ASSERT_EQ(va, esperado);
      vistos.insert(b.panel.estadoEntrada(0));
    }
    EXPECT_EQ(vistos, c.esperados) << c.inferior << " " << c.hab;
  }
}

// The daily programs of outputs 2 and 3; then clock and date in BCD,
// outputs, identity and unknown commands, one after another on the same panel.
TEST(SimuladoComandos, ProgramasDiariosYRespuestaDeCadaUno) {
  Banco b;
  // Each step: set the clock, then let 31 s pass; outputs 2 (yard light,
  // 20:00-06:30) and 3 (pump, on, 07:00-07:30) as they stand afterwards.
  struct Paso {
    std::string hora;
    bool luz, bomba;
  };
  const Paso pasos[] = {
      {"cH\x19\x59\0"s, false, true},
      {"cH\x19\x59\x30", true, true},    // 20:00
      {"cH\x06\x29\x30", false, true},   // 06:30
      {"cH\x20\x30\0"s, false, true},    // the clock jumped over 20:00: nothing fires
      {"cH\x07\x29\x30", false, false},  // 07:30
      {"cH\x06\x59\x30", false, true},   // 07:00
  };
  for (const Paso& p : pasos) {
    b.enviar(p.hora);
    b.ahora += 31000;
    b.panel.avanzar(b.ahora);
    EXPECT_EQ(b.panel.salida(1), p.luz) << int(p.hora[2]) << ":" << int(p.hora[3]);
    EXPECT_EQ(b.panel.salida(2), p.bomba) << int(p.hora[2]) << ":" << int(p.hora[3]);
  }
  const std::pair<std::string, const char*> casos[] = {
      {"cH\x23\x59\x58", "Hora grabada: 23:59:58"},
      {"cH\x24\0\0"s, "Hora invalida"},
      {"cH\x1A\0\0"s, "Hora invalida"},
      {"cF\x29\x02\x25", "Fecha invalida"},  // 2025 is not a leap year
      {"cF\x29\x02\x24", "Fecha grabada: 29/02/24"},
      {"cF\x31\x12\x25", "Fecha grabada: 31/12/25"},
      {"vA", "E9;0;0;1;0"},
      {"ts3", "Forzado grabado: salida 3 desactivada"},
      {"ts1", "Forzado grabado: salida 1 activada"},
      {"vA", "E9;1;0;0;0"},
      {"ts5", "Salida inexistente"},
      {"V!203\r", "Version grabada: 203"},
      {"S!54321\r", "Serie grabada: 54321"},
      {"V!2\r", "Version invalida"},
      {"Hc4321\r", "Comando no reconocido: Hc4321"},
      {"", "Comando no reconocido"},
  };
  for (const auto& [comando, respuesta] : casos) EXPECT_EQ(b.texto(comando), respuesta) << comando;
  EXPECT_EQ(b.panel.version(), "203");
  EXPECT_EQ(b.panel.serial(), "54321");
  b.ahora += 3000;  // past midnight
  const FechaHora t = b.panel.reloj(b.ahora);
  EXPECT_EQ((std::vector<int>{t.anio, t.mes, t.dia, t.hora, t.minuto, t.segundo}),
            (std::vector<int>{2026, 1, 1, 0, 0, 1}));
}

TEST(SimuladoDeterminismo, MismaVarianteMismasRespuestas) {
  auto guion = [](std::uint64_t semilla) {
    Banco b(OpcionesPanel{semilla, {2025, 3, 7, 13, 45, 0}});
    std::string todo;
    for (b.ahora = 0; b.ahora < 200000; b.ahora += 700) todo += b.texto("va") + b.texto("sq") + "|";
    const auto& h = b.panel.memoriaHistorial();
    return todo + std::string(h.begin(), h.end());
  };
  EXPECT_EQ(guion(7), guion(7));
  EXPECT_NE(guion(7), guion(8));
}

// Record commands store the record bytes the report carries: the first
// min(size, 62), at the record's place; nothing else moves. The panel's own
// texts go apart; out of range is not acknowledged.
TEST(SimuladoRegistros, GuardanExactamenteLosBytesTransmitidos) {
  struct Caso {
    std::uint8_t comando, indice;
    std::size_t inicio, tamano;
  };
  const Caso casos[] = {
      {21, 3, 0x2000 + 64 * 3, 62}, {22, 2, 0x2800 + 51 * 2, 51}, {23, 0x77, 0x2F00, 62},
      {24, 10, 64 * 10, 62},        {24, 64, 64 * 64, 62},         {25, 9, 0x2C00 + 32 * 9, 32},
      {21, 8, 0, 0},                {22, 4, 0, 0},                 {24, 71, 0, 0},
      {25, 10, 0, 0},
  };
  for (const Caso& c : casos) {
    Banco b;
    MemoriaDatos esperada = b.panel.memoriaDatos();
    std::string r{static_cast<char>(c.comando), static_cast<char>(c.indice)};
    for (std::size_t k = 3; k < link::kTamanoReporte; ++k) r += static_cast<char>(0x80 + k);
    std::copy_n(r.begin() + 2, c.tamano, esperada.begin() + static_cast<std::ptrdiff_t>(c.inicio));
    const std::string respuesta = b.texto(r);
    EXPECT_EQ(respuesta.rfind(c.tamano > 0 ? "Grabado: " : "Registro fuera de rango: ", 0), 0u) << respuesta;
    EXPECT_TRUE(b.panel.memoriaDatos() == esperada) << int(c.comando) << "/" << int(c.indice);
  }
  Banco b;
  const MemoriaDatos antes = b.panel.memoriaDatos();
  EXPECT_EQ(b.texto("\x18" "CHOLA"), "Grabado: mensaje 67");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.panel.textosPropios()[2].data())), "HOLA");
  EXPECT_EQ(b.panel.memoriaDatos(), antes);
}

// The events the console's own actions log, and the transfer that ends with
// its last block: a further "pn" asks for nothing.
TEST(SimuladoHistorial, ReferenciaValidaYEventosReales) {
  Banco b;
  b.ahora = 2000;
  b.enviar("cH\x14\x05\0"s);
  b.enviar("ts2");
  b.enviar(std::string{21, 0});
  ASSERT_EQ(b.enviar("lh").size(), 1u);
  for (int k = 0; k < 64; ++k) ASSERT_EQ(b.enviar("pn").size(), 1u) << k;
  EXPECT_TRUE(b.enviar("pn").empty());
  const config::Configuracion demo = configuracionDemostracion();
  const history::Historial v = history::filasHistorial(b.panel.memoriaHistorial(), demo.entradas, demo.tree);
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

// What the console never meets, as it only writes to a plugged panel whose
// reading it turned on: nothing written before the panel is plugged, no
// answer while reading is off, none after Disconnect.
TEST(SimuladoTransporte, SinEnchufeSinLecturaOTrasDesconectarNadaLlega) {
  std::int64_t ahora = 0;
  TransporteSimulado t([&] { return ahora; });
  int llegadas = 0;
  t.alEvento = [&](const link::Evento& e) { llegadas += e.tipo == link::EventoHid::ReporteEsperando; };
  const auto escribir = [&] { return t.WriteEx(link::kVendorId, link::kProductId, link::prueba::reporte("vA")); };
  EXPECT_FALSE(escribir());
  t.Connect();
  t.alVencer(ahora = 500);
  t.SetReadNotify(TransporteSimulado::kHandlePanel, true);
  t.SetReadNotify(TransporteSimulado::kHandlePanel, false);
  EXPECT_TRUE(escribir());
  t.alVencer(ahora = 600);
  t.SetReadNotify(TransporteSimulado::kHandlePanel, true);
  EXPECT_TRUE(escribir());
  t.Disconnect();
  t.alVencer(ahora = 700);
  EXPECT_EQ(llegadas, 0);
  EXPECT_FALSE(escribir());
}

// The demo configuration is what every user of `--simulate` edits, saves and
// programs back: each of its values must be one the editors accept.
TEST(Demostracion, CadaValorPasaLaRevisionDeSuEditor) {
  const config::Configuracion c = configuracionDemostracion();
  for (const config::Tabla* t : {&c.entradas, &c.salidas, &c.tree}) {
    for (int f = config::Tabla::kPrimeraFila; f <= t->ultimaFila(); ++f) {
      for (int col = 1; col < t->columnas(); ++col) {
        const config::CellKind k = t->columna(col).tipo;
        if (k != config::CellKind::Text && k != config::CellKind::Time) continue;
        const auto v = config::validarLeaveCell(*t, col, t->texto(f, col));
        EXPECT_NE(v.accion, config::ValidacionCelda::Accion::Rechazar)
            << "fila " << f << " columna " << col << ": " << t->texto(f, col) << " -> " << v.aviso.texto;
      }
    }
  }
  for (int caja = 1; caja <= 8; ++caja) {
    EXPECT_FALSE(config::revisarTextoGlobal(caja, c.globales.text[static_cast<std::size_t>(caja)]).aviso) << caja;
  }
}

}  // namespace
}  // namespace orda::simulator
