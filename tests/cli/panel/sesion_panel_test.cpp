// orda-cli's device commands against the simulated panel, in virtual time:
// what each leaves on disk and prints, and how each ends when the panel
// stays silent, goes away or is not there.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <vector>

#include "cli/subcomandos.h"
#include "cli/sesion_panel.h"
#include "cli/tareas.h"
#include "core/link/textos.h"
#include "core/simulator/reloj_panel.h"
#include "link/banco.h"

namespace orda::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kColgada = 10 * 60 * 1000;  // a session still running then is hung

std::vector<std::uint8_t> leerBytes(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

class Banco : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           ("orda_cli_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string ruta(const std::string& nombre) const { return (dir_ / nombre).string(); }

  // Runs the task to its end; the exit status, or -1 when it hangs.
  int correr(Tarea& tarea, link::Transporte* otro = nullptr) {
    out.str("");
    err.str("");
    inicio = ahora;
    link::Transporte& transporte = otro != nullptr ? *otro : sim;
    SesionPanel s(transporte, tarea, out, err, [this] { return hora; }, [this] { return ahora; });
    s.arrancar();
    while (!s.terminada()) {
      const auto t = s.proximoVencimiento();
      if (!t || ahora - inicio > kColgada) return -1;
      ahora = std::max(ahora, *t);
      s.vencer();
    }
    return s.codigo();
  }
  std::int64_t duracion() const { return ahora - inicio; }

  std::int64_t ahora = 0, inicio = 0;
  simulator::TransporteSimulado sim{[this] { return ahora; }, simulator::OpcionesPanel{}, 0};
  programming::FechaHora hora{2025, 6, 14, 9, 30, 15};
  std::ostringstream out, err;
  fs::path dir_;
};

// The demo configuration read as the panel holds it, the panel programmed
// with a new one (the console's own defaults), its clock set, and back with
// the demo file, read back the same; its history, described and saved as it came; the
// monitor, a line per pair of answers ("va" and "vA" every 50 ms in turn:
// nine lines in its second), until its output is lost (a closed pipe) and it
// stops at its first line with an error (the other commands' lost output is
// tested on /dev/full).
TEST_F(Banco, LeerProgramarReleerHistorialYMonitor) {
  TareaLeer demo(ruta("demo.dat"));
  ASSERT_EQ(correr(demo), 0) << err.str();
  EXPECT_EQ(duracion(), 1000 + 193);  // the settling second, then 193 answers of 1 ms
  const auto leida = leerBytes(ruta("demo.dat"));
  const auto& datos = sim.panel().memoriaDatos();
  ASSERT_EQ(leida.size(), imagen::kTamanoImagen);
  EXPECT_TRUE(std::equal(datos.begin(), datos.end(), leida.begin()));
  ASSERT_EQ(comandoNuevo(ruta("nuevo.dat"), err), 0);
  TareaProgramar programar(ruta("nuevo.dat"));
  ASSERT_EQ(correr(programar), 0) << err.str();
  EXPECT_EQ(out.str(), "Registros sin confirmar: 0\n");
  // Progress on the error stream, a line every tenth in a log.
  EXPECT_NE(err.str().find("\nProgramando 1/54\nProgramando 6/54\n"), std::string::npos) << err.str();
  EXPECT_NE(err.str().find("\nProgramando 54/54\n"), std::string::npos);
  // Clock, date and 54 records, each answered after 1 ms.
  EXPECT_EQ(duracion(), 1000 + 56);
  const std::int64_t puesta = simulator::segundosDesde2000(hora);
  EXPECT_NEAR(simulator::segundosDesde2000(sim.panel().reloj(ahora)), puesta, 1);

  hora = {2026, 1, 2, 3, 4, 5};
  TareaReloj reloj;
  ASSERT_EQ(correr(reloj), 0) << err.str();
  EXPECT_NE(out.str().find("Reloj del panel puesto en 02/01/2026 03:04:05\n"), std::string::npos);
  EXPECT_EQ(duracion(), 1000 + 2);  // the time and the date, each answered after 1 ms
  EXPECT_NEAR(simulator::segundosDesde2000(sim.panel().reloj(ahora)), simulator::segundosDesde2000(hora), 1);

  TareaProgramar deVuelta(ruta("demo.dat"));
  ASSERT_EQ(correr(deVuelta), 0) << err.str();
  TareaLeer leer(ruta("leido.dat"));
  ASSERT_EQ(correr(leer), 0) << err.str();
  EXPECT_EQ(leerBytes(ruta("leido.dat")), leerBytes(ruta("demo.dat")));

  TareaHistorial historial(ruta("h.bin"), std::nullopt, true);
  ASSERT_EQ(correr(historial), 0) << err.str();
  EXPECT_EQ(out.str().rfind("Nº,Fecha,Hora,Descripción,", 0), 0u);
  EXPECT_EQ(std::ranges::count(out.str(), '\n'), 1 + sim.panel().cantidadRegistros());
  const auto& memoria = sim.panel().memoriaHistorial();
  EXPECT_EQ(leerBytes(ruta("h.bin")), std::vector<std::uint8_t>(memoria.begin(), memoria.end()));

  TareaMonitor monitor(1);
  ASSERT_EQ(correr(monitor), 0) << err.str();
  std::istringstream lineas(out.str());
  std::string linea;
  std::getline(lineas, linea);
  EXPECT_NE(linea.find("E8"), std::string::npos);
  int n = 0;
  for (; std::getline(lineas, linea); ++n) {
    std::istringstream campos(linea);
    double segundos = 0;
    std::vector<int> valores(8);
    std::string estados, salidas;
    campos >> segundos;
    for (int& v : valores) campos >> v;
    campos >> estados >> salidas;
    EXPECT_TRUE(std::ranges::all_of(valores, [](int v) { return v >= 85 && v <= 938; })) << linea;
    EXPECT_EQ(estados.size(), 8u);
    EXPECT_EQ(salidas, "0010") << linea;  // output 3 (the pump) starts on in the demo configuration
  }
  EXPECT_EQ(n, 9);

  TareaMonitor largo(60);
  out.setstate(std::ios::badbit);
  EXPECT_EQ(correr(largo), 1);
  EXPECT_NE(err.str().find(kSalidaFallida), std::string::npos) << err.str();
  EXPECT_EQ(duracion(), 1000 + 50);
}

// Every command on a panel of its own, answering or with a fault, or with
// no panel at all: its exit status, its message (on either stream), how long
// it took in virtual time, and an old file kept. A file that cannot be read,
// a destination that could not take the result or a command the panel must
// not get ends the command before the panel is looked for.
TEST_F(Banco, CadaComandoTerminaConSuMensajeATiempoYSinPisarArchivos) {
  const std::string a = ruta("a.dat"), h = ruta("h.bin");
  ASSERT_EQ(comandoNuevo(a, err), 0);
  const auto antes = leerBytes(a);
  std::ofstream(h) << "viejo";
  using std::make_unique;
  namespace textos = link::textos;
  struct Caso {
    std::unique_ptr<Tarea> tarea;
    simulator::Fallas fallas;
    int codigo;
    std::string mensaje;
    std::int64_t duracionMs;
    link::Transporte* transporte = nullptr;  // none: the simulated panel
  };
  link::prueba::TransporteFalso vacio{[this] { return ahora; }};
  vacio.panelPresente = false;
  struct SinUsb : link::prueba::TransporteFalso {
    using TransporteFalso::TransporteFalso;
    bool Connect() override { return false; }
  } sinUsb{[this] { return ahora; }};
  const std::int64_t respuesta = 1000 + TareaEnviar::kEsperaRespuestaMs;
  Caso casos[] = {
      {make_unique<TareaEnviar>("cH"), {}, 0, "Hora grabada: 09:30:15\n", respuesta},
      {make_unique<TareaEnviar>("mi"), {}, 1, "comando de la ventana de la consola", 0},
      {make_unique<TareaEnviar>(std::string(62, 'x')), {}, 1, textos::kComandoLargo, 0},
      {make_unique<TareaProgramar>(ruta("falta.dat")), {}, 1, "No se pudo leer el archivo", 0},
      {make_unique<TareaLeer>(ruta("sin/x.dat")), {}, 1, "No se pudo guardar el archivo: No existe", 0},
      {make_unique<TareaHistorial>(ruta("sin/h.bin"), std::nullopt, false), {}, 1, "No existe", 0},
      {make_unique<TareaLeer>(a), {}, 1, kSinPanel, kEsperaPanelMs, &vacio},
      {make_unique<TareaLeer>(a), {}, 1, kSinUsb, 0, &sinUsb},
      {make_unique<TareaLeer>(a), {.silencio = true}, 1, "No se guardó " + a, 1000 + 2000},
      {make_unique<TareaHistorial>(h, std::nullopt, false), {.silencio = true}, 1,
       textos::kHistorialSinRespuesta, 1000 + 2000},
      // Unanswered: the last record goes out at 55 s, the run ends at 56 s.
      {make_unique<TareaProgramar>(a), {.silencio = true}, 1, "El panel no confirmó 54 de 54", 1000 + 56000},
      // Unplugged as it takes its 10th report, sent at 9 ms.
      {make_unique<TareaProgramar>(a), {.desenchufarTrasReportes = 10}, 1, kPanelDesconectado, 1009},
      // Acknowledgements 1 and 2 are the clock's; 10, 20... are records, each
      // waited for a second instead of a millisecond.
      {make_unique<TareaProgramar>(a), {.perderConfirmacionCada = 10}, 1, "Registros sin confirmar: 5\n",
       1000 + 56 + 5 * 999},
      {make_unique<TareaEnviar>("hola"), {.silencio = true}, 1, kSinRespuesta, 1000 + 1000},
      {make_unique<TareaMonitor>(2), {.silencio = true}, 1, kSinRespuesta, 1000 + 2000},
      {make_unique<TareaReloj>(), {.silencio = true}, 1, "no confirmó la hora", 1000 + 2000},
  };
  for (Caso& c : casos) {
    simulator::TransporteSimulado panel{[this] { return ahora; }, simulator::OpcionesPanel{}, 0};
    panel.fallas = c.fallas;
    EXPECT_EQ(correr(*c.tarea, c.transporte != nullptr ? c.transporte : &panel), c.codigo) << c.mensaje;
    EXPECT_NE((out.str() + err.str()).find(c.mensaje), std::string::npos) << out.str() << err.str();
    EXPECT_EQ(duracion(), c.duracionMs) << c.mensaje;
    EXPECT_EQ(leerBytes(a), antes) << c.mensaje;
    EXPECT_EQ(leerBytes(h).size(), 5u) << c.mensaje;
  }
}

}  // namespace
}  // namespace orda::cli
