#pragma once
// Where the child windows go when the console starts: the global options take
// the left third at full height, the three tables share the right two thirds
// from the top, and the phone list and the device information share a band at
// the bottom. Measures in the main window's units (twips): W and H are its
// client area. A window that is not visible is left where it is, and so is
// the trending window in every case.
#include <optional>

namespace orda::gui {

struct Visibles {
  bool globales = false;
  bool entradas = false;
  bool salidas = false;
  bool especiales = false;
  bool tree = false;
  bool info = false;
  bool seguimiento = false;
};

struct Caja {
  std::optional<double> izquierda;  // empty: unchanged
  std::optional<double> arriba;
  double ancho = 0;
  double alto = 0;
};

struct Disposicion {
  std::optional<Caja> entradas, salidas, especiales, globales, tree, info;
};

Disposicion disponer(const Visibles& v, double W, double H);

}  // namespace orda::gui
