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
#include <QElapsedTimer>
#include <QTimer>
#include <unistd.h>

#include <gtest/gtest.h>

#include "falso_hidapi.h"
#include "hid/lector_hid.h"
#include "hid/mensajes_hid.h"
#include "hid/transporte_hid.h"
#include "simulator/panel.h"

namespace orda::hid {
namespace {

using link::BufferReporte;
using link::Evento;
using link::EventoHid;
using link::Handle;

const std::string kPanel = "/falso/hidraw0";
const std::string kTeclado = "/falso/hidraw1";
constexpr int kTecladoVendor = 0x046d;
constexpr int kTecladoProducto = 0xc31c;
constexpr int kEspera = 5000;

falso::Datos numerado(int n) {
  falso::Datos d{};
  d[0] = static_cast<std::uint8_t>(n & 0xff);
  d[1] = static_cast<std::uint8_t>(n >> 8);
  d[63] = 0xab;
  return d;
}

int numero(const BufferReporte& b) { return b[1] | (b[2] << 8); }

BufferReporte comando(char a, char b) {
  BufferReporte r{};
  r[1] = static_cast<std::uint8_t>(a);
  r[2] = static_cast<std::uint8_t>(b);
  return r;
}

// The simulated panel behind the stand-in device: each written report is
// handed to it one millisecond after the last, and its answers become the
// device's input reports.
struct PanelSimuladoPorHid {
  simulador::PanelSimulado panel;
  std::int64_t ahoraMs = 0;

  falso::Respuesta respuesta() {
    return [this](const std::vector<std::uint8_t>& escrito) {
      BufferReporte reporte{};
      std::copy_n(escrito.begin(), std::min(escrito.size(), reporte.size()), reporte.begin());
      std::vector<falso::Datos> datos;
      for (const BufferReporte& r : panel.recibir(reporte, ++ahoraMs)) {
        falso::Datos d{};
        std::copy(r.begin() + 1, r.end(), d.begin());
        datos.push_back(d);
      }
      return datos;
    };
  }
};

constexpr std::size_t kBloques = simulador::MemoriaDatos{}.size() / 64;

std::size_t hilosVivos() {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& t : std::filesystem::directory_iterator("/proc/self/task")) ++n;
  return n;
}

class TransporteHidTest : public ::testing::Test {
 protected:
  void SetUp() override {
    falso::reiniciar();
    hilosAlEmpezar = hilosVivos();
  }
  void TearDown() override { transporte.Disconnect(); }

