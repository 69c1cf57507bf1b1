#include "core/config/alternar.h"

#include "core/config/tablas.h"

namespace orda::config {

namespace {

void alternarTipo(Tabla& t, int fila) {
  using namespace colEntradas;
  const bool eraAlto = t.imagen(fila, kTipo) == imagenes::kFlancoAsc;
  // Changing the type always resets both thresholds to the type's defaults.
  t.ponerImagen(fila, kTipo, eraAlto ? imagenes::kFlancoDesc : imagenes::kFlancoAsc);
  t.ponerTexto(fila, kTipo, eraAlto ? kTipoBajo : kTipoAlto);
  t.ponerTexto(fila, kComparacionSuperior, eraAlto ? "1.20" : "2.50");
  t.ponerTexto(fila, kComparacionInferior, eraAlto ? "0.50" : "1.80");
}

void alternarHabDisparo(Tabla& t, int fila, int col) {
  const std::string& actual = t.imagen(fila, col);
  for (int i = 0; i < 4; ++i) {
    if (actual == kEstadosHabDisparo[i]) {
      t.ponerImagen(fila, col, kEstadosHabDisparo[(i + 1) % 4]);
      return;
    }
  }
  t.ponerImagen(fila, col, imagenes::kNoMarcado);
}

}  // namespace

bool toggleCell(Tabla& t, int fila, int col) {
  if (!t.esFilaDatos(fila) || !t.existe(fila, col)) return false;
  const CellKind k = t.columna(col).tipo;
  if (k == CellKind::InputType && t.tipo() == TipoTabla::Entradas) {
    alternarTipo(t, fila);
    return true;
  }
  if (k != CellKind::Mark) return false;
  if (t.tipo() == TipoTabla::Entradas && col == colEntradas::kHabDisparo) {
    alternarHabDisparo(t, fila, col);
  } else {
    t.marcar(fila, col, t.imagen(fila, col) == imagenes::kNoMarcado);
  }
  return true;
}

}  // namespace orda::config
