#include "gui/app/barra_estado.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

#include "gui/comun/imagenes_aplicacion.h"
#include "gui/comun/twips.h"

namespace orda::gui {

namespace {
constexpr int kLadoImagen = 16;
constexpr int kAltoBarra = 20;
}  // namespace

const std::array<DatosPanel, kCantidadPaneles> kPaneles{{
    {Qt::AlignHCenter, 1440, false},
    {Qt::AlignLeft, 1440, false},
    {Qt::AlignHCenter, 1440, false},
    {Qt::AlignHCenter, 1440, false},
    {Qt::AlignLeft, 1440, false},
    {Qt::AlignHCenter, 1740, true},
}};

PanelEstado::PanelEstado(int numero, Qt::Alignment alineacion, const ImagenesAplicacion& imagenes, QWidget* padre)
    : QFrame(padre), numero_(numero), alineacion_(alineacion), imagenes_(imagenes) {
  setObjectName(QStringLiteral("panel%1").arg(numero));
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  auto* fila = new QHBoxLayout(this);
  fila->setContentsMargins(3, 0, 3, 0);
  fila->setSpacing(3);
  dibujo_ = new QLabel(this);
  dibujo_->setFixedSize(kLadoImagen, kLadoImagen);
  dibujo_->hide();
  texto_ = new QLabel(this);
  texto_->setTextFormat(Qt::PlainText);
  texto_->setAlignment(alineacion | Qt::AlignVCenter);
  if (alineacion & Qt::AlignHCenter) fila->addStretch(1);
  fila->addWidget(dibujo_);
  fila->addWidget(texto_, alineacion & Qt::AlignHCenter ? 0 : 1);
  if (alineacion & Qt::AlignHCenter) fila->addStretch(1);
}

QString PanelEstado::texto() const { return texto_->text(); }

void PanelEstado::ponerTexto(const QString& t) { texto_->setText(t); }

void PanelEstado::ponerImagen(const QString& clave) {
  clave_ = clave;
  const QPixmap p = imagenes_.imagen(clave, QSize(kLadoImagen, kLadoImagen), devicePixelRatioF());
  dibujo_->setPixmap(p);
  dibujo_->setVisible(!p.isNull());
}

void PanelEstado::mouseReleaseEvent(QMouseEvent* e) {
  QFrame::mouseReleaseEvent(e);
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit pulsado();
}

BarraEstado::BarraEstado(QStatusBar& barra, const ImagenesAplicacion& imagenes) {
  barra.setObjectName(QStringLiteral("StatusBar1"));
  QFont letra(QStringLiteral("Tahoma"), 8);
  letra.setStyleHint(QFont::SansSerif);
  barra.setFont(letra);
  barra.setFixedHeight(kAltoBarra);
  barra.setSizeGripEnabled(false);
  for (int i = 0; i < kCantidadPaneles; ++i) {
    const DatosPanel& d = kPaneles.at(static_cast<std::size_t>(i));
    auto* p = new PanelEstado(i + 1, d.alineacion, imagenes, &barra);
    p->setMinimumWidth(aPixeles(d.anchoMinimoTwips));
    barra.addWidget(p, i == 1 ? 1 : 0);
    paneles_.at(static_cast<std::size_t>(i)) = p;
  }
  panel(1).ponerEtiqueta(QStringLiteral("Señal"));
  panel(5).ponerImagen(QStringLiteral("NOTCOM2"));
  barra.setFixedHeight(kAltoBarra);

  reloj_ = new QTimer(&barra);
  QObject::connect(reloj_, &QTimer::timeout, &barra, [this] { marcarHora(); });
  reloj_->start(1000);
  marcarHora();
}

void BarraEstado::marcarHora() { panel(6).ponerTexto(QTime::currentTime().toString(QStringLiteral("HH:mm"))); }

}  // namespace orda::gui
