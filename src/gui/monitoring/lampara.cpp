#include "gui/monitoring/lampara.h"

#include <QMouseEvent>
#include <QPainter>

#include "gui/comun/biblioteca_imagenes.h"

namespace orda::gui {

Lampara::Lampara(const BibliotecaImagenes& imagenes, QWidget* padre) : QWidget(padre), imagenes_(imagenes) {
  setFixedSize(kLado, kLado);
}

void Lampara::ponerClave(const QString& clave) {
  if (clave == clave_) return;
  clave_ = clave;
  update();
}

void Lampara::paintEvent(QPaintEvent*) {
  const QPixmap p = imagenes_.imagen(clave_, size(), devicePixelRatioF());
  if (p.isNull()) return;
  QPainter(this).drawPixmap(rect(), p);
}

void Lampara::enterEvent(QEnterEvent*) { emit entro(); }
void Lampara::leaveEvent(QEvent*) { emit salio(); }

void Lampara::mousePressEvent(QMouseEvent* e) {
  apretada_ = e->button() == Qt::LeftButton;
}

// A click: pressed and released over the lamp.
void Lampara::mouseReleaseEvent(QMouseEvent* e) {
  const bool click = apretada_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  apretada_ = false;
  if (click) emit pulsada();
}

}  // namespace orda::gui
