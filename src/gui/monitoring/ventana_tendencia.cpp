#include "gui/monitoring/ventana_tendencia.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "gui/comun/biblioteca_imagenes.h"
#include "gui/comun/texto_qt.h"
#include "gui/comun/twips.h"
#include "gui/monitoring/cursores_tendencia.h"
#include "gui/monitoring/lampara.h"
#include "gui/monitoring/pantalla_tendencia.h"
#include "motor/motor_enlace.h"

namespace orda::gui {

using monitoring::Cursor;

namespace {

// Measures of the layout, in twips.
constexpr double kAnchoPantalla = 4000;
constexpr double kBajoPantalla = 230;       // from the plot's bottom to "Entrada: "
constexpr double kMargenIzquierdo = 100;    // "Entrada: " from the window's left edge
constexpr double kColumnaEntradas = 1250;   // input lamps, from the plot's right edge
constexpr double kColumnaSalidas = 2100;    // output lamps, from the input lamps
constexpr int kSeparacionNombre = 5;        // pixels between a lamp and its name

std::size_t n(Cursor c) { return c == Cursor::Superior ? 0 : 1; }

QString clave(std::string_view k) { return q(k); }

}  // namespace

Trending::Trending(motor::MotorEnlace& motor, const config::Configuracion& cfg,
                   const BibliotecaImagenes& imagenes, QWidget* padre)
    : QWidget(padre), motor_(motor), cfg_(cfg) {
  setObjectName(QStringLiteral("Trending"));
  setWindowTitle(QStringLiteral("Seguimiento"));
  setMouseTracking(true);  // the background gives the output lamps their normal look back
  construir(imagenes);
  resize(sizeHint());
  // As loaded: the console's channel selected (button "0" at start-up).
  elegirCanal(motor_.consola().canal());
}

QSize Trending::sizeHint() const { return {aPixeles(11000), aPixeles(6000)}; }

int Trending::canal() const { return motor_.consola().canal(); }

void Trending::construir(const BibliotecaImagenes& imagenes) {
  pantalla_ = new Pantalla(historial_, this);

  flechas_[0] = new FlechaCursor(true, kCursor1Inicial, this);
  flechas_[1] = new FlechaCursor(false, kCursor2Inicial, this);
  flechas_[0]->setObjectName(QStringLiteral("Cursor1"));
  flechas_[1]->setObjectName(QStringLiteral("Cursor2"));
  lecturas_[0] = new LecturaCursor(QStringLiteral("LabelSupA"), QStringLiteral("LabelSupB"), kCursor1, this);
  lecturas_[1] = new LecturaCursor(QStringLiteral("LabelInfA"), QStringLiteral("LabelInfB"), kCursor2, this);
  for (Cursor c : {Cursor::Superior, Cursor::Inferior}) {
    connect(flechas_[n(c)], &FlechaCursor::arrastrada, this, [this, c](QPoint g) { alArrastrar(c, g); });
  }

  const QFont letra(QStringLiteral("Tahoma"), 8);
  etiquetaEntrada_ = new QLabel(QStringLiteral("Entrada: "), this);
  etiquetaEntrada_->setFont(letra);
  grupo_ = new QButtonGroup(this);
  for (int i = 0; i < kCanales; ++i) {
    auto* b = new QRadioButton(QString::number(i), this);
    b->setObjectName(QStringLiteral("Option%1").arg(i));
    b->setFont(letra);
    b->setFocusPolicy(Qt::TabFocus);
    grupo_->addButton(b, i);
    opciones_[static_cast<std::size_t>(i)] = b;
  }
  connect(grupo_, &QButtonGroup::idClicked, this, &Trending::elegirCanal);

  const QPixmap mano = imagenes.imagen(QStringLiteral("A"), QSize(32, 32));
  const QCursor cursorLampara = mano.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(mano, 6, 0);
  auto nombre = [this, &letra](const QString& objeto) {
    auto* l = new QLabel(this);
    l->setObjectName(objeto);
    l->setFont(letra);
    return l;
  };
  for (int i = 0; i < monitoring::kLamparasEntrada; ++i) {
    auto* led = new Lampara(imagenes, this);
    led->setObjectName(QStringLiteral("LedEntrada%1").arg(i));
    led->ponerClave(clave(monitoring::lamparas::kSinCanal));
    ledEntrada_[static_cast<std::size_t>(i)] = led;
    labelEntrada_[static_cast<std::size_t>(i)] = nombre(QStringLiteral("LabelLedEntrada%1").arg(i));
  }
  for (int i = 0; i < monitoring::kLamparasSalida; ++i) {
    auto* led = new Lampara(imagenes, this);
    led->setObjectName(QStringLiteral("LedSalida%1").arg(i));
    led->ponerClave(clave(monitoring::lamparas::kSinCanal));
    led->setCursor(cursorLampara);
    connect(led, &Lampara::entro, this, [this, i] { alEntrarSalida(i); });
    connect(led, &Lampara::salio, this, [this, i] { aspectoNormal(i); });
    connect(led, &Lampara::pulsada, this, [this, i] { forzar(i); });
    ledSalida_[static_cast<std::size_t>(i)] = led;
    labelSalida_[static_cast<std::size_t>(i)] = nombre(QStringLiteral("LabelLedSalida%1").arg(i));
  }
  recargar();
}

void Trending::resizeEvent(QResizeEvent*) { disponer(); }

void Trending::disponer() {
  const int izquierda = static_cast<int>(std::lround(width() * 0.13));
  const int arriba = static_cast<int>(std::lround(height() * 0.08));
  const int alto = std::max(static_cast<int>(std::lround(height() * 0.70)), 2);
  pantalla_->setGeometry(izquierda, arriba, aPixeles(kAnchoPantalla), alto);

  // The cursors keep their voltages when the plot changes height.
  if (altoCursores_ > 0) {
    cursores_.superior *= alto / altoCursores_;
    cursores_.inferior *= alto / altoCursores_;
  } else {
    cursores_ = monitoring::cursoresIniciales(alto);
  }
  altoCursores_ = alto;
  colocarCursor(Cursor::Superior);
  colocarCursor(Cursor::Inferior);

  // The input lamps spread over the plot's height; the outputs beside the first four.
  const QRect p = pantalla_->geometry();
  const double paso = Lampara::kLado + std::max((alto - 8.0 * Lampara::kLado) / 7.0, 0.0);
  const int xEntradas = p.right() + 1 + aPixeles(kColumnaEntradas);
  const int xSalidas = xEntradas + aPixeles(kColumnaSalidas);
  auto fila = [&](Lampara* led, QLabel* nombre, int x, int i) {
    const int y = arriba + static_cast<int>(std::lround(i * paso));
    led->move(x, y);
    nombre->adjustSize();
    nombre->move(x + Lampara::kLado + kSeparacionNombre, y + (Lampara::kLado - nombre->height()) / 2);
  };
  for (int i = 0; i < monitoring::kLamparasEntrada; ++i) {
    fila(ledEntrada_[static_cast<std::size_t>(i)], labelEntrada_[static_cast<std::size_t>(i)], xEntradas, i);
  }
  for (int i = 0; i < monitoring::kLamparasSalida; ++i) {
    fila(ledSalida_[static_cast<std::size_t>(i)], labelSalida_[static_cast<std::size_t>(i)], xSalidas, i);
  }

  // "Entrada: " and the nine buttons side by side at its height.
  etiquetaEntrada_->adjustSize();
  const int yBotones = p.bottom() + 1 + aPixeles(kBajoPantalla);
  etiquetaEntrada_->move(aPixeles(kMargenIzquierdo), yBotones);
  int x = etiquetaEntrada_->geometry().right() + 1;
  for (QRadioButton* b : opciones_) {
    const QSize t = b->sizeHint();
    b->setGeometry(x, yBotones + (etiquetaEntrada_->height() - t.height()) / 2, t.width(), t.height());
    x += t.width();
  }
}

// The arrow centred on the cursor's line, the readouts beside it with their
// separator at the line's height.
void Trending::colocarCursor(Cursor c) {
  const QRect p = pantalla_->geometry();
  const double y = c == Cursor::Superior ? cursores_.superior : cursores_.inferior;
  const int linea = p.top() + std::min(static_cast<int>(y), p.height() - 1);
  FlechaCursor* f = flechas_[n(c)];
  LecturaCursor* l = lecturas_[n(c)];
  if (c == Cursor::Superior) {
    f->move(p.left() - f->width() - 1, linea - f->height() / 2);
    l->move(f->x() - 2 - l->width(), linea - l->alturaSeparador());
  } else {
    f->move(p.right() + 2, linea - f->height() / 2);
    l->move(f->geometry().right() + 3, linea - l->alturaSeparador());
  }
  pantalla_->ponerCursores(cursores_, leido_[0] ? kCursor1 : kCursor1Inicial, leido_[1] ? kCursor2 : kCursor2Inicial);
}

bool Trending::moverCursor(Cursor c, double y) {
  if (!monitoring::moverCursor(cursores_, c, y, pantalla_->height())) return false;
  colocarCursor(c);
  actualizarCursor(c, false);
  return true;
}

void Trending::alArrastrar(Cursor c, QPoint global) {
  moverCursor(c, mapFromGlobal(global).y() - pantalla_->y());
}

// actualizarCursor1 / actualizarCursor2. A readout that cannot be built
// keeps its text; during a channel change the failure is reported.
void Trending::actualizarCursor(Cursor c, bool informarFallo) {
  const double y = c == Cursor::Superior ? cursores_.superior : cursores_.inferior;
  const double voltaje = monitoring::voltajeCursor(y, pantalla_->height());
  LecturaCursor* l = lecturas_[n(c)];
  const auto escalada = monitoring::lecturaEscalada(voltaje, cfg_.entradas, canal());
  if (escalada.fallo && informarFallo) emit mensajeEstado(q(monitoring::textoFallo(*escalada.fallo)));
  l->ponerTextos(q(monitoring::lecturaVoltios(voltaje)), escalada.fallo ? l->etiquetaB()->text() : q(escalada.texto));
  if (!leido_[n(c)]) {
    leido_[n(c)] = true;
    flechas_[n(c)]->ponerColor(c == Cursor::Superior ? kCursor1 : kCursor2);
  }
  colocarCursor(c);
}

void Trending::elegirCanal(int nuevo) {
  if (nuevo < 0 || nuevo >= kCanales) return;
  opciones_[static_cast<std::size_t>(nuevo)]->setChecked(true);
  motor_.consola().seleccionarCanal(nuevo, motor_.ahoraMs());
  historial_.limpiar();
  if (nuevo == 0) {
    for (Lampara* l : ledEntrada_) l->ponerClave(clave(monitoring::lamparas::kSinCanal));
    for (Lampara* l : ledSalida_) l->ponerClave(clave(monitoring::lamparas::kSinCanal));
  }
  pantalla_->limpiar();
  trendingRefresh();
}

void Trending::trendingRefresh() {
  actualizarCursor(Cursor::Superior, true);
  actualizarCursor(Cursor::Inferior, true);
  actLedEntradas(motor_.consola().enlace().estadoEntradas());
  actLedSalidas(motor_.consola().enlace().estadoSalidas());
}

void Trending::recargar() {
  for (int i = 0; i < monitoring::kLamparasEntrada; ++i) {
    labelEntrada_[static_cast<std::size_t>(i)]->setText(q(monitoring::aliasLampara(cfg_.entradas, i)));
  }
  for (int i = 0; i < monitoring::kLamparasSalida; ++i) {
    labelSalida_[static_cast<std::size_t>(i)]->setText(q(monitoring::aliasLampara(cfg_.salidas, i)));
  }
  disponer();
  actualizarCursor(Cursor::Superior, false);
  actualizarCursor(Cursor::Inferior, false);
}

void Trending::actGraf(const link::ValoresAnalogicos& valores) {
  historial_.avanzar(valores, canal());
  pantalla_->dibujar();
  actualizarCursor(Cursor::Inferior, false);
  actualizarCursor(Cursor::Superior, false);
}

void Trending::actLedEntradas(const link::EstadoEntradas& estados) {
  for (int i = 0; i < monitoring::kLamparasEntrada; ++i) {
    const auto k = static_cast<std::size_t>(i);
    ledEntrada_[k]->ponerClave(clave(monitoring::lamparaEntrada(canal(), estados[k])));
    QLabel* nombre = labelEntrada_[k];
    const QString alias = q(monitoring::aliasLampara(cfg_.entradas, i));
    if (alias != nombre->text()) {
      nombre->setText(alias);
      nombre->adjustSize();
    }
  }
}

void Trending::actLedSalidas(const link::EstadoSalidas& estados) {
  for (int i = 0; i < monitoring::kLamparasSalida; ++i) {
    const auto k = static_cast<std::size_t>(i);
    // The lamp under the pointer keeps its pressed look through the answers.
    const std::string_view estado = monitoring::lamparaSalida(canal(), estados[k]);
    ledSalida_[k]->ponerClave(q(i == encima_ ? monitoring::aspectoPresionado(estado) : estado));
    QLabel* nombre = labelSalida_[k];
    const QString alias = q(monitoring::aliasLampara(cfg_.salidas, i));
    if (alias != nombre->text()) {
      nombre->setText(alias);
      nombre->adjustSize();
    }
  }
}

// The pressed look follows the mouse from lamp to lamp.
void Trending::alEntrarSalida(int i) {
  for (int j = 0; j < monitoring::kLamparasSalida; ++j) {
    if (j != i) aspectoNormal(j);
  }
  encima_ = i;
  Lampara* led = ledSalida_[static_cast<std::size_t>(i)];
  led->ponerClave(q(monitoring::aspectoPresionado(u8(led->clave()))));
}

void Trending::aspectoNormal(int i) {
  if (i == encima_) encima_ = -1;
  Lampara* led = ledSalida_[static_cast<std::size_t>(i)];
  led->ponerClave(q(monitoring::aspectoNormal(u8(led->clave()))));
}

void Trending::mouseMoveEvent(QMouseEvent*) {
  for (int i = 0; i < monitoring::kLamparasSalida; ++i) aspectoNormal(i);
}

void Trending::forzar(int i) {
  if (!monitoring::lamparaResponde(u8(ledSalida_[static_cast<std::size_t>(i)]->clave()))) return;
  motor_.consola().forzarSalida(i, motor_.ahoraMs());
}

// On its own the window only hides; inside the console the sub-window's
// close runs the view command.
void Trending::closeEvent(QCloseEvent* e) {
  if (isWindow()) {
    e->ignore();
    hide();
    return;
  }
  QWidget::closeEvent(e);
}

FlechaCursor* Trending::flecha(Cursor c) const { return flechas_[n(c)]; }
LecturaCursor* Trending::lectura(Cursor c) const { return lecturas_[n(c)]; }

}  // namespace orda::gui
