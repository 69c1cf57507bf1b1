// The hidapi link end to end, reader threads included, over the stand-in
// hidapi. Waits poll the event loop with a bound; nothing sleeps.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <unistd.h>

#include <gtest/gtest.h>

#include "falso_hidapi.h"
#include "hid/lector_hid.h"
#include "hid/mensajes_hid.h"
#include "hid/transporte_hid.h"

namespace orda::hid {
namespace {

using link::BufferReporte;
using link::Evento;
using link::EventoHid;
using link::Handle;

const std::string kTeclado = "/falso/hidraw0";  // listed in path order
const std::string kPanel = "/falso/hidraw1";
const std::string kOtro = "/falso/hidraw2";
constexpr int kRondas = 193;  // a memory read: the start report and 192 blocks

falso::Datos numerado(int n) {
  falso::Datos d{};
  d[0] = static_cast<std::uint8_t>(n & 0xff);
  d[1] = static_cast<std::uint8_t>(n >> 8);
  d[63] = 0xab;
  return d;
}

int numero(const BufferReporte& b) { return b[1] | (b[2] << 8); }

std::size_t hilosVivos() {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& t : std::filesystem::directory_iterator("/proc/self/task")) ++n;
  return n;
}

class TransporteHidTest : public ::testing::Test {
 protected:
  explicit TransporteHidTest(int intervaloRevisionMs = 20) : transporte(intervaloRevisionMs) {}
  void SetUp() override {
    falso::reiniciar();
    hilosAlEmpezar = hilosVivos();
  }
  void TearDown() override { transporte.Disconnect(); }

