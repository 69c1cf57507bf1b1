// Plug, unplug and change events: the connection indicator, the device log
// and when the panel's reports are enabled.
#include <gtest/gtest.h>

#include "link/banco.h"
#include "link/textos.h"

namespace orda::link::prueba {
namespace {

TEST(Conexion, PanelEnchufadoMuestraConectadoYHabilitaLecturaUnSegundoDespues) {
  Banco b;
  b.ahora = 300;
  b.evento(EventoHid::Conectado, kPanel);
  ASSERT_EQ(b.oyente.registro.size(), 1u);
  EXPECT_EQ(b.oyente.registro[0].texto, "Conectado...\n\r\n\r");
  EXPECT_EQ(b.oyente.registro[0].color, (Color{0, 100, 0}));
  EXPECT_EQ(b.oyente.imagen(kPanelConexion), "COMOK_OLD");
  EXPECT_EQ(b.oyente.texto(kPanelConexion), "   Conectado");
  EXPECT_TRUE(b.consola.enlace().panelConectado());

  // Nothing blocks meanwhile; the reports are enabled at the end of the second.
  EXPECT_TRUE(b.transporte.notificaciones.empty());
  b.correrHasta(1299);
  EXPECT_TRUE(b.transporte.notificaciones.empty());
  b.correrHasta(1300);
  ASSERT_EQ(b.transporte.notificaciones.size(), 1u);
  EXPECT_EQ(b.transporte.notificaciones[0], std::make_pair(kPanel, true));
}

TEST(Conexion, OtroDispositivoNoCambiaNadaVisiblePeroHabilitaElPanel) {
  Banco b;
  b.evento(EventoHid::Conectado, kOtro);
  b.evento(EventoHid::Desconectado, kOtro);
  EXPECT_TRUE(b.oyente.registro.empty());
  EXPECT_TRUE(b.oyente.textos.empty());
  EXPECT_TRUE(b.oyente.imagenes.empty());
  ASSERT_EQ(b.transporte.notificaciones.size(), 1u);  // at once, for the panel's handle
  EXPECT_EQ(b.transporte.notificaciones[0], std::make_pair(kPanel, true));
}

TEST(Conexion, CadaEnchufeAgregaSuLinea) {
  Banco b;
  b.evento(EventoHid::Conectado);
  b.evento(EventoHid::Conectado);
  ASSERT_EQ(b.oyente.registro.size(), 2u);
  EXPECT_EQ(b.oyente.registro[1].texto, "Conectado...\n\r\n\r");
}

TEST(Conexion, DesenchufeMuestraNoConectadoYBorraVersionYSerie) {
  Banco b;
  b.evento(EventoHid::Conectado);
  b.evento(EventoHid::Desconectado);
  EXPECT_EQ(b.oyente.registro.back().texto, "Desconectado...\n\r\n\r");
  EXPECT_EQ(b.oyente.registro.back().color, kVerdeOscuro);
  EXPECT_EQ(b.oyente.imagen(kPanelConexion), "NOTCOM2");
  EXPECT_EQ(b.oyente.texto(kPanelConexion), "No conectado");
  EXPECT_EQ(std::count(b.oyente.textos.begin(), b.oyente.textos.end(), std::make_tuple(kPanelVersion, std::string())), 1);
  EXPECT_EQ(std::count(b.oyente.textos.begin(), b.oyente.textos.end(), std::make_tuple(kPanelSerial, std::string())), 1);
  EXPECT_FALSE(b.consola.enlace().panelConectado());
}

TEST(Conexion, CambioHabilitaLaLecturaDelPanelSiEstaPresente) {
  Banco b;
  b.evento(EventoHid::Cambio);
  EXPECT_EQ(b.transporte.notificaciones.size(), 1u);
  b.transporte.dispositivos.erase(b.transporte.dispositivos.begin());  // the panel left the bus
  b.evento(EventoHid::Cambio);
  EXPECT_EQ(b.transporte.notificaciones.size(), 1u);  // no handle to enable
}

TEST(Conexion, InstalarEncaminaLosEventosConLaHoraDelDueno) {
  Banco b;
  std::int64_t reloj = 1200;
  EXPECT_TRUE(b.consola.instalar([&] { return reloj; }));
  EXPECT_TRUE(b.transporte.conectado);
  b.transporte.alEvento({EventoHid::Conectado, kPanel});
  EXPECT_EQ(b.consola.proximoVencimiento(), 2200);  // reports enabled one second after the plug
  b.consola.desinstalar();
  EXPECT_FALSE(b.transporte.conectado);
  EXPECT_FALSE(b.transporte.alEvento);
}

}  // namespace
}  // namespace orda::link::prueba
