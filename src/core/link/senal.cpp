#include "core/link/senal.h"

#include "core/link/textos.h"

namespace orda::link {

int valorSenal(std::uint8_t decenas, std::uint8_t unidades) {
  if (decenas != ' ') return (decenas - 48) * 10 + (unidades - 48);
  return unidades - 48;
}

NivelSenal nivelSenal(int v) {
  struct Fila {
    int hasta;  // first value the row no longer covers
    NivelSenal nivel;
  };
  static constexpr Fila kTabla[] = {
      {5, {"L1", "Mala"}},
      {10, {"L2", "Regular"}},
      {15, {"L3", "Buena"}},
      {20, {"L4", "Muy buena"}},
  };
  if (v == 0) return {textos::kImagenSinSenal, "Sin señal"};
  for (const Fila& f : kTabla) {
    if (v < f.hasta) return f.nivel;
  }
  return {"L5", "Excelente"};
}

bool PanelSenal::sondeoActivo() const { return imagen != textos::kImagenSondeoApagado; }

void PanelSenal::alternar() {
  if (!texto.empty()) {
    imagen = textos::kImagenSondeoApagado;
    texto.clear();
  } else {
    imagen = textos::kImagenSinSenal;
  }
}

}  // namespace orda::link
