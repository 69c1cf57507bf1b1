#include "gui/app/disposicion.h"

#include <array>

namespace orda::gui {

namespace {

struct Fraccion {
  int num, den;
  double de(double x) const { return x * num / den; }
};

// Heights of the right column: [band is the full height?][visible tables - 1].
constexpr std::array<std::array<Fraccion, 3>, 2> kAltoColumna{{
    {{{2, 3}, {1, 3}, {2, 9}}},  // the bottom band is in use
    {{{1, 1}, {1, 2}, {1, 3}}},  // nothing at the bottom
}};

// Bottom band by (globales, seguimiento, partner): left and width of Tree,
// then of Info; the partner of Tree is Info and the other way round.
struct FilaBanda {
  bool globales, seguimiento, companero;
  Fraccion treeIzq, treeAncho, infoIzq, infoAncho;
};
constexpr std::array<FilaBanda, 8> kBanda{{
    {true, false, false, {1, 3}, {2, 3}, {1, 3}, {2, 3}},
    {true, false, true, {1, 3}, {1, 3}, {2, 3}, {1, 3}},
    {true, true, false, {1, 2}, {1, 2}, {1, 2}, {1, 2}},
    {true, true, true, {1, 3}, {1, 3}, {2, 3}, {1, 3}},
    {false, false, false, {0, 1}, {1, 1}, {0, 1}, {1, 1}},
    {false, false, true, {0, 1}, {1, 2}, {1, 2}, {1, 2}},
    {false, true, false, {1, 2}, {1, 2}, {1, 2}, {1, 2}},
    {false, true, true, {1, 3}, {1, 3}, {2, 3}, {1, 3}},
}};

const FilaBanda& filaBanda(bool globales, bool seguimiento, bool companero) {
  for (const FilaBanda& f : kBanda) {
    if (f.globales == globales && f.seguimiento == seguimiento && f.companero == companero) return f;
  }
  return kBanda[0];  // unreachable: the table covers every case
}

}  // namespace

Disposicion disponer(const Visibles& v, double W, double H) {
  Disposicion d;
  const int tablas = int{v.entradas} + int{v.salidas} + int{v.especiales};
  const bool banda = v.tree || v.info || v.seguimiento;

  if (tablas > 0) {
    const double alto = kAltoColumna.at(banda ? 0 : 1).at(static_cast<std::size_t>(tablas - 1)).de(H);
    const double ancho = v.globales ? 2 * W / 3 : W;
    const double izquierda = v.globales ? W / 3 + 2 : 0;
    int encima = 0;
    auto colocar = [&](bool visible, std::optional<Caja>& caja) {
      if (!visible) return;
      caja = Caja{izquierda, alto * encima, ancho, alto};
      ++encima;
    };
    colocar(v.entradas, d.entradas);
    colocar(v.salidas, d.salidas);
    colocar(v.especiales, d.especiales);
  }

  if (v.globales) d.globales = Caja{std::nullopt, std::nullopt, tablas > 0 ? W / 3 : W, H};

  const bool arriba = tablas > 0 || v.globales;
  const double altoBanda = arriba ? H / 3 : H;
  const double topeBanda = arriba ? 2 * H / 3 : 0;
  if (v.tree) {
    const FilaBanda& f = filaBanda(v.globales, v.seguimiento, v.info);
    d.tree = Caja{f.treeIzq.de(W), topeBanda, f.treeAncho.de(W), altoBanda};
  }
  if (v.info) {
    const FilaBanda& f = filaBanda(v.globales, v.seguimiento, v.tree);
    d.info = Caja{f.infoIzq.de(W), topeBanda, f.infoAncho.de(W), altoBanda};
  }
  return d;
}

}  // namespace orda::gui
