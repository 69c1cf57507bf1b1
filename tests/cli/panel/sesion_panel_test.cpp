// orda-cli's device commands against the simulated panel, in virtual time:
// what each leaves on disk and prints, and how each ends when the panel
// stays silent, goes away or is not there.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <sstream>
#include <vector>

#include "cli/subcomandos.h"
#include "cli/sesion_panel.h"
#include "cli/tareas.h"
#include "core/link/textos.h"
#include "transporte_vacio.h"
#include "core/reading/decodificar.h"
#include "core/simulator/reloj_panel.h"
#include "core/simulator/transporte_simulado.h"

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

TEST_F(Banco, LeerGuardaLaMemoriaDeDatosTalComoLlegoSinElHistorial) {
  TareaLeer leer(ruta("x.dat"));
  ASSERT_EQ(correr(leer), 0) << err.str();
  const auto bytes = leerBytes(ruta("x.dat"));
  ASSERT_EQ(bytes.size(), imagen::kTamanoImagen);
  const auto& datos = sim.panel().memoriaDatos();
  EXPECT_TRUE(std::equal(datos.begin(), datos.end(), bytes.begin()));
  EXPECT_NE(err.str().find(" 100%\n"), std::string::npos);
  // The settling second, then 193 answers of 1 ms; no history retrieval after it.
  EXPECT_LE(duracion(), 1000 + 193 + 5);
}

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

// A file that cannot be read, or a destination that could not take the
// result, ends the command before the panel is looked for.
TEST_F(Banco, ArchivoODestinoImposibleNoBuscaElPanel) {
  ASSERT_EQ(::mkfifo(ruta("tubo").c_str(), 0600), 0);
  struct Caso {
    std::unique_ptr<Tarea> tarea;
    std::string mensaje;
  };
  Caso casos[] = {
      {std::make_unique<TareaProgramar>(ruta("falta.dat")), "No se pudo leer el archivo"},
      {std::make_unique<TareaLeer>(ruta("sin/x.dat")), "No se pudo guardar el archivo: No existe"},
      {std::make_unique<TareaLeer>(ruta("tubo")), ruta("tubo") + " no es un archivo común"},
      {std::make_unique<TareaHistorial>(ruta("sin/h.bin"), std::nullopt, false), "No existe"},
  };
  for (Caso& c : casos) {
    EXPECT_EQ(correr(*c.tarea), 1);
    EXPECT_NE(err.str().find(c.mensaje), std::string::npos) << err.str();
    EXPECT_EQ(duracion(), 0);
  }
  EXPECT_EQ(sim.reportesEscritos(), 0);
  EXPECT_EQ(fs::status(ruta("tubo")).type(), fs::file_type::fifo);
}

// A monitor whose output is lost (a closed pipe) stops at once with an
// error; the other commands' lost output is tested on /dev/full.
TEST_F(Banco, MonitorConLaSalidaPerdidaTerminaEnseguida) {
  TareaMonitor monitor(60);
  out.setstate(std::ios::badbit);
  EXPECT_EQ(correr(monitor), 1);
  EXPECT_NE(err.str().find(kSalidaFallida), std::string::npos) << err.str();
  EXPECT_LT(duracion(), 60000);
}

TEST_F(Banco, HistorialDescribeYGuardaElVolcado) {
  std::ofstream(ruta("victima")) << 'v';
  fs::create_symlink(ruta("victima"), ruta("h.bin.orda-tmp"));
  TareaHistorial historial(ruta("h.bin"), std::nullopt, true);
  ASSERT_EQ(correr(historial), 0) << err.str();
  const std::string csv = out.str();
  EXPECT_EQ(csv.rfind("Nº,Fecha,Hora,Descripción,", 0), 0u);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + sim.panel().cantidadRegistros());
  const auto volcado = leerBytes(ruta("h.bin"));
  const auto& memoria = sim.panel().memoriaHistorial();
  ASSERT_EQ(volcado.size(), memoria.size());
  EXPECT_TRUE(std::equal(memoria.begin(), memoria.end(), volcado.begin()));
  // A link planted where a temporary could be expected redirects nothing.
  EXPECT_EQ(leerBytes(ruta("victima")), std::vector<std::uint8_t>{'v'});
}

