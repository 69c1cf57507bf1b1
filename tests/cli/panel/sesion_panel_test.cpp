// orda-cli's device commands against the simulated panel, in virtual time:
// what each leaves on disk and prints, and how each ends when the panel
// stays silent, goes away or is not there.
#include <gtest/gtest.h>
#include <sys/stat.h>

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
#include "core/reading/decodificar.h"
#include "core/simulator/reloj_panel.h"
#include "core/simulator/transporte_simulado.h"
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

TEST_F(Banco, LoProgramadoSeLeeDeVueltaYElPanelQuedaEnHora) {
  ASSERT_EQ(comandoNuevo(ruta("nuevo.dat"), err), 0);
  TareaProgramar programar(ruta("nuevo.dat"));
  ASSERT_EQ(correr(programar), 0) << err.str();
  EXPECT_EQ(out.str(), "Registros sin confirmar: 0\n");
  // Progress on the error stream, a line every tenth in a log.
  EXPECT_NE(err.str().find("\nProgramando 1/54\nProgramando 6/54\n"), std::string::npos) << err.str();
  EXPECT_NE(err.str().find("\nProgramando 54/54\n"), std::string::npos);
  // Clock, date and 54 records, each answered after 1 ms.
  EXPECT_LE(duracion(), 1000 + 56 + 5);
  const std::int64_t puesta = simulator::segundosDesde2000(hora);
  EXPECT_NEAR(simulator::segundosDesde2000(sim.panel().reloj(ahora)), puesta, 1);

  TareaLeer leer(ruta("leido.dat"));
  ASSERT_EQ(correr(leer), 0) << err.str();
  config::Configuracion nuevo, leido;
  ASSERT_FALSE(configuracionDeArchivo(ruta("nuevo.dat"), nuevo));
  ASSERT_FALSE(configuracionDeArchivo(ruta("leido.dat"), leido));
  EXPECT_EQ(leido.entradas, nuevo.entradas);
  EXPECT_EQ(leido.salidas, nuevo.salidas);
  EXPECT_EQ(leido.tree, nuevo.tree);
  EXPECT_EQ(leido.entradas.texto(4, 1), "ENTRADA2");
}

TEST_F(Banco, ProgramarCuentaLosRegistrosSinConfirmar) {
  ASSERT_EQ(comandoNuevo(ruta("nuevo.dat"), err), 0);
  // Acknowledgements 1 and 2 are the clock's; 10, 20... are records.
  sim.fallas.perderConfirmacionCada = 10;
  TareaProgramar programar(ruta("nuevo.dat"));
  EXPECT_EQ(correr(programar), 1);
  EXPECT_EQ(out.str(), "Registros sin confirmar: 5\n");
  EXPECT_NE(err.str().find(link::textos::mensajeSinConfirmar(5)), std::string::npos);
}

// What the short commands print and how long they take; a file that cannot
// be read, a destination that could not take the result or a command the
// panel must not get ends the command before the panel is looked for.
TEST_F(Banco, CadaComandoSuSalidaYSuDuracion) {
  ASSERT_EQ(::mkfifo(ruta("tubo").c_str(), 0600), 0);
  struct Caso {
    std::unique_ptr<Tarea> tarea;
    int codigo;
    std::string texto;  // on either stream
    std::int64_t duracion;
  };
  using std::make_unique;
  // The clock's time and date are each answered after 1 ms.
  Caso casos[] = {
      {make_unique<TareaEnviar>("cH"), 0, "Hora grabada: 09:30:15\n", 1000 + TareaEnviar::kEsperaRespuestaMs},
      {make_unique<TareaReloj>(), 0, "Reloj del panel puesto en 14/06/2025 09:30:15\n", 1000 + 2},
      {make_unique<TareaEnviar>("mi"), 1, "comando de la ventana de la consola", 0},
      {make_unique<TareaEnviar>(std::string(62, 'x')), 1, link::textos::kComandoLargo, 0},
      {make_unique<TareaProgramar>(ruta("falta.dat")), 1, "No se pudo leer el archivo", 0},
      {make_unique<TareaLeer>(ruta("sin/x.dat")), 1, "No se pudo guardar el archivo: No existe", 0},
      {make_unique<TareaLeer>(ruta("tubo")), 1, ruta("tubo") + " no es un archivo común", 0},
      {make_unique<TareaHistorial>(ruta("sin/h.bin"), std::nullopt, false), 1, "No existe", 0},
  };
  for (Caso& c : casos) {
    EXPECT_EQ(correr(*c.tarea), c.codigo) << c.texto;
    EXPECT_NE((out.str() + err.str()).find(c.texto), std::string::npos) << out.str() << err.str();
    EXPECT_EQ(duracion(), c.duracion) << c.texto;
  }
  const std::int64_t puesta = simulator::segundosDesde2000(hora);
  EXPECT_NEAR(simulator::segundosDesde2000(sim.panel().reloj(ahora)), puesta, 1);
}

