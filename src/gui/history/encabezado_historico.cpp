#include "gui/history/encabezado_historico.h"

#include <QPainter>

#include "gui/history/modelo_historico.h"

namespace orda::gui {

const QColor EncabezadoHistorico::kFondoFijo(218, 218, 218);
const QColor EncabezadoHistorico::kFondoVacio(209, 209, 209);

EncabezadoHistorico::EncabezadoHistorico(int altoFila, QWidget* padre)
    : QHeaderView(Qt::Horizontal, padre), altoFila_(altoFila) {
  setSectionResizeMode(QHeaderView::Fixed);
  setHighlightSections(false);
  setSectionsClickable(false);
  setFixedHeight(2 * altoFila_);
}

void EncabezadoHistorico::ponerAltoFila(int altoFila) {
  altoFila_ = altoFila;
  setFixedHeight(2 * altoFila_);
}

QSize EncabezadoHistorico::sizeHint() const { return {QHeaderView::sizeHint().width(), 2 * altoFila_}; }

void EncabezadoHistorico::paintSection(QPainter* p, const QRect& r, int seccion) const {
  if (model() == nullptr) return;
  p->save();
  p->fillRect(r, kFondoFijo);
  const QRect arriba(r.left(), r.top(), r.width(), altoFila_);
  const QRect abajo(r.left(), r.top() + altoFila_, r.width(), r.height() - altoFila_);
  // Right and bottom of each cell, as the data rows' grid lines.
  p->setPen(QColor(160, 160, 160));
  p->drawLine(r.topRight(), r.bottomRight());
  p->drawLine(arriba.bottomLeft(), arriba.bottomRight());
  p->drawLine(r.bottomLeft(), r.bottomRight());
  p->setPen(palette().color(QPalette::ButtonText));
  p->setFont(font());
  p->drawText(arriba.adjusted(1, 0, -1, -1), Qt::AlignCenter,
              model()->headerData(seccion, Qt::Horizontal, Qt::DisplayRole).toString());
  p->drawText(abajo.adjusted(1, 0, -1, -1), Qt::AlignCenter,
              model()->headerData(seccion, Qt::Horizontal, ModeloHistorico::kRolUnidad).toString());
  p->restore();
}

}  // namespace orda::gui
