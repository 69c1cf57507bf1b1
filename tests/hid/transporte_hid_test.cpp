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
#include <QTest>
#include <unistd.h>

#include <gtest/gtest.h>

#include "falso_hidapi.h"
#include "hid/mensajes_hid.h"
#include "hid/transporte_hid.h"

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
  bool esperar(const std::function<bool()>& condicion) { return QTest::qWaitFor(condicion, kEspera); }
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

TEST_F(TransporteHidTest, WritesGoOutWholeWithReportIdZeroWhileTheReaderRuns) {
  panelLeyendo();
  falso::responder(kPanel, [](const std::vector<std::uint8_t>& escrito) {
    falso::Datos eco{};
    std::copy(escrito.begin() + 1, escrito.end(), eco.begin());
    return std::vector<falso::Datos>{eco};
  });
  constexpr int kEscrituras = 200;
  for (int i = 0; i < kEscrituras; ++i) {
    BufferReporte b{};
    b[0] = 7;  // a wrong report id never reaches the panel
    b[1] = 'p';
    b[2] = static_cast<std::uint8_t>(i);
    b[64] = 0x5a;
    EXPECT_TRUE(transporte.WriteEx(link::kVendorId, link::kProductId, b)) << i;
  }
  ASSERT_TRUE(esperar([&] { return leidos.size() == kEscrituras; }));

  const auto escritas = falso::escrituras(kPanel);
  ASSERT_EQ(escritas.size(), static_cast<std::size_t>(kEscrituras));
  for (int i = 0; i < kEscrituras; ++i) {
    ASSERT_EQ(escritas[i].size(), link::kTamanoReporte);
    EXPECT_EQ(escritas[i][0], 0);
    EXPECT_EQ(escritas[i][2], i);
    EXPECT_EQ(escritas[i][64], 0x5a);
    EXPECT_EQ(leidos[i][2], i) << "answers in the order of the writes";
  }
  EXPECT_FALSE(transporte.WriteEx(link::kVendorId, 2, BufferReporte{})) << "no such device";
  EXPECT_TRUE(mensajes.empty());
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

TEST_P(DesenchufeTest, AReadErrorInTheMiddleOfATransferIsAnUnplugAfterTheReportsBeforeIt) {
  const Handle panel = panelLeyendo();
  falso::fallarLecturaTras(kPanel, 5, GetParam().irse);
  for (int i = 0; i < 10; ++i) falso::inyectar(kPanel, numerado(i));
  ASSERT_TRUE(esperar([&] { return cuantos(EventoHid::Desconectado) == 1; }));

  ASSERT_EQ(leidos.size(), 5u);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(numero(leidos[i]), i);
  // Plug, change, five reports, then the unplug of the panel and a change.
  ASSERT_EQ(eventos.size(), 9u);
  EXPECT_EQ(eventos[7].tipo, EventoHid::Desconectado);
  EXPECT_EQ(eventos[7].handle, panel);
  EXPECT_EQ(eventos[8].tipo, EventoHid::Cambio);
  // The unplug handler still learns whose handle it was.
  EXPECT_EQ(transporte.GetVendorID(panel), link::kVendorId);
  EXPECT_EQ(transporte.GetProductID(panel), link::kProductId);
  EXPECT_EQ(transporte.GetHandle(link::kVendorId, link::kProductId), 0u);
  EXPECT_FALSE(transporte.WriteEx(link::kVendorId, link::kProductId, BufferReporte{}));
  BufferReporte b{};
  EXPECT_FALSE(transporte.Read(panel, b));
  EXPECT_EQ(falso::abiertos(), 0);

  // While the failed device stays listed it is not plugged again.
  esperarRevisiones(3);
  EXPECT_EQ(cuantos(EventoHid::Conectado), 1u);

  // Plugged again (a new handle), it reads again.
  falso::desenchufar(kPanel);
  esperarRevisiones(2);
  falso::enchufar(kPanel, link::kVendorId, link::kProductId);
  ASSERT_TRUE(esperar([&] { return cuantos(EventoHid::Conectado) == 2; }));
  const Handle otra = transporte.GetHandle(link::kVendorId, link::kProductId);
  EXPECT_NE(otra, panel);
  transporte.SetReadNotify(otra, true);
  falso::inyectar(kPanel, numerado(77));
  ASSERT_TRUE(esperar([&] { return leidos.size() == 6; }));
  EXPECT_EQ(numero(leidos.back()), 77);
}

INSTANTIATE_TEST_SUITE_P(Transporte, DesenchufeTest,
                         ::testing::Values(CasoDesenchufe{"CablePulled", true},
                                           CasoDesenchufe{"DeviceStaysListed", false}),
                         [](const auto& info) { return std::string(info.param.nombre); });

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