TEST_F(Banco, EnviarMuestraLaRespuestaDelPanel) {
  struct Caso {
    std::string texto, respuesta;
  };
  for (const Caso& c : std::vector<Caso>{{"hola", "Comando no reconocido: hola\n"},
                                         {"V!203", "Version grabada: 203\n"},
                                         {"cH", "Hora grabada: 09:30:15\n"}}) {
    TareaEnviar enviar(c.texto);
    EXPECT_EQ(correr(enviar), 0) << c.texto << ": " << err.str();
    EXPECT_EQ(out.str(), c.respuesta);
    EXPECT_EQ(duracion(), 1000 + TareaEnviar::kEsperaRespuestaMs);
  }
}

TEST_F(Banco, EnviarRechazaSinTocarElPanelLoQueNoSeEnviaria) {
  for (const std::string& texto : {std::string("mi"), std::string("mH"), std::string(62, 'x')}) {
    TareaEnviar enviar(texto);
    EXPECT_EQ(correr(enviar), 1) << texto;
    EXPECT_FALSE(err.str().empty());
    EXPECT_EQ(duracion(), 0);
  }
  EXPECT_EQ(sim.reportesEscritos(), 0);
}

TEST_F(Banco, MonitorUnaLineaPorParDeRespuestas) {
  TareaMonitor monitor(1);
  ASSERT_EQ(correr(monitor), 0) << err.str();
  std::istringstream lineas(out.str());
  std::string linea;
  std::getline(lineas, linea);
  EXPECT_NE(linea.find("E8"), std::string::npos);
  int n = 0;
  while (std::getline(lineas, linea)) {
    ++n;
    std::istringstream campos(linea);
    double segundos = 0;
    campos >> segundos;
    for (int i = 0; i < 8; ++i) {
      int v = 0;
      ASSERT_TRUE(campos >> v) << linea;
      EXPECT_GE(v, 85);
      EXPECT_LE(v, 938);
    }
    std::string estados, salidas;
    campos >> estados >> salidas;
    EXPECT_EQ(estados.size(), 8u);
    // Output 3 (the pump) starts on in the demo configuration.
    EXPECT_EQ(salidas, "0010") << linea;
  }
  // "va" and "vA" every 50 ms in turn: ten pairs in a second.
  EXPECT_GE(n, 9);
  EXPECT_LE(n, 10);
}

TEST_F(Banco, RelojPoneLaHoraDeLaComputadora) {
  hora = {2026, 1, 2, 3, 4, 5};
  TareaReloj reloj;
  ASSERT_EQ(correr(reloj), 0) << err.str();
  EXPECT_NE(out.str().find("Reloj del panel puesto en 02/01/2026 03:04:05"), std::string::npos);
  const std::int64_t puesta = simulator::segundosDesde2000(hora);
  EXPECT_NEAR(simulator::segundosDesde2000(sim.panel().reloj(ahora)), puesta, 1);
}

TEST_F(Banco, SinPanelEnElUsb) {
  link::TransporteVacio vacio(true);
  TareaLeer leer(ruta("x.dat"));
  EXPECT_EQ(correr(leer, &vacio), 1);
  EXPECT_EQ(err.str(), std::string(kSinPanel) + "\n");
  EXPECT_EQ(duracion(), kEsperaPanelMs);

  link::TransporteVacio cerrado(false);
  EXPECT_EQ(correr(leer, &cerrado), 1);
  EXPECT_EQ(err.str(), std::string(kSinUsb) + "\n");
  EXPECT_EQ(duracion(), 0);
  EXPECT_FALSE(fs::exists(ruta("x.dat")));
}

