#include "gui/monitoring/cursores_tendencia.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace orda::gui {

FlechaCursor::FlechaCursor(bool haciaDerecha, QColor color, QWidget* padre)
    : QWidget(padre), haciaDerecha_(haciaDerecha), color_(color) {
  setFixedSize(9, 13);
  setCursor(Qt::SizeVerCursor);
}

void FlechaCursor::ponerColor(QColor color) {
  if (color == color_) return;
  color_ = color;
  update();
}

void FlechaCursor::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = width(), h = height(), m = h / 2.0;
  QPolygonF punta;
  if (haciaDerecha_) {
    punta << QPointF(0.5, 0.5) << QPointF(w - 0.5, m) << QPointF(0.5, h - 0.5);
  } else {
    punta << QPointF(w - 0.5, 0.5) << QPointF(0.5, m) << QPointF(w - 0.5, h - 0.5);
  }
  p.setPen(QPen(color_.darker(140), 1));
  p.setBrush(color_);
  p.drawPolygon(punta);
}

void FlechaCursor::mouseMoveEvent(QMouseEvent* e) {
  if (e->buttons() & Qt::LeftButton) emit arrastrada(e->globalPosition().toPoint());
}

LecturaCursor::LecturaCursor(const QString& nombreA, const QString& nombreB, QColor colorA, QWidget* padre)
    : QWidget(padre), a_(new QLabel(this)), b_(new QLabel(this)) {
  const QFont letra(QStringLiteral("Tahoma"), 7);
  for (QLabel* l : {a_, b_}) {
    l->setFont(letra);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  a_->setObjectName(nombreA);
  b_->setObjectName(nombreB);
  QPalette pa = a_->palette();
  pa.setColor(QPalette::WindowText, colorA);
  a_->setPalette(pa);
  QPalette pb = b_->palette();
  pb.setColor(QPalette::WindowText, kEscalada);
  b_->setPalette(pb);
  ajustar();
}

void LecturaCursor::ponerTextos(const QString& voltios, const QString& escalada) {
  if (voltios == a_->text() && escalada == b_->text()) return;
  a_->setText(voltios);
  b_->setText(escalada);
  ajustar();
  update();
}

// Each label as wide as its text, right-aligned over the wider one, the
// separator between them.
void LecturaCursor::ajustar() {
  const QFontMetrics fm(a_->font());
  const int alto = fm.height();
  const int ancho = std::max({fm.horizontalAdvance(a_->text()), fm.horizontalAdvance(b_->text()), 1});
  a_->setGeometry(0, 0, ancho, alto);
  separador_ = alto + 1;
  b_->setGeometry(0, separador_ + 2, ancho, alto);
  resize(ancho, b_->geometry().bottom() + 1);
}

void LecturaCursor::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(kSeparador);
  p.drawLine(0, separador_, width() - 1, separador_);
}

}  // namespace orda::gui
