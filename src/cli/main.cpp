// orda-cli: the console's configuration files and history dumps from a
// shell, and the panel itself over USB (or the simulated panel).
#include <csignal>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <QCoreApplication>

#include "cli/ayuda.h"
#include "cli/bucle_panel.h"
#include "cli/subcomando_informe.h"
#include "cli/subcomandos.h"
#include "cli/diferencias.h"
#include "cli/sitios.h"
#include "cli/tareas.h"
#include "core/files/sistema.h"

namespace {

// The event loop of the device commands; Qt gets no argument of ours.
int conPanel(orda::cli::Tarea& tarea, const orda::cli::OpcionesEnlace& opciones, char* programa) {
  static int argc = 1;
  static char* argv[] = {programa, nullptr};
  QCoreApplication aplicacion(argc, argv);
  return orda::cli::ejecutarTarea(tarea, opciones, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orda::cli;
  // Before any thread starts: a signal never leaves half a file behind, and
  // a closed pipe is an output error to report, not a silent death.
  orda::files::protegerEscrituras();
#ifdef SIGPIPE
  std::signal(SIGPIPE, SIG_IGN);
#endif
  CLI::App app{"Archivos de configuración (.dat), historial y panel ORDA202", "orda-cli"};
  ponerAyudaEnEspanol(app, "orda-cli " ORDA_VERSION);
  app.require_subcommand(1);
  // Global options may also come after the command.
  app.fallthrough();

  OpcionesEnlace enlace;
  auto* simular = app.add_flag("--simulate", enlace.simular, "Usa el panel simulado en lugar del USB");
  app.add_option("--latency-ms", enlace.latenciaMs, "Demora de las respuestas del panel simulado (ms)")
      ->check(CLI::Range(0, 10000))
      ->needs(simular);
  app.add_flag("--silent", enlace.silencio, "El panel simulado no responde (para probar las esperas)")
      ->needs(simular);

  std::string dat, json, texto;
  std::optional<std::string> volcado, configuracion, salidaVolcado;
  bool comoTexto = false, csv = false;
  int segundos = 10;

  auto* nuevo = app.add_subcommand("new", "Crea un archivo con la configuración por defecto");
  nuevo->add_option("ARCHIVO", dat, "Archivo .dat a crear")->required();

  auto* exportar = app.add_subcommand("export", "Muestra la configuración de un archivo como JSON");
  exportar->add_option("ARCHIVO", dat, "Archivo .dat a leer")->required();
  exportar->add_flag("--text", comoTexto, "Listado legible en lugar de JSON");

  auto* importar = app.add_subcommand("import", "Guarda en un archivo la configuración de un JSON");
  importar->add_option("JSON", json, "Configuración en JSON (- para la entrada estándar)")->required();
  importar->add_option("ARCHIVO", dat, "Archivo .dat a escribir")->required();

  auto* historial = app.add_subcommand(
      "history", "Describe el historial: el de un volcado o, sin VOLCADO, el que se lee del panel");
  auto* opcionVolcado =
      historial->add_option("VOLCADO", volcado,
                            "Volcado de 4096 bytes o imagen de 12289 bytes (- para la entrada estándar)");
  historial->add_option("--config", configuracion, "Archivo .dat con los alias y números a mostrar");
  historial->add_flag("--csv", csv, "Salida CSV (UTF-8, líneas CRLF)");
  historial->add_option("-o", salidaVolcado, "Guarda también el volcado de 4096 bytes leído del panel")
      ->excludes(opcionVolcado);

  auto* leer = app.add_subcommand("read", "Lee la programación del panel y la guarda en un archivo .dat");
  leer->add_option("-o", dat, "Archivo .dat a escribir")->required();

  auto* programar = app.add_subcommand("program", "Programa el panel con la configuración de un archivo .dat");
  programar->add_option("ARCHIVO", dat, "Archivo .dat a enviar")->required();

  auto* enviar = app.add_subcommand("send", "Envía un comando al panel y muestra lo que responde en un segundo");
  enviar->add_option("TEXTO", texto, "Comando, como se escribe en la ventana de información")->required();

  auto* monitor = app.add_subcommand("monitor", "Muestra los valores y estados de entradas y salidas");
  monitor->add_option("--seconds", segundos, "Duración en segundos (10 por omisión)")->check(CLI::Range(1, 86400));

  std::vector<std::string> comparados;
  bool comoJson = false, conBytes = false, contraPanel = false;
  auto* diff = app.add_subcommand(
      "diff", "Compara dos archivos .dat, o el panel con uno: 0 iguales, 1 distintos, 2 error");
  diff->add_option("ARCHIVOS", comparados, "A.dat B.dat, o FILE.dat con --panel")->required()->expected(1, 2);
  diff->add_flag("--panel", contraPanel, "Compara lo que tiene el panel con el archivo");
  diff->add_flag("--json", comoJson, "Salida JSON");
  diff->add_flag("--bytes", conBytes, "También los bytes que ningún campo cubre");

  auto* reloj = app.add_subcommand("clock", "Pone en hora el panel con la fecha y hora de la computadora");

  std::string pdf;
  orda::report::OpcionesInforme informe;
  auto* reporte = app.add_subcommand("report", "Escribe el informe de configuración de un archivo .dat en PDF");
  reporte->add_option("ARCHIVO", dat, "Archivo .dat a leer")->required();
  reporte->add_option("-o", pdf, "Archivo PDF a escribir")->required();
  reporte->add_flag("--non-default", informe.soloDistintos, "Solo valores distintos de los de fábrica");
  reporte->add_flag("--mask-phones", informe.ocultarTelefonos, "Oculta los números de teléfono salvo sus 3 últimas cifras");
  // The installations library: `site ...`, and --site on the commands that archive.
  std::optional<std::string> db, sitioPanel;
  app.add_option("--db", db, "Biblioteca de instalaciones: postgresql://USUARIO@HOST[:PUERTO]/NOMBRE o sqlite:RUTA");
  for (CLI::App* c : {leer, programar, historial}) {
    c->add_option("--site", sitioPanel, "Archiva en la instalación SITE (número, nombre o serie; auto: por la serie del panel)");
  }
  ComandosSitio sitios(app);
  std::unique_ptr<ArchivadorSitio> archivador;
  QCoreApplication::setApplicationName("orda");  // the console's data folder holds the default library

  terminarAyudaEnEspanol(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {  // --help or --version
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "Uso incorrecto: " << traducirError(e) << "\n" << "Ayuda: orda-cli --help\n";
    return kUsoIncorrecto;
  }

  if (*diff && comparados.size() != (contraPanel ? 1u : 2u)) {
    std::cerr << "Uso incorrecto: diff A.dat B.dat, o diff --panel FILE.dat\n" << "Ayuda: orda-cli --help\n";
    return kUsoIncorrecto;
  }

  try {
    if (*diff && !contraPanel) {
      return comandoDiferencias(comparados[0], comparados[1], comoJson, conBytes, std::cout, std::cerr);
    }
    if (sitios.elegido()) return sitios.ejecutar(db, std::cout, std::cerr);
    if (sitioPanel) archivador = std::make_unique<ArchivadorSitio>(db, *sitioPanel);
    if (*nuevo) return comandoNuevo(dat, std::cerr);
    if (*exportar) return comandoExportar(dat, comoTexto, std::cout, std::cerr);
    if (*importar) return comandoImportar(json, dat, std::cerr);
    if (*reporte) return comandoInforme(argv[0], dat, pdf, informe, std::cerr);
    if (*historial && volcado) return comandoHistorial(*volcado, configuracion, csv, std::cout, std::cerr);

    std::unique_ptr<Tarea> tarea;
    if (*historial) tarea = std::make_unique<TareaHistorial>(salidaVolcado, configuracion, csv, archivador.get());
    if (*leer) tarea = std::make_unique<TareaLeer>(dat, archivador.get());
    if (*programar) tarea = std::make_unique<TareaProgramar>(dat, archivador.get());
    if (*enviar) tarea = std::make_unique<TareaEnviar>(texto);
    if (*monitor) tarea = std::make_unique<TareaMonitor>(segundos);
    if (*reloj) tarea = std::make_unique<TareaReloj>();
    TareaDiferencias* diferencias = nullptr;
    if (*diff) {
      auto t = std::make_unique<TareaDiferencias>(comparados[0], comoJson, conBytes);
      diferencias = t.get();
      tarea = std::move(t);
    }
    enlace.progresoTerminal = isatty(STDERR_FILENO) != 0;
    const int codigo = conPanel(*tarea, enlace, argv[0]);
    return diferencias ? diferencias->codigo(codigo) : codigo;
  } catch (const std::exception& e) {
    std::cerr << "Error inesperado: " << e.what() << "\n";
    return *diff ? kErrorComparacion : kEntradaInvalida;
  }
}
