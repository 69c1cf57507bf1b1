// The panel's live answers: signal, monitoring, outputs, clock, identity.
#include <gtest/gtest.h>

#include <set>

#include "core/history/memoria.h"
#include "core/programming/aprogramar.h"
#include "simulator/banco.h"
#include "core/simulator/demo.h"
#include "core/texto/numero.h"

namespace orda::simulator {
namespace {

std::vector<std::string> campos(const std::string& t) {
  std::vector<std::string> v(1);
  for (char c : t) {
    if (c == ';') v.emplace_back();
    else v.back() += c;
  }
  return v;
}

TEST(SimuladoMonitoreo, E8YE9ComoLosLeeLaConsola) {
  Banco b;
  std::set<int> estados;
  for (b.ahora = 0; b.ahora < 120000; b.ahora += 100) {
    const auto f = campos(b.texto("va"));
    ASSERT_EQ(f.size(), 17u);
    ASSERT_EQ(f[0], "E8");
    for (int i = 0; i < 8; ++i) {
      // Field 2i + 1 is input 8 - i: the console stores it reversed.
      const int valor = static_cast<int>(texto::valorNumerico(f[2 * i + 1]));
      const int estado = static_cast<int>(texto::valorNumerico(f[2 * i + 2]));
      ASSERT_EQ(valor, b.panel.valorEntrada(7 - i));
      ASSERT_GE(valor, 85);
      ASSERT_LE(valor, 938);
      ASSERT_EQ(estado, b.panel.estadoEntrada(7 - i));
      if (i == 7) estados.insert(estado);
    }
  }
  // The front door opens and triggers within two minutes.
  EXPECT_EQ(estados, (std::set<int>{0, 1, 2}));

  EXPECT_EQ(b.texto("vA"), "E9;0;0;1;0");
  EXPECT_EQ(b.texto("ts", {'3'}), "Forzado grabado: salida 3 desactivada");
  EXPECT_EQ(b.texto("ts", {'1'}), "Forzado grabado: salida 1 activada");
  EXPECT_EQ(b.texto("vA"), "E9;1;0;0;0");
  EXPECT_EQ(b.texto("ts", {'5'}), "Salida inexistente");
}

// Input states follow the thresholds and delays the input record holds.
TEST(SimuladoMonitoreo, EstadosSegunLaProgramacion) {
  struct Caso {
    const char* superior;
    const char* inferior;
    const char* hab;
    std::set<int> esperados;
  };
  const Caso casos[] = {
      {"1.20", "0.50", "OKG", {0, 1, 2}},
      {"1.20", "0.50", "NOG2", {0, 1}},   // trigger disabled
      {"1.20", "0.00", "OKG", {0}},       // never below 0 V
  };
  for (const Caso& c : casos) {
    Banco b;
    config::Configuracion cfg = configuracionDemostracion();
    cfg.entradas.ponerTexto(3, 37, c.superior);
    cfg.entradas.ponerTexto(3, 38, c.inferior);
    cfg.entradas.ponerImagen(3, 7, c.hab);
    imagen::ImagenMemoria img{};
    link::BufferReporte buffer{};
    programming::aProgramar(cfg, img).reportes.front().aplicarSobre(buffer);
    b.enviar(buffer);
    std::set<int> vistos;
    for (; b.ahora < 180000; b.ahora += 50) {
      b.panel.avanzar(b.ahora);
      vistos.insert(b.panel.estadoEntrada(0));
    }
    EXPECT_EQ(vistos, c.esperados) << c.inferior << " " << c.hab;
  }
}

TEST(SimuladoMonitoreo, SenalConDosCaracteres) {
  Banco b;
  for (b.ahora = 0; b.ahora < 600000; b.ahora += 5000) {
    const auto r = b.enviar("sq");
    ASSERT_EQ(r.size(), 1u);
    const int v = r[0][4] == ' ' ? r[0][5] - '0' : (r[0][4] - '0') * 10 + r[0][5] - '0';
    EXPECT_EQ(v, b.panel.nivelSenal(b.ahora));
    EXPECT_GE(v, 11);
    EXPECT_LE(v, 25);
  }
}

TEST(SimuladoReloj, HoraYFechaEnBcd) {
  struct Caso {
    const char* comando;
    std::vector<std::uint8_t> bcd;
    const char* respuesta;
  };
  const Caso casos[] = {
      {"cH", {0x23, 0x59, 0x58}, "Hora grabada: 23:59:58"},
      {"cF", {0x31, 0x12, 0x25}, "Fecha grabada: 31/12/25"},
      {"cH", {0x24, 0x00, 0x00}, "Hora invalida"},
      {"cH", {0x1A, 0x00, 0x00}, "Hora invalida"},
      {"cF", {0x29, 0x02, 0x25}, "Fecha invalida"},   // 2025 is not a leap year
      {"cF", {0x29, 0x02, 0x24}, "Fecha grabada: 29/02/24"},
      {"cF", {0x31, 0x12, 0x25}, "Fecha grabada: 31/12/25"},
  };
  Banco b;
  for (const Caso& c : casos) EXPECT_EQ(b.texto(c.comando, c.bcd), c.respuesta);
  b.ahora += 3000;  // past midnight
  const FechaHora t = b.panel.reloj(b.ahora);
  EXPECT_EQ((std::vector<int>{t.anio, t.mes, t.dia, t.hora, t.minuto, t.segundo}),
            (std::vector<int>{2026, 1, 1, 0, 0, 1}));
}

TEST(SimuladoReloj, ProgramasDiariosDeLasSalidas) {
  Banco b;
  // Each step: set the clock, then let 31 s pass; outputs 2 (yard light,
  // 20:00-06:30) and 3 (pump, on, 07:00-07:30) as they stand afterwards.
  struct Paso {
    std::vector<std::uint8_t> hora;
    bool luz, bomba;
  };
  const Paso pasos[] = {
      {{0x19, 0x59, 0x00}, false, true},
      {{0x19, 0x59, 0x30}, true, true},    // 20:00
      {{0x06, 0x29, 0x30}, false, true},   // 06:30
      {{0x20, 0x30, 0x00}, false, true},   // the clock jumped over 20:00: nothing fires
      {{0x07, 0x29, 0x30}, false, false},  // 07:30
      {{0x06, 0x59, 0x30}, false, true},   // 07:00
  };
  for (const Paso& p : pasos) {
    b.enviar("cH", p.hora);
    b.ahora += 31000;
    b.panel.avanzar(b.ahora);
    EXPECT_EQ(b.panel.salida(1), p.luz) << int(p.hora[0]) << ":" << int(p.hora[1]);
    EXPECT_EQ(b.panel.salida(2), p.bomba) << int(p.hora[0]) << ":" << int(p.hora[1]);
  }
}

TEST(SimuladoIdentidad, VersionSerieYComandosDesconocidos) {
  Banco b;
  EXPECT_EQ(b.texto("V!203\r"), "Version grabada: 203");
  EXPECT_EQ(b.texto("S!54321\r"), "Serie grabada: 54321");
  EXPECT_EQ(b.texto("V!2\r"), "Version invalida");
  EXPECT_EQ(b.panel.version(), "203");
  EXPECT_EQ(b.panel.serial(), "54321");
  EXPECT_EQ(b.texto("Hc4321\r"), "Comando no reconocido: Hc4321");
  EXPECT_EQ(b.texto(""), "Comando no reconocido");
}

TEST(SimuladoDeterminismo, MismaVarianteMismasRespuestas) {
  auto guion = [](std::uint64_t semilla) {
    Banco b(OpcionesPanel{semilla, {2025, 3, 7, 13, 45, 0}});
    std::string todo;
    for (b.ahora = 0; b.ahora < 200000; b.ahora += 700) {
      todo += b.texto("va") + b.texto("vA") + b.texto("sq") + "|";
      if (b.ahora % 70000 == 0) b.enviar("ts", {'4'});
    }
    const auto h = b.volcar("lh", 3, 64);
    return todo + std::string(h.begin(), h.end());
  };
  EXPECT_EQ(guion(7), guion(7));
  EXPECT_NE(guion(7), guion(8));
}

}  // namespace
}  // namespace orda::simulator
