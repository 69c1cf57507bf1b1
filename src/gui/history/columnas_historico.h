#pragma once
// The history grid's columns: width value, data alignment, and the measures
// the window is laid out with (twips).
#include <Qt>
#include <array>

namespace orda::gui::historico {

inline constexpr int kColumnas = 8;
inline constexpr int kColumnaDescripcion = 3;

// A column's width in twips is (value - 2) * 3.
inline constexpr std::array<int, kColumnas> kValoresAncho = {120, 500, 500, 2000, 250, 250, 250, 250};
constexpr int anchoColumnaTwips(int columna) { return (kValoresAncho[static_cast<std::size_t>(columna)] - 2) * 3; }

constexpr Qt::Alignment alineacion(int columna) {
  return columna == kColumnaDescripcion ? Qt::AlignLeft | Qt::AlignVCenter : Qt::Alignment(Qt::AlignCenter);
}

inline constexpr int kAltoFilaTwips = 250;
inline constexpr int kHolguraTablaTwips = 50;    // beyond the columns and their lines
inline constexpr int kEnsancheTwips = 260;       // room for the vertical scroll bar
inline constexpr int kFilasVisiblesAlCargar = 20; // data rows the window shows at load

}  // namespace orda::gui::historico
