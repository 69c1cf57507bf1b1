#include "gui/app/mosaico.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <algorithm>

namespace orda::gui {

namespace {

QList<QMdiSubWindow*> visibles(const QMdiArea& area) {
  QList<QMdiSubWindow*> r;
  for (QMdiSubWindow* s : area.subWindowList(QMdiArea::StackingOrder)) {
    if (s->isVisible() && !s->isMinimized()) r.append(s);
  }
  return r;
}

void aplicar(const QList<QMdiSubWindow*>& ventanas, const std::vector<QRect>& cajas) {
  for (qsizetype i = 0; i < ventanas.size(); ++i) {
    if (ventanas[i]->isMaximized()) ventanas[i]->showNormal();
    ventanas[i]->setGeometry(cajas[static_cast<std::size_t>(i)]);
  }
}

}  // namespace

std::vector<QRect> mosaico(Mosaico forma, int ventanas, QSize area) {
  std::vector<QRect> r;
  if (ventanas <= 0) return r;
  const bool apiladas = forma == Mosaico::Horizontal;
  const int total = apiladas ? area.height() : area.width();
  for (int i = 0; i < ventanas; ++i) {
    const int desde = total * i / ventanas;
    const int hasta = total * (i + 1) / ventanas;
    r.push_back(apiladas ? QRect(0, desde, area.width(), hasta - desde) : QRect(desde, 0, hasta - desde, area.height()));
  }
  return r;
}

std::vector<QRect> cascada(int ventanas, QSize area, int paso) {
  std::vector<QRect> r;
  if (ventanas <= 0) return r;
  paso = std::max(paso, 1);
  const int escalones = ventanas - 1;
  const QSize minimo = area * 3 / 4;
  const QSize tamano(std::max(area.width() - escalones * paso, minimo.width()),
                     std::max(area.height() - escalones * paso, minimo.height()));
  // How many windows fit on the staircase before it starts again.
  const int caben = 1 + std::min(area.width() - tamano.width(), area.height() - tamano.height()) / paso;
  for (int i = 0; i < ventanas; ++i) {
    const int desde = (i % std::max(caben, 1)) * paso;
    r.emplace_back(QPoint(desde, desde), tamano);
  }
  return r;
}

void organizar(QMdiArea& area, Mosaico forma) {
  const QList<QMdiSubWindow*> v = visibles(area);
  aplicar(v, mosaico(forma, static_cast<int>(v.size()), area.viewport()->size()));
}

void organizarEnCascada(QMdiArea& area) {
  const QList<QMdiSubWindow*> v = visibles(area);
  if (v.isEmpty()) return;
  // One title bar: the sub-window's contents start below it.
  int paso = v.front()->contentsMargins().top();
  if (paso <= 0) paso = v.front()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, v.front());
  aplicar(v, cascada(static_cast<int>(v.size()), area.viewport()->size(), paso));
  for (QMdiSubWindow* s : v) s->raise();
}

}  // namespace orda::gui