  void conectar() {
    transporte.alEvento = [this](const Evento& e) {
      eventos.push_back(e);
      if (e.tipo == EventoHid::ReporteEsperando) {
        BufferReporte b{};
        if (transporte.Read(e.handle, b)) leidos.push_back(b);
      }
      if (alEvento) alEvento(e);
    };
    transporte.alMensaje = [this](const std::string& m) { mensajes.push_back(m); };
    ASSERT_TRUE(transporte.Connect());
  }
  // Runs the event loop until `condicion` holds, at most kEspera ms. The loop
  // wakes on each posted event, as the console's does, so a round trip with
  // the reader takes what it takes in the console.
  static bool esperar(const std::function<bool()>& condicion) {
    const QDeadlineTimer limite(kEspera);
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
  // The panel attached and its reader running.
  Handle panelLeyendo() {
    falso::enchufar(kPanel, link::kVendorId, link::kProductId);
    conectar();
    EXPECT_TRUE(esperar([&] { return transporte.GetHandle(link::kVendorId, link::kProductId) != 0; }));
    const Handle h = transporte.GetHandle(link::kVendorId, link::kProductId);
    transporte.SetReadNotify(h, true);
    return h;
  }
  // A memory read as the console runs it: "lt", then "pn" after the start
  // report and after every block, sent from the event handler.
  void leerMemoria() {
    falso::responder(kPanel, simulado.respuesta());
    alEvento = [&](const Evento& e) {
      if (e.tipo != EventoHid::ReporteEsperando) return;
      transporte.WriteEx(link::kVendorId, link::kProductId, comando('p', 'n'));
    };
    BufferReporte lt = comando('l', 't');
    lt[0] = 7;      // a wrong report id never reaches the panel
    lt[64] = 0x5a;  // nor is the last byte lost
    ASSERT_TRUE(transporte.WriteEx(link::kVendorId, link::kProductId, lt));
  }
  void compararBloques(std::size_t bloques) {
    ASSERT_GE(leidos.size(), bloques + 1);
    EXPECT_EQ(leidos[0][1], 2) << "start report of a memory transfer";
    const auto& memoria = simulado.panel.memoriaDatos();
    for (std::size_t b = 0; b < bloques; ++b) {
      EXPECT_TRUE(std::equal(leidos[b + 1].begin() + 1, leidos[b + 1].end(), memoria.begin() + b * 64)) << b;
    }
  }
  // Enough rounds of the device list for a change to have shown.
  void esperarRevisiones(int rondas) {
    const int hasta = falso::enumeraciones() + rondas;
    ASSERT_TRUE(esperar([&] { return falso::enumeraciones() >= hasta; }));
  }

  TransporteHid transporte{20};
  std::vector<Evento> eventos;
  std::vector<BufferReporte> leidos;
  std::vector<std::string> mensajes;
  std::function<void(const Evento&)> alEvento;
  std::size_t hilosAlEmpezar = 0;
  PanelSimuladoPorHid simulado;
};

TEST_F(TransporteHidTest, DevicesAttachedAtStartRaisePlugEventsAfterConnectReturns) {
  falso::enchufar(kTeclado, kTecladoVendor, kTecladoProducto);
  falso::enchufar(kPanel, link::kVendorId, link::kProductId);
  conectar();
  EXPECT_TRUE(eventos.empty());  // nothing re-enters the caller inside Connect
  ASSERT_TRUE(esperar([&] { return cuantos(EventoHid::Cambio) == 1; }));

  ASSERT_EQ(eventos.size(), 3u);
  EXPECT_EQ(eventos[0].tipo, EventoHid::Conectado);
  EXPECT_EQ(eventos[1].tipo, EventoHid::Conectado);
  EXPECT_NE(eventos[0].handle, eventos[1].handle);
  const Handle teclado = eventos[0].handle, panel = eventos[1].handle;
  EXPECT_EQ(transporte.GetVendorID(teclado), kTecladoVendor);
  EXPECT_EQ(transporte.GetProductID(teclado), kTecladoProducto);
  EXPECT_EQ(transporte.GetHandle(link::kVendorId, link::kProductId), panel);
  EXPECT_EQ(transporte.GetHandle(0x1234, 2), 0u);

  // A device plugged later is found by the next look at the list.
  falso::enchufar("/falso/hidraw2", 0x0001, 0x0002);
  ASSERT_TRUE(esperar([&] { return cuantos(EventoHid::Cambio) == 2; }));
  EXPECT_EQ(cuantos(EventoHid::Conectado), 3u);
}

TEST_F(TransporteHidTest, ReportsArriveThroughTheReaderInOrderOnePerEvent) {
  const Handle panel = panelLeyendo();
  constexpr int kReportes = 600;
  // Fed from another thread while the reader takes them.
  std::thread alimentador([] {
    for (int i = 0; i < kReportes; ++i) falso::inyectar(kPanel, numerado(i));
  });
  const bool llegaron = esperar([&] { return leidos.size() == kReportes; });
  alimentador.join();
  ASSERT_TRUE(llegaron) << leidos.size();

  EXPECT_EQ(cuantos(EventoHid::ReporteEsperando), static_cast<std::size_t>(kReportes));
  for (int i = 0; i < kReportes; ++i) {
    EXPECT_EQ(leidos[i][0], 0) << i;  // report id
    EXPECT_EQ(numero(leidos[i]), i);
    EXPECT_EQ(leidos[i][64], 0xab) << "the 64th report byte lands at index 64";
  }
  BufferReporte b{};
  EXPECT_FALSE(transporte.Read(panel, b));  // each report is read once
}

TEST_F(TransporteHidTest, AMemoryReadFromTheSimulatedPanelBringsEveryBlockInOrder) {
  panelLeyendo();
  QElapsedTimer reloj;
  reloj.start();
  leerMemoria();
  ASSERT_TRUE(esperar([&] { return leidos.size() == kBloques + 1; })) << leidos.size();
  // A write never waits for the reader's timeout: 193 round trips in far
  // less than 193 read timeouts (they take well under a millisecond each).
  EXPECT_LT(reloj.elapsed(), static_cast<qint64>(kBloques) * LectorHid::kEsperaLecturaMs / 4);
  compararBloques(kBloques);
  // "lt", then one "pn" after the start report and after each block, whole.
  ASSERT_TRUE(esperar([&] { return falso::escrituras(kPanel).size() == kBloques + 2; }));
  const auto escritas = falso::escrituras(kPanel);
  for (const auto& e : escritas) {
    ASSERT_EQ(e.size(), link::kTamanoReporte);
    EXPECT_EQ(e[0], 0);
  }
  EXPECT_EQ(escritas[0][64], 0x5a);
  EXPECT_EQ(escritas[1][1], 'p');
  EXPECT_TRUE(mensajes.empty());
  EXPECT_FALSE(transporte.WriteEx(link::kVendorId, 2, BufferReporte{})) << "no such device";
}

TEST_F(TransporteHidTest, AFailingWriteReturnsFalseAndIsLoggedOncePerRun) {
  panelLeyendo();
  falso::fallarEscritura(kPanel, L"Broken pipe");
  EXPECT_FALSE(transporte.WriteEx(link::kVendorId, link::kProductId, BufferReporte{}));
  EXPECT_FALSE(transporte.WriteEx(link::kVendorId, link::kProductId, BufferReporte{}));
  EXPECT_EQ(mensajes, std::vector<std::string>{"No se pudo enviar al panel (Broken pipe)."});
  falso::escribirBien(kPanel);
  EXPECT_TRUE(transporte.WriteEx(link::kVendorId, link::kProductId, BufferReporte{}));
  falso::fallarEscritura(kPanel, L"Broken pipe");
  EXPECT_FALSE(transporte.WriteEx(link::kVendorId, link::kProductId, BufferReporte{}));
  EXPECT_EQ(mensajes.size(), 2u);
}

struct CasoDesenchufe {
  const char* nombre;
  bool irse;  // false: the read fails but the device stays on the list
};

class DesenchufeTest : public TransporteHidTest, public ::testing::WithParamInterface<CasoDesenchufe> {};

TEST_P(DesenchufeTest, AReadErrorInTheMiddleOfATransferIsAnUnplugAfterTheBlocksBeforeIt) {
  const Handle panel = panelLeyendo();
  constexpr std::size_t kLlegan = 100;  // blocks before the cable goes
  falso::fallarLecturaTras(kPanel, 1 + kLlegan, GetParam().irse);
  leerMemoria();
  ASSERT_TRUE(esperar([&] { return cuantos(EventoHid::Desconectado) == 1; }));

  ASSERT_EQ(leidos.size(), 1 + kLlegan);
  compararBloques(kLlegan);
  // Plug, change, the start report and the blocks, then the panel's unplug and a change.
  ASSERT_EQ(eventos.size(), 2 + 1 + kLlegan + 2);
  EXPECT_EQ(eventos[eventos.size() - 2].tipo, EventoHid::Desconectado);
  EXPECT_EQ(eventos[eventos.size() - 2].handle, panel);
  EXPECT_EQ(eventos.back().tipo, EventoHid::Cambio);
  // The unplug handler still learns whose handle it was.
  EXPECT_EQ(transporte.GetVendorID(panel), link::kVendorId);
  EXPECT_EQ(transporte.GetProductID(panel), link::kProductId);
  EXPECT_EQ(transporte.GetHandle(link::kVendorId, link::kProductId), 0u);
  EXPECT_FALSE(transporte.WriteEx(link::kVendorId, link::kProductId, BufferReporte{}));
  BufferReporte b{};
  EXPECT_FALSE(transporte.Read(panel, b));
  EXPECT_EQ(falso::abiertos(), 0);
  EXPECT_EQ(hilosVivos(), hilosAlEmpezar);
  alEvento = nullptr;

  // Straight back in on the same node: after a pause, plugged again with a
  // new handle, and it reads.
  falso::enchufar(kPanel, link::kVendorId, link::kProductId);
  ASSERT_TRUE(esperar([&] { return cuantos(EventoHid::Conectado) == 2; }));
  const Handle otra = transporte.GetHandle(link::kVendorId, link::kProductId);
  EXPECT_NE(otra, panel);
  transporte.SetReadNotify(otra, true);
  falso::inyectar(kPanel, numerado(77));
  ASSERT_TRUE(esperar([&] { return leidos.size() == 2 + kLlegan; }));
  EXPECT_EQ(numero(leidos.back()), 77);
}

INSTANTIATE_TEST_SUITE_P(Transporte, DesenchufeTest,
                         ::testing::Values(CasoDesenchufe{"CablePulled", true},
                                           CasoDesenchufe{"DeviceStaysListed", false}),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(TransporteHidTest, ADeviceWhoseReadsKeepFailingComesBackAfterGrowingPauses) {
  alEvento = [&](const Evento& e) {
    if (e.tipo == EventoHid::Conectado) transporte.SetReadNotify(e.handle, true);  // as on every plug
  };
  falso::enchufar(kPanel, link::kVendorId, link::kProductId);
  falso::fallarLecturaTras(kPanel, 0, false);
  conectar();
  esperarRevisiones(40);
  // Back on looks 1, 3, 6, 11, 20 and 37: not on every other look, nor
  // never again (a panel plugged straight back in on the same node).
  EXPECT_GE(cuantos(EventoHid::Conectado), 4u);
  EXPECT_LE(cuantos(EventoHid::Conectado), 7u);
  EXPECT_GE(cuantos(EventoHid::Desconectado) + 1, cuantos(EventoHid::Conectado));
}

TEST_F(TransporteHidTest, AnUnplugOfADeviceNobodyReadsIsFoundByTheList) {
  falso::enchufar(kTeclado, kTecladoVendor, kTecladoProducto);
  const Handle panel = panelLeyendo();
  const Handle teclado = transporte.GetHandle(kTecladoVendor, kTecladoProducto);
  ASSERT_TRUE(esperar([&] { return cuantos(EventoHid::Cambio) == 1; }));
  falso::desenchufar(kTeclado);
  ASSERT_TRUE(esperar([&] { return cuantos(EventoHid::Cambio) == 2; }));
  ASSERT_GE(eventos.size(), 2u);
  EXPECT_EQ(eventos[eventos.size() - 2].tipo, EventoHid::Desconectado);
  EXPECT_EQ(eventos[eventos.size() - 2].handle, teclado);
  EXPECT_EQ(transporte.GetHandle(link::kVendorId, link::kProductId), panel);
  EXPECT_EQ(cuantos(EventoHid::Desconectado), 1u);
}

struct CasoApertura {
  const char* nombre;
  int error;
  const wchar_t* textoHid;
  std::string esperado;
};

class AperturaTest : public TransporteHidTest, public ::testing::WithParamInterface<CasoApertura> {};

TEST_P(AperturaTest, AFailedOpenWritesOneLineNamingTheReason) {
  falso::enchufar(kPanel, link::kVendorId, link::kProductId);
  falso::fallarApertura(kPanel, GetParam().error, GetParam().textoHid);
  conectar();
  ASSERT_TRUE(esperar([&] { return cuantos(EventoHid::Conectado) == 1; }));
  const Handle panel = transporte.GetHandle(link::kVendorId, link::kProductId);
  // Every plug and change event asks again; the line is written once.
  transporte.SetReadNotify(panel, true);
  transporte.SetReadNotify(panel, true);
  EXPECT_FALSE(transporte.WriteEx(link::kVendorId, link::kProductId, BufferReporte{}));
  EXPECT_EQ(mensajes, std::vector<std::string>{GetParam().esperado});
  EXPECT_EQ(hilosVivos(), hilosAlEmpezar) << "no reader without a device";

  // Once the device opens, reports flow.
  falso::abrirBien(kPanel);
  transporte.SetReadNotify(panel, true);
  falso::inyectar(kPanel, numerado(3));
  ASSERT_TRUE(esperar([&] { return leidos.size() == 1; }));
  EXPECT_EQ(mensajes.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Transporte, AperturaTest,
    ::testing::Values(CasoApertura{"PermissionDenied", EACCES, L"Permission denied", kAperturaSinPermiso},
                      CasoApertura{"NotPermitted", EPERM, L"Operation not permitted", kAperturaSinPermiso},
                      CasoApertura{"Busy", EBUSY, L"Device or resource busy",
                                   "No se pudo abrir el panel (Device or resource busy)."},
                      // hidapi with nothing to say: the system's words for errno.
                      CasoApertura{"NoHidText", EIO, L"Success",
                                   "No se pudo abrir el panel (" + std::string(std::strerror(EIO)) + ")."}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(MensajesHid, APermissionProblemIsFoundOnTheNodeWhenErrnoWasLost) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may open anything";
  const std::string ruta = ::testing::TempDir() + "orda_hidraw_sin_permiso";
  std::ofstream(ruta).put('\0');
  std::filesystem::permissions(ruta, std::filesystem::perms::none);
  EXPECT_EQ(mensajeApertura(ruta.c_str(), 0, L"Success"), kAperturaSinPermiso);
  std::filesystem::remove(ruta);
}

TEST_F(TransporteHidTest, DisconnectJoinsEveryReaderClosesEveryDeviceAndDropsWhatWasQueued) {
  falso::enchufar(kTeclado, kTecladoVendor, kTecladoProducto);
  const Handle panel = panelLeyendo();
  transporte.SetReadNotify(transporte.GetHandle(kTecladoVendor, kTecladoProducto), true);
  for (int i = 0; i < 50; ++i) falso::inyectar(kPanel, numerado(i));
  ASSERT_TRUE(esperar([&] { return !leidos.empty(); }));
  ASSERT_GT(hilosVivos(), hilosAlEmpezar);

  transporte.Disconnect();
  EXPECT_EQ(hilosVivos(), hilosAlEmpezar);
  EXPECT_EQ(falso::abiertos(), 0);
  EXPECT_EQ(falso::lecturasEnCurso(), 0);
  EXPECT_FALSE(falso::iniciado());
  // Wake-ups posted before the readers stopped deliver nothing afterwards.
  const std::size_t antes = eventos.size();
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
  EXPECT_EQ(eventos.size(), antes);
  BufferReporte b{};
  EXPECT_FALSE(transporte.Read(panel, b));
  EXPECT_FALSE(transporte.WriteEx(link::kVendorId, link::kProductId, b));

  // And it can start again.
  ASSERT_TRUE(transporte.Connect());
  ASSERT_TRUE(esperar([&] { return cuantos(EventoHid::Conectado) == 4; }));
}

TEST_F(TransporteHidTest, ADisconnectFromInsideAnEventHandlerEndsEverything) {
  alEvento = [&](const Evento& e) {
    if (e.tipo == EventoHid::ReporteEsperando && leidos.size() == 3) transporte.Disconnect();
  };
  panelLeyendo();
  for (int i = 0; i < 20; ++i) falso::inyectar(kPanel, numerado(i));
  ASSERT_TRUE(esperar([&] { return leidos.size() == 3 && !falso::iniciado(); }));
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
  EXPECT_EQ(leidos.size(), 3u);
  EXPECT_EQ(cuantos(EventoHid::ReporteEsperando), 3u);
  EXPECT_EQ(hilosVivos(), hilosAlEmpezar);
  EXPECT_EQ(falso::abiertos(), 0);
}

}  // namespace
}  // namespace orda::hid
