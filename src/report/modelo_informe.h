#pragma once
// The configuration report as plain data: a header and one section per
// window of the console, each a set of tables with the captions the windows
// use. Built from the core's configuration only; laying it out on pages is
// documento_informe's job.
#include <string>
#include <string_view>
#include <vector>

#include "core/config/configuracion.h"

namespace orda::report {

enum class Alineacion { Izquierda, Centro, Derecha };

struct Encabezado {
  std::string texto;
  int columnas = 1;  // cells of the row it spans
};

struct TablaInforme {
  std::vector<std::vector<Encabezado>> encabezados;  // repeated on every page
  std::vector<int> anchos;                          // relative column widths
  std::vector<Alineacion> alineaciones;
  std::vector<std::vector<std::string>> filas;
};

struct Seccion {
  std::string titulo;  // the window's caption
  std::vector<TablaInforme> tablas;
  std::string nota;    // shown when the section has no table
};

struct Dato {
  std::string etiqueta;
  std::string valor;  // empty: a line to fill in by hand
};

struct Informe {
  std::string titulo;
  std::string encabezadoPagina;  // repeated at the top of every page
  std::vector<Dato> datos;
  std::vector<std::string> avisos;  // what the options left out
  std::vector<Seccion> secciones;
};

struct OpcionesInforme {
  bool soloDistintos = false;     // only what differs from a new configuration
  bool ocultarTelefonos = false;  // all but the last 3 digits of each number
};

// What the configuration does not know.
struct DatosInforme {
  std::string archivo;     // the file's name, empty when none
  std::string fechaHora;   // already written as the user's clock shows it
  std::string instalador;  // may be empty
  std::string cliente;     // may be empty
};

Informe armarInforme(const config::Configuracion& cfg, const OpcionesInforme& opciones, const DatosInforme& datos);

// "1155550123" -> "*******123"; the unset marker and short numbers stay.
std::string ocultarNumero(std::string_view numero);

inline constexpr const char* kTituloInforme = "Informe de configuración";

}  // namespace orda::report
