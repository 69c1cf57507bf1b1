#pragma once
// The two horizontal cursors of the trending chart: where they may be
// dragged, the voltage at their height and the readouts shown beside them.
#include <optional>
#include <string>
#include <string_view>

#include "core/config/tabla.h"

namespace orda::monitoring {

inline constexpr double kVoltiosPlenos = 3.3;  // the top of the plot

// Cursor 1 starts on the top edge, cursor 2 on the bottom edge; heights are
// measured from the top of the plot, in the plot's unit.
struct Cursores {
  double superior = 0;  // cursor 1
  double inferior = 0;  // cursor 2
};

enum class Cursor { Superior, Inferior };

Cursores cursoresIniciales(double alto);

// A drag to height y: taken only strictly inside the plot and on the
// cursor's own side of the other one, so that they never meet or cross.
// Returns whether the cursor moved.
bool moverCursor(Cursores& c, Cursor cual, double y, double alto);

// (1 − y / H) × 3.3.
double voltajeCursor(double y, double alto);

// The pattern "#0.00": at least one integer digit, two decimals, halves
// rounded away from zero on the value's 15 significant digits. Empty for a
// value that is not finite.
std::string formatoCentesimas(double valor);

// A failure while building a readout, with the number and text the console
// shows for it.
struct FalloLectura {
  int numero = 0;
  std::string mensaje;
  bool operator==(const FalloLectura&) const = default;
};
inline constexpr int kErrorDesbordamiento = 6;

// "1.65V".
std::string lecturaVoltios(double voltaje);

// The second readout: the voltage times the input's scaling constant,
// followed by its unit ("16.50BAR"); empty with no input selected (canal 0).
// A constant or product beyond a double's range is an overflow.
struct LecturaEscalada {
  std::string texto;
  std::optional<FalloLectura> fallo;  // set: texto is not to be shown
};
LecturaEscalada lecturaEscalada(double voltaje, std::string_view escalaValor, std::string_view escalaUnidad);
LecturaEscalada lecturaEscalada(double voltaje, const config::Tabla& entradas, int canal);

// "Error 6: Desbordamiento".
std::string textoFallo(const FalloLectura& f);

}  // namespace orda::monitoring
