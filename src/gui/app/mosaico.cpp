#include "gui/app/mosaico.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace orda::gui {

std::vector<QRect> mosaico(Mosaico forma, int ventanas, QSize area) {
  std::vector<QRect> r;
  if (ventanas <= 0) return r;
  const bool lado = forma == Mosaico::Horizontal;
  const int total = lado ? area.width() : area.height();
  for (int i = 0; i < ventanas; ++i) {
    const int desde = total * i / ventanas;
    const int hasta = total * (i + 1) / ventanas;
    r.push_back(lado ? QRect(desde, 0, hasta - desde, area.height()) : QRect(0, desde, area.width(), hasta - desde));
  }
  return r;
}

void organizar(QMdiArea& area, Mosaico forma) {
  QList<QMdiSubWindow*> visibles;
  for (QMdiSubWindow* s : area.subWindowList(QMdiArea::StackingOrder)) {
    if (s->isVisible() && !s->isMinimized()) visibles.append(s);
  }
  const std::vector<QRect> cajas = mosaico(forma, static_cast<int>(visibles.size()), area.viewport()->size());
  for (qsizetype i = 0; i < visibles.size(); ++i) {
    if (visibles[i]->isMaximized()) visibles[i]->showNormal();
    visibles[i]->setGeometry(cajas[static_cast<std::size_t>(i)]);
  }
}

}  // namespace orda::gui
