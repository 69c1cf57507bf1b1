#pragma once
// Values a panel or a file can hold that the editors would not let anyone
// type: a lower-case name, a 61-character message, "5.00" volts, "99:99",
// a privilege of 255. Opening the file shows them as they are, so exporting
// writes them, and importing must take them back unchanged: the image saved
// from the imported document is then the one the console saves.
#include <string_view>

#include "core/config/tabla.h"

namespace orda::json {

// True when `texto` is exactly what reading some stored bytes shows in that
// cell (or global text box): import then keeps it as it is.
bool comoSeLeeCelda(const config::Tabla& t, int col, std::string_view texto);
bool comoSeLeeCaja(int caja, std::string_view texto);

// Any character from U+0000 to U+001F, or U+007F.
bool tieneControl(std::string_view texto);

}  // namespace orda::json