// A line per pair of answers ("va" and "vA" every 50 ms in turn: ten pairs
// in a second); a monitor whose output is lost (a closed pipe) stops at once
// with an error (the other commands' lost output is tested on /dev/full).
TEST_F(Banco, MonitorUnaLineaPorParDeRespuestasHastaQueSePierdeLaSalida) {
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
  EXPECT_GE(n, 9);
  EXPECT_LE(n, 10);

  TareaMonitor largo(60);
  out.setstate(std::ios::badbit);
  EXPECT_EQ(correr(largo), 1);
  EXPECT_NE(err.str().find(kSalidaFallida), std::string::npos) << err.str();
  EXPECT_LT(duracion(), 60000);
}

TEST_F(Banco, HistorialDescribeYGuardaElVolcado) {
  TareaHistorial historial(ruta("h.bin"), std::nullopt, true);
  ASSERT_EQ(correr(historial), 0) << err.str();
  const std::string csv = out.str();
  EXPECT_EQ(csv.rfind("Nº,Fecha,Hora,Descripción,", 0), 0u);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + sim.panel().cantidadRegistros());
  const auto volcado = leerBytes(ruta("h.bin"));
  const auto& memoria = sim.panel().memoriaHistorial();
  ASSERT_EQ(volcado.size(), memoria.size());
  EXPECT_TRUE(std::equal(memoria.begin(), memoria.end(), volcado.begin()));
}

// No panel on the bus, then no bus at all.
TEST_F(Banco, SinPanelEnElUsb) {
  link::prueba::TransporteFalso vacio{[this] { return ahora; }};
  vacio.panelPresente = false;
  TareaLeer leer(ruta("x.dat"));
  EXPECT_EQ(correr(leer, &vacio), 1);
  EXPECT_EQ(err.str(), std::string(kSinPanel) + "\n");
  EXPECT_EQ(duracion(), kEsperaPanelMs);

  struct Cerrado : link::prueba::TransporteFalso {
    using TransporteFalso::TransporteFalso;
    bool Connect() override { return false; }
  } cerrado{[this] { return ahora; }};
  EXPECT_EQ(correr(leer, &cerrado), 1);
  EXPECT_EQ(err.str(), std::string(kSinUsb) + "\n");
  EXPECT_EQ(duracion(), 0);
  EXPECT_FALSE(fs::exists(ruta("x.dat")));
}

// Every command, with a panel that answers nothing or goes away in the
// middle: exit 1, its message, within its time bound, an old file kept.
TEST_F(Banco, FallasTerminanConSuMensajeATiempoYSinPisarElArchivo) {
  const std::string a = ruta("a.dat"), h = ruta("h.bin");
  ASSERT_EQ(comandoNuevo(a, err), 0);
  const auto antes = leerBytes(a);
  std::ofstream(h) << "viejo";
  using std::make_unique;
  struct Caso {
    const char* nombre;
    std::unique_ptr<Tarea> tarea;
    bool silencio;
    int desenchufarTras;
    std::string mensaje;
    std::int64_t limiteMs;
  };
  Caso casos[] = {
      {"LeerSilencio", make_unique<TareaLeer>(a), true, 0, link::textos::kLecturaSinRespuesta, 1000 + 2000},
      {"LeerDesenchufado", make_unique<TareaLeer>(a), false, 60, link::textos::kLecturaInterrumpida, 1060},
      {"HistorialSilencio", make_unique<TareaHistorial>(h, std::nullopt, false), true, 0,
       link::textos::kHistorialSinRespuesta, 1000 + 2000},
      {"HistorialDesenchufado", make_unique<TareaHistorial>(h, std::nullopt, false), false, 20,
       link::textos::kHistorialInterrumpido, 1000 + 20},
      // Unanswered: the last record goes out at 55 s, the run ends at 56 s.
      {"ProgramarSilencio", make_unique<TareaProgramar>(a), true, 0, "El panel no confirmó 54 de 54", 57000},
      {"ProgramarDesenchufado", make_unique<TareaProgramar>(a), false, 10, kPanelDesconectado, 1000 + 10},
      {"EnviarSilencio", make_unique<TareaEnviar>("hola"), true, 0, kSinRespuesta, 1000 + 1000},
      {"EnviarDesenchufado", make_unique<TareaEnviar>("hola"), false, 1, kPanelDesconectado, 1000},
      {"MonitorSilencio", make_unique<TareaMonitor>(2), true, 0, kSinRespuesta, 1000 + 2000},
      {"MonitorDesenchufado", make_unique<TareaMonitor>(2), false, 6, kPanelDesconectado, 1000 + 300},
      {"RelojSilencio", make_unique<TareaReloj>(), true, 0, "no confirmó la hora", 1000 + 2000},
      {"RelojDesenchufado", make_unique<TareaReloj>(), false, 1, kPanelDesconectado, 1000},
  };
  for (Caso& c : casos) {
    simulator::TransporteSimulado panel{[this] { return ahora; }, simulator::OpcionesPanel{}, 0};
    panel.fallas.silencio = c.silencio;
    panel.fallas.desenchufarTrasReportes = c.desenchufarTras;
    EXPECT_EQ(correr(*c.tarea, &panel), 1) << c.nombre;
    EXPECT_NE(err.str().find(c.mensaje), std::string::npos) << c.nombre << ": " << err.str();
    EXPECT_LE(duracion(), c.limiteMs) << c.nombre;
    EXPECT_EQ(leerBytes(a), antes) << c.nombre;
    EXPECT_EQ(leerBytes(h).size(), 5u) << c.nombre;
  }
}

}  // namespace
}  // namespace orda::cli
