#include "gui/app/avisos.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/comun/imagenes_aplicacion.h"

namespace orda::gui {

namespace {

void centrar(QWidget& w) {
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    QRect r = w.frameGeometry();
    r.moveCenter(s->availableGeometry().center());
    w.move(r.topLeft());
  }
}

}  // namespace

Comunicacion::Comunicacion(QWidget* padre)
    : QWidget(padre, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("Comunicacion"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  QPalette fondo = palette();
  fondo.setColor(QPalette::Window, Qt::white);
  setPalette(fondo);
  setAutoFillBackground(true);
  auto* col = new QVBoxLayout(this);
  col->setContentsMargins(24, 20, 24, 20);
  col->setSpacing(14);
  image1_ = new QLabel(this);
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->setAlignment(Qt::AlignCenter);
  image1_->setFixedHeight(64);
  auto* nombre = new QLabel(QStringLiteral("OrDA - Ordavix - V2.02"), this);
  nombre->setAlignment(Qt::AlignCenter);
  QFont grande = nombre->font();
  grande.setPointSize(grande.pointSize() + 3);
  grande.setBold(true);
  nombre->setFont(grande);
  mInfo_ = new QLabel(this);
  mInfo_->setObjectName(QStringLiteral("mInfo"));
  mInfo_->setAlignment(Qt::AlignCenter);
  mInfo_->setMinimumWidth(380);
  col->addWidget(image1_);
  col->addWidget(nombre);
  col->addWidget(mInfo_);
  adjustSize();
  centrar(*this);
}

void Comunicacion::ponerImagen(const ImagenesAplicacion& imagenes) {
  image1_->setPixmap(imagenes.imagen(QStringLiteral("ORDA"), QSize(64, 64), devicePixelRatioF()));
}

void Comunicacion::informar(const QString& texto) {
  mInfo_->setText(texto);
  if (isVisible()) repaint();
}

QString Comunicacion::texto() const { return mInfo_->text(); }

void Comunicacion::paintEvent(QPaintEvent* e) {
  QWidget::paintEvent(e);
  QPainter p(this);
  p.setPen(QColor(0x8d, 0x96, 0x9e));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

Notificados::Notificados(QWidget* padre) : QWidget(padre, Qt::Dialog | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("Notificados"));
  setWindowTitle(QStringLiteral("ORDA"));
  auto* col = new QVBoxLayout(this);
  col->setContentsMargins(16, 12, 16, 12);
  auto* etiqueta = new QLabel(QStringLiteral("Procesando..."), this);
  etiqueta->setObjectName(QStringLiteral("Label1"));
  barra_ = new QProgressBar(this);
  barra_->setObjectName(QStringLiteral("ProgressBar1"));
  barra_->setRange(0, 0);  // busy: nothing counts the closing down
  barra_->setMinimumWidth(260);
  col->addWidget(etiqueta);
  col->addWidget(barra_);
  adjustSize();
  centrar(*this);
}

}  // namespace orda::gui
