// orda-cli: the console's configuration files and history dumps from a
// shell, without a panel.
#include <iostream>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/comandos.h"

int main(int argc, char** argv) {
  using namespace orda::cli;
  CLI::App app{"Archivos de configuración (.dat) e historial del panel ORDA202", "orda-cli"};
  app.require_subcommand(1);

  std::string dat, json, volcado;
  std::optional<std::string> configuracion;
  bool texto = false, csv = false;

  auto* nuevo = app.add_subcommand("new", "Crea un archivo con la configuración por defecto");
  nuevo->add_option("ARCHIVO", dat, "Archivo .dat a crear")->required();

  auto* exportar = app.add_subcommand("export", "Muestra la configuración de un archivo como JSON");
  exportar->add_option("ARCHIVO", dat, "Archivo .dat a leer")->required();
  exportar->add_flag("--text", texto, "Listado legible en lugar de JSON");

  auto* importar = app.add_subcommand("import", "Guarda en un archivo la configuración de un JSON");
  importar->add_option("JSON", json, "Configuración en JSON")->required();
  importar->add_option("ARCHIVO", dat, "Archivo .dat a escribir")->required();

  auto* historial = app.add_subcommand("history", "Describe un volcado de la memoria de historial");
  historial->add_option("VOLCADO", volcado, "Volcado de 4096 bytes o imagen de 12289 bytes")->required();
  historial->add_option("--config", configuracion, "Archivo .dat con los alias y números a mostrar");
  historial->add_flag("--csv", csv, "Salida CSV (UTF-8, líneas CRLF)");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "Uso incorrecto: " << e.what() << "\n" << "Ayuda: orda-cli --help\n";
    return kUsoIncorrecto;
  }

  try {
    if (*nuevo) return comandoNuevo(dat, std::cerr);
    if (*exportar) return comandoExportar(dat, texto, std::cout, std::cerr);
    if (*importar) return comandoImportar(json, dat, std::cerr);
    return comandoHistorial(volcado, configuracion, csv, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "Error inesperado: " << e.what() << "\n";
    return kEntradaInvalida;
  }
}
