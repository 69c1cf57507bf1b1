#pragma once
// How an edit of a table cell is committed: the check made when the user
// leaves the cell, and the write made when the editor loses the focus.
#include <string>
#include <string_view>

#include "core/config/tabla.h"

namespace orda::config {

struct Aviso {
  std::string texto;  // empty: nothing to warn about
  explicit operator bool() const { return !texto.empty(); }
};

// Warning titles and texts.
inline constexpr const char* kTituloAviso = "Sistema";
inline constexpr const char* kAvisoVoltaje = "El valor debe ser menor a 3.3V";
inline constexpr const char* kAvisoRetardoActivacion = "El valor debe ser menor a 327,675 seg";
inline constexpr const char* kAvisoRetardoDisparo = "El valor debe ser menor a 65535 seg";
inline constexpr const char* kAvisoHora = "La hora ingresada es incorrecra (HH:MM)  ";
inline constexpr const char* kAvisoPrivilegio =
    "El campo 'Privilegio' debe contener un valor numérico menor a 5 ";
inline constexpr const char* kAvisoNumero = "El campo 'Número' debe tener 10 dígitos numéricos (0~9) ";
inline constexpr const char* kAvisoRing =
    "El campo 'Duración RING'  debe contener un valor numérico menor a 15 ";

struct ValidacionCelda {
  enum class Accion {
    Escribir,         // write `texto` to the cell
    NoEscribir,       // accepted, but the cell keeps its text
    CambiarEditor,    // the cell is not written; the editor now shows `texto`
    Rechazar,         // `aviso` is shown, the cell is not written
  };
  Accion accion;
  std::string texto;
  Aviso aviso;
};

// The shared "HH:MM" check: five characters, digits at 1, 2, 4 and 5, any
// separator, hours up to 23 and minutes up to 59.
bool validarHora(std::string_view texto);

// The check a table makes when the current cell leaves column `col` with the
// editor holding `texto`, and what it writes (as typed or upper-cased).
ValidacionCelda validarLeaveCell(const Tabla& t, int col, std::string_view texto);

// LeaveCell: validates and writes into (fila, col). Returns the warning, if any.
Aviso confirmarLeaveCell(Tabla& t, int fila, int col, std::string_view texto);

// The editor lost the focus: the column's check first (rejected text is not
// written, the caller shows the warning in the status bar), then the table's
// own write rule and casing.
Aviso confirmarLostFocus(Tabla& t, int fila, int col, std::string_view texto);

// "Caracteres restantes:" and the characters left, with a leading blank.
std::string caracteresRestantes(int largoMaximo, std::string_view texto);

}  // namespace orda::config
