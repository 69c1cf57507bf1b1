#pragma once
// The rows of the history grid: one per record, eight columns, the texts
// converted once when the rows arrive so that painting only reads them.
// Header row 0 is the DisplayRole of the horizontal header, header row 1 its
// kRolUnidad.
#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <vector>

#include "core/history/filas.h"

namespace orda::gui {

class ModeloHistorico : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kRolUnidad = Qt::UserRole + 1;

  using QAbstractTableModel::QAbstractTableModel;

  void ponerFilas(std::vector<history::FilaHistorial> filas);
  void limpiar();
  const std::vector<history::FilaHistorial>& filas() const { return filas_; }

  int rowCount(const QModelIndex& padre = {}) const override;
  int columnCount(const QModelIndex& padre = {}) const override;
  QVariant data(const QModelIndex& i, int rol = Qt::DisplayRole) const override;
  QVariant headerData(int seccion, Qt::Orientation o, int rol = Qt::DisplayRole) const override;

 private:
  std::vector<history::FilaHistorial> filas_;
  std::vector<std::array<QString, 8>> textos_;
};

}  // namespace orda::gui
