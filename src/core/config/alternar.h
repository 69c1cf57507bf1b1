#pragma once
// What a click or Space does to a mark or input-type cell.
#include "core/config/tabla.h"

namespace orda::config {

// The four trigger-enable states in cycle order; their index is the value
// the panel stores.
inline constexpr const char* kEstadosHabDisparo[4] = {
    imagenes::kNoMarcado, imagenes::kMarcado, imagenes::kMarcadoRG, imagenes::kMarcado24};

// Toggles cell (fila, col) when it is a data-row mark or input-type cell;
// returns whether anything changed.
bool toggleCell(Tabla& t, int fila, int col);

}  // namespace orda::config