// Every command, with a panel that answers nothing or goes away in the
// middle: exit 1, its message, within its time bound, an old file kept.
struct CasoFalla {
  const char* nombre;
  std::function<std::unique_ptr<Tarea>(const std::string& archivo)> tarea;
  bool silencio;
  int desenchufarTras;
  std::string mensaje;
  std::int64_t limiteMs;
};

void PrintTo(const CasoFalla& c, std::ostream* os) { *os << c.nombre; }

class Fallas : public Banco, public ::testing::WithParamInterface<CasoFalla> {};

TEST_P(Fallas, TerminaConSuMensajeATiempoYSinPisarElArchivo) {
  const CasoFalla& c = GetParam();
  ASSERT_EQ(comandoNuevo(ruta("a.dat"), err), 0);
  const auto antes = leerBytes(ruta("a.dat"));
  {
    std::ofstream(ruta("h.bin")) << "viejo";
  }
  sim.fallas.silencio = c.silencio;
  sim.fallas.desenchufarTrasReportes = c.desenchufarTras;
  auto tarea = c.tarea(ruta("a.dat"));
  EXPECT_EQ(correr(*tarea), 1);
  EXPECT_NE(err.str().find(c.mensaje), std::string::npos) << err.str();
  EXPECT_LE(duracion(), c.limiteMs);
  EXPECT_EQ(leerBytes(ruta("a.dat")), antes);
  EXPECT_EQ(leerBytes(ruta("h.bin")).size(), 5u);
}

std::unique_ptr<Tarea> leer(const std::string& a) { return std::make_unique<TareaLeer>(a); }
std::unique_ptr<Tarea> programar(const std::string& a) { return std::make_unique<TareaProgramar>(a); }
std::unique_ptr<Tarea> historial(const std::string& a) {
  return std::make_unique<TareaHistorial>(fs::path(a).replace_filename("h.bin").string(), std::nullopt, false);
}
std::unique_ptr<Tarea> enviar(const std::string&) { return std::make_unique<TareaEnviar>("hola"); }
std::unique_ptr<Tarea> monitor(const std::string&) { return std::make_unique<TareaMonitor>(2); }
std::unique_ptr<Tarea> reloj(const std::string&) { return std::make_unique<TareaReloj>(); }

INSTANTIATE_TEST_SUITE_P(
    CliPanel, Fallas,
    ::testing::Values(
        CasoFalla{"LeerSilencio", leer, true, 0, link::textos::kLecturaSinRespuesta, 1000 + 2000},
        CasoFalla{"LeerDesenchufado", leer, false, 60, link::textos::kLecturaInterrumpida, 1000 + 60},
        CasoFalla{"HistorialSilencio", historial, true, 0, link::textos::kHistorialSinRespuesta, 1000 + 2000},
        CasoFalla{"HistorialDesenchufado", historial, false, 20, link::textos::kHistorialInterrumpido, 1000 + 20},
        // Unanswered: the last record goes out at 55 s, the run ends at 56 s.
        CasoFalla{"ProgramarSilencio", programar, true, 0, "El panel no confirmó 54 de 54", 1000 + 56000},
        CasoFalla{"ProgramarDesenchufado", programar, false, 10, kPanelDesconectado, 1000 + 10},
        CasoFalla{"EnviarSilencio", enviar, true, 0, kSinRespuesta, 1000 + 1000},
        CasoFalla{"EnviarDesenchufado", enviar, false, 1, kPanelDesconectado, 1000},
        CasoFalla{"MonitorSilencio", monitor, true, 0, kSinRespuesta, 1000 + 2000},
        CasoFalla{"MonitorDesenchufado", monitor, false, 6, kPanelDesconectado, 1000 + 300},
        CasoFalla{"RelojSilencio", reloj, true, 0, "no confirmó la hora", 1000 + 2000},
        CasoFalla{"RelojDesenchufado", reloj, false, 1, kPanelDesconectado, 1000}),
    [](const ::testing::TestParamInfo<CasoFalla>& i) { return std::string(i.param.nombre); });

}  // namespace
}  // namespace orda::cli
