#include "cli/listado.h"

#include <array>
#include <sstream>

#include "core/config/alternar.h"
#include "core/config/tablas.h"

namespace orda::cli {

namespace {

using config::CellKind;
using config::Tabla;

struct Opcion {
  const char* caption;
  int indice;
  int cantidad;  // more than 1: a row of numbered boxes
};

// Captions of the global options window, in its reading order.
constexpr std::array<Opcion, 11> kOpciones = {{
    {"No permitir desarmar el sistema", config::opcion::kNoPermitirDesarmar, 1},
    {"Rearmado automático", config::opcion::kRearmadoAutomatico, 1},
    {"Sistema armado cuando resetea", config::opcion::kArmadoAlResetear, 1},
    {"Notificación por armada/desarmado:", config::opcion::kAvisoArmadoA, 8},
    {"Permitir 'Serv. Téc. Remoto'", config::opcion::kServTecRemoto, 1},
    {"Habilitación global de grupo:", config::opcion::kGrupoHabilitado, 4},
    {"Llamada diaria", config::opcion::kLlamadaDiaria, 1},
    {"Llamada diaria - Notificar al número de teléfono:", config::opcion::kLlamadaDiariaA, 8},
    {"SMS diario", config::opcion::kSmsDiario, 1},
    {"SMS diario - Notificar al número de teléfono:", config::opcion::kSmsDiarioA, 8},
    {"Habilitar uso de clave", config::opcion::kUsoClave, 1},
}};

const char* siNo(bool b) { return b ? "sí" : "no"; }

std::string entreComillas(const std::string& t) { return "\"" + t + "\""; }

// "1 3 4", or "-" when nothing is set.
template <typename Activa>
std::string numerosActivos(int cantidad, Activa activa) {
  std::string s;
  for (int k = 0; k < cantidad; ++k) {
    if (!activa(k)) continue;
    if (!s.empty()) s += ' ';
    s += std::to_string(k + 1);
  }
  return s.empty() ? "-" : s;
}

int estadoHabDisparo(const std::string& imagen) {
  for (int i = 0; i < 4; ++i) {
    if (imagen == config::kEstadosHabDisparo[i]) return i;
  }
  return 3;
}

// Header 1 names the column, unless it only groups columns ("Listado",
// "Si dispara envía SMS a ..."), in which case header 2 says it all.
std::string etiqueta(const config::ColumnSpec& c) {
  const std::string_view e1 = c.encabezado1;
  if (e1 == "Listado" || e1.ends_with("...")) return c.encabezado2;
  return c.encabezado1 + " " + c.encabezado2;
}

// The four automatic programs of an output, one line each.
void listarProgramas(std::ostringstream& o, const Tabla& t, int fila) {
  using namespace config::colSalidas;
  for (int k = 0; k < 4; ++k) {
    o << "  " << t.columna(hab(k)).encabezado1 << " " << k + 1 << ": " << t.columna(hab(k)).encabezado2 << " "
      << siNo(t.marcada(fila, hab(k))) << ", " << t.columna(desde(k)).encabezado2 << " " << t.texto(fila, desde(k))
      << ", " << t.columna(hasta(k)).encabezado2 << " " << t.texto(fila, hasta(k)) << "\n";
  }
}

// One line per column of a record; a run of numbered marks under the same
// header is one line listing the numbers that are on.
void listarRegistro(std::ostringstream& o, const Tabla& t, int fila) {
  for (int col = 1; col < t.columnas();) {
    const config::ColumnSpec& c = t.columna(col);
    if (t.tipo() == config::TipoTabla::Salidas && col == config::colSalidas::hab(0)) {
      listarProgramas(o, t, fila);
      return;
    }
    if (c.tipo == CellKind::Mark && c.encabezado2 == "1") {
      int fin = col;
      while (fin + 1 < t.columnas() && t.columna(fin + 1).tipo == CellKind::Mark &&
             t.columna(fin + 1).encabezado1 == c.encabezado1) {
        ++fin;
      }
      o << "  " << c.encabezado1 << ": " << numerosActivos(fin - col + 1, [&](int k) { return t.marcada(fila, col + k); })
        << "\n";
      col = fin + 1;
      continue;
    }
    o << "  " << etiqueta(c) << ": ";
    if (c.tipo == CellKind::Mark && t.tipo() == config::TipoTabla::Entradas) {
      o << estadoHabDisparo(t.imagen(fila, col));
    } else if (c.tipo == CellKind::Mark) {
      o << siNo(t.marcada(fila, col));
    } else if (c.tipo == CellKind::InputType) {
      o << t.texto(fila, col);
    } else {
      o << entreComillas(t.texto(fila, col));
    }
    o << "\n";
    ++col;
  }
}

void listarTabla(std::ostringstream& o, const Tabla& t, const char* titulo, const char* registro) {
  o << titulo << "\n";
  for (int fila = Tabla::kPrimeraFila; fila <= t.ultimaFila(); ++fila) {
    o << registro << " " << t.texto(fila, 0) << "\n";
    listarRegistro(o, t, fila);
  }
  o << "\n";
}

}  // namespace

std::string listarConfiguracion(const config::Configuracion& cfg) {
  std::ostringstream o;
  o << "Panel: " << config::textoVersion(cfg.versionPanel) << "  " << config::textoSerial(cfg.serialPanel) << "\n\n";
  listarTabla(o, cfg.entradas, "Programación de Entradas", "Entrada");
  listarTabla(o, cfg.salidas, "Programación de Salidas", "Salida");
  listarTabla(o, cfg.tree, "Listado de números telefónicos habilitados", "Teléfono");

  o << "Funciones Especiales\n";
  for (std::size_t g = 0; g < config::kGruposEspeciales.size(); ++g) {
    const int elegida = cfg.especiales.seleccion(static_cast<int>(g));
    o << "  " << config::kGruposEspeciales[g].titulo << ": "
      << config::kCaptionsEspeciales[static_cast<std::size_t>(elegida)] << "\n";
  }
  o << "\nConfiguraciones globales\n";
  for (const Opcion& op : kOpciones) {
    const std::string_view caption = op.caption;
    o << "  " << caption << (caption.ends_with(':') ? " " : ": ");
    if (op.cantidad == 1) {
      o << siNo(cfg.globales.opcionActiva(op.indice));
    } else {
      o << numerosActivos(op.cantidad, [&](int k) { return cfg.globales.opcionActiva(op.indice + k); });
    }
    o << "\n";
  }
  for (int caja = 1; caja <= 9; ++caja) {
    o << "  " << config::etiquetaTexto(caja) << ": "
      << entreComillas(cfg.globales.text[static_cast<std::size_t>(caja)]) << "\n";
  }
  return o.str();
}

}  // namespace orda::cli
