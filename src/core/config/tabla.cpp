#include "core/config/tabla.h"

#include <stdexcept>

namespace orda::config {

Tabla::Tabla(TipoTabla tipo, std::vector<ColumnSpec> columnas, int registros, int filasExtra)
    : tipo_(tipo), spec_(std::move(columnas)), registros_(registros) {
  const int filas = kPrimeraFila + registros + filasExtra;
  celdas_.resize(static_cast<std::size_t>(filas) * spec_.size());
  for (int c = 0; c < this->columnas(); ++c) {
    celda(kFilaEncabezado1, c).texto = spec_[static_cast<std::size_t>(c)].encabezado1;
    celda(kFilaEncabezado2, c).texto = spec_[static_cast<std::size_t>(c)].encabezado2;
  }
  celda(kFilaOculta, 0).texto = "q";
}

Celda& Tabla::celda(int fila, int col) {
  if (!existe(fila, col)) {
    throw std::out_of_range("Celda inexistente: fila " + std::to_string(fila) + ", columna " + std::to_string(col));
  }
  return celdas_[static_cast<std::size_t>(fila) * spec_.size() + static_cast<std::size_t>(col)];
}

const Celda& Tabla::celda(int fila, int col) const { return const_cast<Tabla*>(this)->celda(fila, col); }

int Tabla::findColumn(std::string_view t) const {
  for (int c = 0; c < columnas(); ++c) {
    if (spec_[static_cast<std::size_t>(c)].encabezado1.find(t) != std::string::npos) return c;
  }
  return columnas() - 1;
}

}  // namespace orda::config
