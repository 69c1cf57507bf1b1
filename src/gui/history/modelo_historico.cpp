#include "gui/history/modelo_historico.h"

#include <QColor>

#include "gui/comun/texto_qt.h"
#include "gui/history/columnas_historico.h"

namespace orda::gui {

namespace {

// Records 1, 3, 5... (grid rows 3, 5, 7...) are shaded; the others keep the
// grid's white.
const QColor kSombreado(239, 239, 239);
const QColor kFondo(255, 255, 255);

}  // namespace

void ModeloHistorico::ponerFilas(std::vector<history::FilaHistorial> filas) {
  beginResetModel();
  filas_ = std::move(filas);
  textos_.clear();
  textos_.reserve(filas_.size());
  for (const history::FilaHistorial& f : filas_) {
    textos_.push_back({q(f.numero), q(f.fecha), q(f.hora), q(f.descripcion), q(f.codigos[0]), q(f.codigos[1]),
                       q(f.codigos[2]), q(f.codigos[3])});
  }
  endResetModel();
}

void ModeloHistorico::limpiar() { ponerFilas({}); }

int ModeloHistorico::rowCount(const QModelIndex& padre) const {
  return padre.isValid() ? 0 : static_cast<int>(textos_.size());
}

int ModeloHistorico::columnCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : historico::kColumnas; }

QVariant ModeloHistorico::data(const QModelIndex& i, int rol) const {
  if (!i.isValid() || i.row() >= rowCount() || i.column() >= historico::kColumnas) return {};
  const auto fila = static_cast<std::size_t>(i.row());
  switch (rol) {
    case Qt::DisplayRole: return textos_[fila][static_cast<std::size_t>(i.column())];
    case Qt::TextAlignmentRole: return QVariant::fromValue(historico::alineacion(i.column()));
    case Qt::BackgroundRole: return i.row() % 2 == 1 ? kSombreado : kFondo;
    case Qt::ToolTipRole:
      // Why a description is missing.
      if (i.column() == historico::kColumnaDescripcion && !filas_[fila].ok()) return q(filas_[fila].error);
      return {};
    default: return {};
  }
}

QVariant ModeloHistorico::headerData(int seccion, Qt::Orientation o, int rol) const {
  if (o != Qt::Horizontal || seccion < 0 || seccion >= historico::kColumnas) return {};
  const auto s = static_cast<std::size_t>(seccion);
  if (rol == Qt::DisplayRole) return q(history::kEncabezados[s]);
  if (rol == kRolUnidad) return q(history::kUnidades[s]);
  return {};
}

}  // namespace orda::gui
