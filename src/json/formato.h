#pragma once
// The keys of the JSON format and where each one lives in the configuration.
// Export and import walk the same tables, so the two cannot drift apart.
#include <array>

#include "core/config/globales.h"
#include "core/config/tablas.h"

namespace orda::json {

enum class Clase {
  Texto,   // a text cell: a JSON string
  Marcas,  // `cantidad` consecutive mark cells: a list of booleans
  Marca,   // one mark cell: a boolean
  Tipo,    // the input type: its caption
  Estado,  // the four-state trigger enable: 0..3
};

struct CampoTabla {
  const char* clave;
  int col;
  Clase clase;
  int cantidad = 1;
};

inline constexpr std::array<CampoTabla, 16> kCamposEntrada = {{
    {"alias", config::colEntradas::kAlias, Clase::Texto},
    {"grupo", config::colEntradas::kGrupo, Clase::Marcas, 4},
    {"tipoEntrada", config::colEntradas::kTipo, Clase::Tipo},
    {"habDisparo", config::colEntradas::kHabDisparo, Clase::Estado},
    {"retardoActivacion", config::colEntradas::kRetardoActivacion, Clase::Texto},
    {"retardoDisparo", config::colEntradas::kRetardoDisparo, Clase::Texto},
    {"smsActivacion", config::colEntradas::kSmsActivacion, Clase::Marcas, 8},
    {"mensajeActivacion", config::colEntradas::kMensajeActivacion, Clase::Texto},
    {"mensajeDesactivacion", config::colEntradas::kMensajeDesactivacion, Clase::Texto},
    {"smsDisparo", config::colEntradas::kSmsDisparo, Clase::Marcas, 8},
    {"mensajeDisparo", config::colEntradas::kMensajeDisparo, Clase::Texto},
    {"llamadaDisparo", config::colEntradas::kLlamadaDisparo, Clase::Marcas, 8},
    {"comparacionSuperior", config::colEntradas::kComparacionSuperior, Clase::Texto},
    {"comparacionInferior", config::colEntradas::kComparacionInferior, Clase::Texto},
    {"escalaValor", config::colEntradas::kEscalaValor, Clase::Texto},
    {"escalaUnidad", config::colEntradas::kEscalaUnidad, Clase::Texto},
}};

// An output: its name and switch, then `programas` (see kCamposPrograma).
inline constexpr std::array<CampoTabla, 2> kCamposSalida = {{
    {"alias", config::colSalidas::kAlias, Clase::Texto},
    {"encendida", config::colSalidas::kEncendida, Clase::Marca},
}};
inline constexpr const char* kClaveProgramas = "programas";
inline constexpr int kCantidadProgramas = 4;

// Columns of program 0; program k adds 3k.
inline constexpr std::array<CampoTabla, 3> kCamposPrograma = {{
    {"hab", config::colSalidas::hab(0), Clase::Marca},
    {"desde", config::colSalidas::desde(0), Clase::Texto},
    {"hasta", config::colSalidas::hasta(0), Clase::Texto},
}};

inline constexpr std::array<CampoTabla, 4> kCamposTelefono = {{
    {"perteneceA", config::colTree::kPerteneceA, Clase::Texto},
    {"privilegio", config::colTree::kPrivilegio, Clase::Texto},
    {"numero", config::colTree::kTelefono, Clase::Texto},
    {"duracionRing", config::colTree::kDuracionRing, Clase::Texto},
}};

// Global options: single check boxes, rows of check boxes, text boxes.
struct CampoOpcion {
  const char* clave;
  int indice;
  int cantidad;  // 1: a boolean; more: a list of booleans
};

inline constexpr std::array<CampoOpcion, 11> kOpcionesGlobales = {{
    {"llamadaDiaria", config::opcion::kLlamadaDiaria, 1},
    {"smsDiario", config::opcion::kSmsDiario, 1},
    {"noPermitirDesarmar", config::opcion::kNoPermitirDesarmar, 1},
    {"rearmadoAutomatico", config::opcion::kRearmadoAutomatico, 1},
    {"armadoAlResetear", config::opcion::kArmadoAlResetear, 1},
    {"servTecRemoto", config::opcion::kServTecRemoto, 1},
    {"usoClave", config::opcion::kUsoClave, 1},
    {"llamadaDiariaA", config::opcion::kLlamadaDiariaA, 8},
    {"smsDiarioA", config::opcion::kSmsDiarioA, 8},
    {"grupoHabilitado", config::opcion::kGrupoHabilitado, 4},
    {"avisoArmadoA", config::opcion::kAvisoArmadoA, 8},
}};

struct CampoCaja {
  const char* clave;
  int caja;
};

inline constexpr std::array<CampoCaja, 9> kCajasGlobales = {{
    {"horaLlamada", config::caja::kHoraLlamada},
    {"duracionLlamada", config::caja::kDuracionLlamada},
    {"horaSms", config::caja::kHoraSms},
    {"mensajeSms", config::caja::kMensajeSms},
    {"duracionDisparo", config::caja::kDuracionDisparo},
    {"duracionStr", config::caja::kDuracionStr},
    {"numeroSaldo", config::caja::kNumeroSaldo},
    {"textoSaldo", config::caja::kTextoSaldo},
    {"clave", config::caja::kClave},
}};

// Top-level keys and their record counts.
inline constexpr const char* kClaveEntradas = "entradas";
inline constexpr const char* kClaveSalidas = "salidas";
inline constexpr const char* kClaveTelefonos = "telefonos";
inline constexpr const char* kClaveGlobales = "globales";
inline constexpr const char* kClaveEspeciales = "especiales";
inline constexpr const char* kClavePanel = "panel";
inline constexpr int kCantidadTelefonos = 9;  // the hidden balance row follows numeroSaldo

inline constexpr const char* kClaveVersion = "versionPanel";
inline constexpr const char* kClaveSerial = "serialPanel";
inline constexpr int kLargoVersion = 3;
inline constexpr int kLargoSerial = 5;

}  // namespace orda::json