  void conectar() {
    transporte.alEvento = [this](const Evento& e) {
      eventos.push_back(e);
      BufferReporte b{};
      if (e.tipo == EventoHid::ReporteEsperando && transporte.Read(e.handle, b)) leidos.push_back(b);
      if (alEvento) alEvento(e);
    };
    transporte.alMensaje = [this](const std::string& m) { mensajes.push_back(m); };
    ASSERT_TRUE(transporte.Connect());
  }
  // Runs the event loop until `condicion` holds, at most 5 s. The loop wakes
  // on each posted event, as the console's does, so a round trip with the
  // reader takes what it takes in the console.
  static bool esperar(const std::function<bool()>& condicion) {
    const QDeadlineTimer limite(5000);
    QTimer despertador;  // wakes the loop when nothing else happens
    despertador.start(10);
    while (!condicion()) {
      if (limite.hasExpired()) return false;
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
  }
  std::size_t cuantos(EventoHid tipo) const {
    return static_cast<std::size_t>(
        std::count_if(eventos.begin(), eventos.end(), [&](const Evento& e) { return e.tipo == tipo; }));
  }
  bool escribir(const BufferReporte& b = {}) { return transporte.WriteEx(link::kVendorId, link::kProductId, b); }
  // The panel attached and its reader running.
  Handle panelLeyendo() {
    falso::enchufar(kPanel, link::kVendorId, link::kProductId);
    conectar();
    EXPECT_TRUE(esperar([&] { return transporte.GetHandle(link::kVendorId, link::kProductId) != 0; }));
    const Handle h = transporte.GetHandle(link::kVendorId, link::kProductId);
    transporte.SetReadNotify(h, true);
    return h;
  }
  // A transfer as the console runs it: each answer's event sends the next
  // report; the panel answers the first `respuestas` with reports numbered in
  // order, and then `luego` happens to it.
  void transferir(int respuestas = kRondas, const std::function<void(falso::Dispositivo&)>& luego = {}) {
    alEvento = [=, this, n = 1](const Evento& e) mutable {
      if (e.tipo != EventoHid::ReporteEsperando) return;
      escribir();
      if (n < respuestas) falso::inyectar(kPanel, numerado(n));
      if (n++ == respuestas && luego) falso::cambiar(kPanel, luego);
    };
    BufferReporte primero{};
    primero[0] = 7;      // a wrong report id never reaches the panel
    primero[64] = 0x5a;  // nor is the last byte lost
    ASSERT_TRUE(escribir(primero));
    falso::inyectar(kPanel, numerado(0));
  }
  void numeradosEnOrden(std::size_t n) {
    ASSERT_GE(leidos.size(), n);
    for (std::size_t i = 0; i < n; ++i) {
      ASSERT_EQ(numero(leidos[i]), static_cast<int>(i));
      ASSERT_EQ(leidos[i][0], 0) << "report id";
      ASSERT_EQ(leidos[i][64], 0xab) << "the 64th report byte lands at index 64";
    }
  }

  TransporteHid transporte;
  std::vector<Evento> eventos;
  std::vector<BufferReporte> leidos;
  std::vector<std::string> mensajes;
  std::function<void(const Evento&)> alEvento;
  std::size_t hilosAlEmpezar = 0;
};

// No periodic look after the first: every report must wake the owner itself.
class SinRevisionTest : public TransporteHidTest {
 protected:
  SinRevisionTest() : TransporteHidTest(3600 * 1000) {}
};

TEST_F(SinRevisionTest, ReportsWakeTheOwnerOnePerEventThroughSignalsAndATransferGoesOutWhole) {
  panelLeyendo();
  constexpr int kReportes = 600;
  // Fed from another thread while the reader takes them; now and then a
  // signal interrupts the reader's wait, which is no unplug.
  std::thread alimentador([] {
    for (int i = 0; i < kReportes; ++i) {
      if (i % 100 == 0) falso::cambiar(kPanel, [](falso::Dispositivo& d) { d.interrupciones += 2; });
      falso::inyectar(kPanel, numerado(i));
    }
  });
  const bool llegaron = esperar([&] { return leidos.size() == kReportes; });
  alimentador.join();
  ASSERT_TRUE(llegaron) << leidos.size();
  EXPECT_EQ(cuantos(EventoHid::ReporteEsperando), static_cast<std::size_t>(kReportes));
  numeradosEnOrden(kReportes);

  leidos.clear();
  transferir();
  ASSERT_TRUE(esperar([&] { return leidos.size() == kRondas; })) << leidos.size();
  numeradosEnOrden(kRondas);
  ASSERT_TRUE(esperar([&] { return falso::escrituras(kPanel).size() == kRondas + 1; }));
  const auto escritas = falso::escrituras(kPanel);
  for (const auto& e : escritas) {
    ASSERT_EQ(e.size(), link::kTamanoReporte);
    EXPECT_EQ(e[0], 0);
  }
  EXPECT_EQ(escritas[0][64], 0x5a);
  EXPECT_TRUE(mensajes.empty());
  EXPECT_FALSE(transporte.WriteEx(link::kVendorId, 2, BufferReporte{})) << "no such device";

  // A failing write returns false and is logged once per run of failures.
  falso::cambiar(kPanel, [](falso::Dispositivo& d) { d.textoEscritura = L"Broken pipe"; });
  EXPECT_FALSE(escribir());
  EXPECT_FALSE(escribir());
  EXPECT_EQ(mensajes, std::vector<std::string>{"No se pudo enviar al panel (Broken pipe)."});
  falso::cambiar(kPanel, [](falso::Dispositivo& d) { d.textoEscritura.clear(); });
  EXPECT_TRUE(escribir());
  falso::cambiar(kPanel, [](falso::Dispositivo& d) { d.textoEscritura = L"Broken pipe"; });
  EXPECT_FALSE(escribir());
  EXPECT_EQ(mensajes.size(), 2u);
}

TEST(ColaLlegadas, AfterADisconnectEmptiedItTheNextArrivalWakesTheOwnerAgain) {
  int despertares = 0;
  ColaLlegadas cola([&] { ++despertares; });
  cola.poner({1});
  cola.poner({1});
  EXPECT_EQ(despertares, 1);  // one per batch
  cola.vaciar();              // the batch was never taken
  cola.poner({1});
  EXPECT_EQ(despertares, 2);
  EXPECT_EQ(cola.tomarTodo().size(), 1u);
}

// A read error in the middle of a transfer is an unplug, after the reports
// before it. The device stays listed, its reads failing: it comes back after
// growing pauses, and reads again once it answers.
TEST_F(TransporteHidTest, AReadErrorIsAnUnplugAfterTheReportsBeforeItAndTheDeviceReturnsAfterGrowingPauses) {
  const Handle panel = panelLeyendo();
  constexpr std::size_t kLlegan = 100;
  transferir(kLlegan, [](falso::Dispositivo& d) { d.roto = true; });
  ASSERT_TRUE(esperar([&] { return cuantos(EventoHid::Desconectado) == 1; }));
  ASSERT_EQ(leidos.size(), kLlegan);
  numeradosEnOrden(kLlegan);
  // Plug, change, the reports, then the panel's unplug and a change.
  ASSERT_EQ(eventos.size(), 2 + kLlegan + 2);
  EXPECT_EQ(eventos[eventos.size() - 2].tipo, EventoHid::Desconectado);
  EXPECT_EQ(eventos[eventos.size() - 2].handle, panel);
  EXPECT_EQ(eventos.back().tipo, EventoHid::Cambio);
  // The unplug handler still learns whose handle it was.
  EXPECT_EQ(transporte.GetVendorID(panel), link::kVendorId);
  EXPECT_EQ(transporte.GetProductID(panel), link::kProductId);
  EXPECT_EQ(transporte.GetHandle(link::kVendorId, link::kProductId), 0u);
  EXPECT_EQ(falso::abiertos(), 0);
  EXPECT_EQ(hilosVivos(), hilosAlEmpezar);

  alEvento = [&](const Evento& e) {
    if (e.tipo == EventoHid::Conectado) transporte.SetReadNotify(e.handle, true);  // as on every plug
  };
  const int hasta = falso::enumeraciones() + 40;
  ASSERT_TRUE(esperar([&] { return falso::enumeraciones() >= hasta; }));
  // Back on looks 2, 5, 10, 19 and 36: not on every other look, nor never
  // again (a panel plugged straight back in on the same node).
  EXPECT_GE(cuantos(EventoHid::Conectado), 1 + 4u);
  EXPECT_LE(cuantos(EventoHid::Conectado), 1 + 7u);
  EXPECT_GE(cuantos(EventoHid::Desconectado) + 1, cuantos(EventoHid::Conectado));
  falso::cambiar(kPanel, [](falso::Dispositivo& d) { d.roto = false; });
  falso::inyectar(kPanel, numerado(77));
  ASSERT_TRUE(esperar([&] { return leidos.size() == kLlegan + 1; }));
  EXPECT_EQ(numero(leidos.back()), 77);
  EXPECT_NE(transporte.GetHandle(link::kVendorId, link::kProductId), panel);
}

// Every plug and change event asks again for a device that would not open;
// the line is written once per run of failures, and once it opens reports flow.
TEST_F(TransporteHidTest, AFailedOpenWritesOneLineNamingTheReasonAndIsTriedAgain) {
  const std::string ocupado = "No se pudo abrir el panel (Failed to open a device: busy).";
  falso::enchufar(kPanel, link::kVendorId, link::kProductId);
  falso::cambiar(kPanel, [](auto& d) { d.apertura = {EBUSY, L"Failed to open a device: busy"}; });
  conectar();
  ASSERT_TRUE(esperar([&] { return cuantos(EventoHid::Conectado) == 1; }));
  const Handle panel = transporte.GetHandle(link::kVendorId, link::kProductId);
  transporte.SetReadNotify(panel, true);
  transporte.SetReadNotify(panel, true);
  EXPECT_FALSE(escribir());
  EXPECT_EQ(mensajes, std::vector<std::string>{ocupado});
  EXPECT_EQ(hilosVivos(), hilosAlEmpezar) << "no reader without a device";

  falso::cambiar(kPanel, [](falso::Dispositivo& d) { d.apertura = {}; });
  transporte.SetReadNotify(panel, true);
  falso::inyectar(kPanel, numerado(3));
  ASSERT_TRUE(esperar([&] { return leidos.size() == 1; }));
  // hidapi with nothing to say: the system's words for errno.
  transporte.SetReadNotify(panel, false);
  falso::cambiar(kPanel, [](falso::Dispositivo& d) { d.apertura = {EIO, L"Success"}; });
  transporte.SetReadNotify(panel, true);
  const std::string sinTexto = "No se pudo abrir el panel (" + std::string(std::strerror(EIO)) + ").";
  EXPECT_EQ(mensajes, (std::vector<std::string>{ocupado, sinTexto}));
}

// hidapi may have lost errno by the time it answers; the node itself tells.
TEST(MensajesHid, APermissionProblemIsOneLineHoweverItIsFound) {
  EXPECT_EQ(mensajeApertura(nullptr, EACCES, L"Permission denied"), kAperturaSinPermiso);
  EXPECT_EQ(mensajeApertura(nullptr, EPERM, L"Operation not permitted"), kAperturaSinPermiso);
  if (::geteuid() == 0) GTEST_SKIP() << "root may open anything";
  const std::string ruta = ::testing::TempDir() + "orda_hidraw_sin_permiso";
  std::ofstream(ruta).put('\0');
  std::filesystem::permissions(ruta, std::filesystem::perms::none);
  EXPECT_EQ(mensajeApertura(ruta.c_str(), 0, L"Success"), kAperturaSinPermiso);
  std::filesystem::remove(ruta);
}

// Devices come and go with the list, their events after Connect returned.
// Disconnect, called from inside an event handler as the console does when
// the panel goes away, stops every reader and closes every device; the
// reports queued after it are never delivered, and the link starts again.
TEST_F(TransporteHidTest, DevicesComeAndGoAndADisconnectFromAHandlerStopsEverything) {
  falso::enchufar(kTeclado, 0x046d, 0xc31c);
  falso::enchufar(kPanel, link::kVendorId, link::kProductId);
  conectar();
  EXPECT_TRUE(eventos.empty());  // nothing re-enters the caller inside Connect
  ASSERT_TRUE(esperar([&] { return cuantos(EventoHid::Cambio) == 1; }));
  ASSERT_EQ(eventos.size(), 3u);
  EXPECT_EQ(eventos[1].tipo, EventoHid::Conectado);
  const Handle teclado = eventos[0].handle, panel = eventos[1].handle;
  EXPECT_NE(teclado, panel);
  EXPECT_EQ(transporte.GetHandle(link::kVendorId, link::kProductId), panel);

  // Plugged later, or unplugged while nobody reads it: the next look finds it.
  falso::enchufar(kOtro, 0x0001, 0x0002);
  ASSERT_TRUE(esperar([&] { return cuantos(EventoHid::Cambio) == 2; }));
  EXPECT_EQ(cuantos(EventoHid::Conectado), 3u);
  falso::cambiar(kTeclado, [](falso::Dispositivo& d) { d.presente = false; });
  ASSERT_TRUE(esperar([&] { return cuantos(EventoHid::Cambio) == 3; }));
  EXPECT_EQ(eventos[eventos.size() - 2].tipo, EventoHid::Desconectado);
  EXPECT_EQ(eventos[eventos.size() - 2].handle, teclado);
  EXPECT_EQ(cuantos(EventoHid::Desconectado), 1u);

  alEvento = [&](const Evento& e) {
    if (e.tipo == EventoHid::ReporteEsperando && leidos.size() == 3) transporte.Disconnect();
  };
  transporte.SetReadNotify(panel, true);
  transporte.SetReadNotify(transporte.GetHandle(0x0001, 0x0002), true);
  ASSERT_GT(hilosVivos(), hilosAlEmpezar);
  for (int i = 0; i < 50; ++i) falso::inyectar(kPanel, numerado(i));
  ASSERT_TRUE(esperar([&] { return leidos.size() == 3 && falso::abiertos() == 0; }));
  EXPECT_EQ(hilosVivos(), hilosAlEmpezar);
  // Wake-ups posted before the readers stopped deliver nothing afterwards.
  const std::size_t antes = eventos.size();
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
  EXPECT_EQ(eventos.size(), antes);
  EXPECT_EQ(cuantos(EventoHid::ReporteEsperando), 3u);
  BufferReporte b{};
  EXPECT_FALSE(transporte.Read(panel, b));
  EXPECT_FALSE(escribir());

  alEvento = nullptr;
  ASSERT_TRUE(transporte.Connect());
  ASSERT_TRUE(esperar([&] { return cuantos(EventoHid::Conectado) == 5; }));
}

}  // namespace
}  // namespace orda::hid
