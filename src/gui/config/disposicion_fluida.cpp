#include "gui/config/disposicion_fluida.h"

#include <QWidget>
#include <algorithm>

namespace orda::gui {

DisposicionFluida::DisposicionFluida(QWidget* padre, int espacioH, int espacioV)
    : QLayout(padre), espacioH_(espacioH), espacioV_(espacioV) {}

DisposicionFluida::~DisposicionFluida() {
  while (QLayoutItem* item = takeAt(0)) delete item;
}

QLayoutItem* DisposicionFluida::takeAt(int i) {
  return (i >= 0 && i < items_.size()) ? items_.takeAt(i) : nullptr;
}

void DisposicionFluida::setGeometry(const QRect& r) {
  QLayout::setGeometry(r);
  colocar(r, true);
}

QSize DisposicionFluida::minimumSize() const {
  QSize s;
  for (const QLayoutItem* item : items_) s = s.expandedTo(item->minimumSize());
  const QMargins m = contentsMargins();
  return s + QSize(m.left() + m.right(), m.top() + m.bottom());
}

int DisposicionFluida::colocar(const QRect& r, bool aplicar) const {
  const QMargins m = contentsMargins();
  const QRect area = r.adjusted(m.left(), m.top(), -m.right(), -m.bottom());
  int x = area.x();
  int y = area.y();
  int altoLinea = 0;
  for (QLayoutItem* item : items_) {
    if (item->isEmpty()) continue;
    const QSize tam = item->sizeHint();
    if (x > area.x() && x + tam.width() > area.right() + 1) {
      x = area.x();
      y += altoLinea + espacioV_;
      altoLinea = 0;
    }
    if (aplicar) item->setGeometry(QRect(QPoint(x, y), tam));
    x += tam.width() + espacioH_;
    altoLinea = std::max(altoLinea, tam.height());
  }
  return y + altoLinea - r.y() + m.bottom();
}

}  // namespace orda::gui
