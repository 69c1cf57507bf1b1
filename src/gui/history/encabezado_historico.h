#pragma once
// The history grid's two fixed header rows, drawn as one header: the column
// names above, their units below, each centred in a grey cell.
#include <QHeaderView>

namespace orda::gui {

class EncabezadoHistorico : public QHeaderView {
  Q_OBJECT

 public:
  // altoFila: the height of one header row in pixels.
  EncabezadoHistorico(int altoFila, QWidget* padre = nullptr);
  void ponerAltoFila(int altoFila);

  // The grid's two greys: the fixed cells, and the area below the last row.
  static const QColor kFondoFijo;
  static const QColor kFondoVacio;

  QSize sizeHint() const override;

 protected:
  void paintSection(QPainter* p, const QRect& r, int seccion) const override;

 private:
  int altoFila_;
};

}  // namespace orda::gui
