#pragma once
// The panel-wide options: 36 check boxes and the texts Text1..Text9.
#include <array>
#include <string>
#include <string_view>

#include "core/config/validacion.h"

namespace orda::config {

// Indices of OpcionesGlobales.
namespace opcion {
inline constexpr int kCoAdministrador = 0, kLlamadaDiaria = 1, kSmsDiario = 2;
inline constexpr int kNoPermitirDesarmar = 3, kRearmadoAutomatico = 4, kArmadoAlResetear = 5;
inline constexpr int kServTecRemoto = 6;
inline constexpr int kLlamadaDiariaA = 7;   // 7..14
inline constexpr int kSmsDiarioA = 15;      // 15..22
inline constexpr int kGrupoHabilitado = 23; // 23..26
inline constexpr int kAvisoArmadoA = 27;    // 27..34
inline constexpr int kUsoClave = 35;
inline constexpr int kCantidad = 36;
}  // namespace opcion

// Text boxes by number (Text1 .. Text9).
namespace caja {
inline constexpr int kHoraLlamada = 1, kDuracionLlamada = 2, kHoraSms = 3, kMensajeSms = 4;
inline constexpr int kDuracionDisparo = 5, kDuracionStr = 6, kNumeroSaldo = 7, kTextoSaldo = 8;
inline constexpr int kClave = 9;
}  // namespace caja

inline constexpr const char* kAvisoDuracionLlamada = "El valor debe ser menor a 255 seg";
inline constexpr const char* kAvisoMinutos = "El valor debe ser menor a 1092 min";
inline constexpr const char* kAvisoClave = "Laclave debe tener entre 3 y 8 caracteres";

struct Globales {
  std::array<int, opcion::kCantidad> opciones{};  // 0 or 1
  std::array<std::string, 10> text;               // [1]..[9]; [0] unused

  Globales();
  bool opcionActiva(int i) const { return opciones.at(static_cast<std::size_t>(i)) == 1; }
  bool operator==(const Globales&) const = default;
};

// Label shown beside a text box.
const char* etiquetaTexto(int caja);

// Maximum length of a text box, 0 when the box has none.
int largoMaximoTexto(int caja);

struct RevisionTexto {
  std::string texto;  // the box's text after its numeric rewrite, if any
  Aviso aviso;        // the warning when the check fails
};

// The check a text box makes when it loses the focus.
RevisionTexto revisarTextoGlobal(int caja, std::string_view texto);

// Text7 on every change: its numeric value written without blanks.
std::string reescribirNumeroSaldo(std::string_view texto);

}  // namespace orda::config
