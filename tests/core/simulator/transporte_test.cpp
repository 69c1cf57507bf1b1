// The simulated panel behind the transport interface, in virtual time.
#include "core/simulator/transporte_simulado.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orda::simulator {
namespace {

using link::EventoHid;

// A minimal console: enables reading on every plug and reads every waiting
// report.
struct Consola {
  std::int64_t ahora = 0;
  TransporteSimulado t{[this] { return ahora; }};
  std::vector<link::Evento> eventos;
  std::vector<link::BufferReporte> recibidos;

  Consola() {
    t.alEvento = [this](const link::Evento& e) {
      eventos.push_back(e);
      if (e.tipo == EventoHid::Conectado) t.SetReadNotify(t.GetHandle(link::kVendorId, link::kProductId), true);
      if (e.tipo != EventoHid::ReporteEsperando) return;
      link::BufferReporte b{};
      ASSERT_TRUE(t.Read(e.handle, b));
      recibidos.push_back(b);
    };
  }
  bool escribir(std::string_view s) {
    link::BufferReporte b{};
    for (std::size_t k = 0; k < s.size(); ++k) b[k + 1] = static_cast<std::uint8_t>(s[k]);
    return t.WriteEx(link::kVendorId, link::kProductId, b);
  }
  void hasta(std::int64_t fin) {
    while (auto v = t.proximoVencimiento()) {
      if (*v > fin) break;
      ahora = std::max(ahora, *v);
      t.alVencer(ahora);
    }
    ahora = fin;
    t.alVencer(ahora);
  }
  std::string texto(std::size_t i) const { return reinterpret_cast<const char*>(recibidos.at(i).data() + 1); }
};

TEST(SimuladoTransporte, ConexionLatenciaLecturaYDesconexion) {
  Consola c;
  c.t.fallas.latenciaMs = 7;
  EXPECT_FALSE(c.escribir("sq"));  // nothing plugged yet
  c.t.Connect();
  c.hasta(499);
  EXPECT_TRUE(c.eventos.empty());
  c.hasta(500);
  ASSERT_EQ(c.eventos.size(), 1u);
  EXPECT_EQ(c.eventos[0].handle, TransporteSimulado::kHandlePanel);
  EXPECT_EQ(c.t.GetVendorID(c.eventos[0].handle), 0x1234);
  EXPECT_EQ(c.t.GetProductID(c.eventos[0].handle), 1);
  EXPECT_FALSE(c.t.WriteEx(0x1234, 2, {}));

  c.t.enchufarOtroDispositivo();
  c.hasta(600);
  ASSERT_EQ(c.eventos.size(), 2u);
  EXPECT_NE(c.t.GetVendorID(c.eventos[1].handle), 0x1234);
  EXPECT_EQ(c.t.GetHandle(0x1234, 1), TransporteSimulado::kHandlePanel);

  c.escribir("vA");
  c.escribir("ts1");
  EXPECT_EQ(c.eventos.size(), 2u);  // never from inside WriteEx
  c.hasta(606);
  EXPECT_TRUE(c.recibidos.empty());
  c.hasta(607);
  ASSERT_EQ(c.recibidos.size(), 2u);
  EXPECT_EQ(c.texto(0), "E9;0;0;1;0");
  EXPECT_EQ(c.texto(1), "Forzado grabado: salida 1 activada");

  c.t.SetReadNotify(TransporteSimulado::kHandlePanel, false);
  c.escribir("sq");
  c.hasta(700);
  link::BufferReporte b{};
  EXPECT_EQ(c.recibidos.size(), 2u);
  EXPECT_FALSE(c.t.Read(TransporteSimulado::kHandlePanel, b));

  c.t.SetReadNotify(TransporteSimulado::kHandlePanel, true);
  ASSERT_TRUE(c.escribir("sq"));  // its answer still on its way
  c.t.Disconnect();
  c.hasta(5000);
  EXPECT_EQ(c.eventos.size(), 4u);
  EXPECT_FALSE(c.escribir("sq"));
}

TEST(SimuladoFallas, SilencioYBasura) {
  Consola c;
  c.t.Connect();
  c.hasta(500);
  c.t.fallas.silencio = true;
  const MemoriaDatos antes = c.t.panel().memoriaDatos();
  EXPECT_TRUE(c.escribir(std::string{21, 0, 'X'}));
  c.hasta(2000);
  EXPECT_TRUE(c.recibidos.empty());
  EXPECT_EQ(c.t.panel().memoriaDatos(), antes);

  c.t.fallas.silencio = false;
  c.t.fallas.basuraCada = 2;
  for (int k = 0; k < 4; ++k) c.escribir("vA");
  c.hasta(3000);
  ASSERT_EQ(c.recibidos.size(), 6u);
  for (std::size_t i : {0u, 1u, 3u, 4u}) EXPECT_EQ(c.texto(i), "E9;0;0;1;0") << i;
  EXPECT_NE(c.recibidos[2], c.recibidos[5]);

  Consola otra;  // the same variant sends the same garbage
  otra.t.Connect();
  otra.hasta(500);
  otra.escribir(std::string{21, 0, 'X'});
  otra.t.fallas.basuraCada = 2;
  for (int k = 0; k < 4; ++k) otra.escribir("vA");
  otra.hasta(3000);
  ASSERT_EQ(otra.recibidos.size(), 7u);
  EXPECT_EQ(otra.recibidos[3], c.recibidos[2]);
}

}  // namespace
}  // namespace orda::simulator
