// The child windows of Main: creation, the view commands, the start-up layout.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolBar>

#include "gui/app/barra_herramientas.h"
#include "gui/app/disposicion.h"
#include "gui/app/ventana_main.h"
#include "gui/app/visor_memoria.h"
#include "gui/comun/imagenes_aplicacion.h"
#include "gui/comun/twips.h"

namespace orda::gui {

namespace {
std::size_t n(Vista v) { return static_cast<std::size_t>(v); }
}  // namespace

void Main::ponerFabrica(Vista v, std::function<QWidget*()> fabrica) { fabricas_.at(n(v)) = std::move(fabrica); }

QMdiSubWindow* Main::subventana(Vista v) const { return subventanas_.at(n(v)); }

QWidget* Main::contenido(Vista v) const {
  const QMdiSubWindow* s = subventana(v);
  return s != nullptr ? s->widget() : nullptr;
}

void Main::ponerContenido(Vista v, QWidget* w) {
  QMdiSubWindow* s = asegurarSubventana(v);
  QWidget* antes = s->widget();
  s->setWidget(w);
  if (antes != nullptr && antes != w) antes->deleteLater();
  if (w->metaObject()->indexOfSignal("mensajeEstado(QString)") >= 0) {
    connect(w, SIGNAL(mensajeEstado(QString)), this, SLOT(ponerMensaje(QString)));
  }
}

QMdiSubWindow* Main::crearSubventana(Vista v) {
  const DatosVista& d = datosVista(v);
  auto* s = new QMdiSubWindow(area_);
  s->setObjectName(QString::fromLatin1(d.ventana));
  // Only Historico is destroyed when closed; the others are hidden.
  s->setAttribute(Qt::WA_DeleteOnClose, v == Vista::Historicos);
  area_->addSubWindow(s);
  s->hide();
  s->setWindowTitle(QString::fromUtf8(d.titulo));
  s->setWindowIcon(d_.imagenes->icono(QString::fromLatin1(d.icono)));
  s->installEventFilter(this);
  subventanas_.at(n(v)) = s;
  s->move(0, 0);
  s->resize(420, 260);
  // Seguimiento is loaded hidden at start-up; what it shows is built when it
  // is first needed (nothing reaches it before an input is chosen in it).
  if (v != Vista::Seguimiento) llenar(v);
  return s;
}

// The sub-window's own hint holds its frame and title bar around the
// content's, so the content gets the whole of its hint.
void Main::llenar(Vista v) {
  QMdiSubWindow* s = subventana(v);
  if (s == nullptr || s->widget() != nullptr || !fabricas_.at(n(v))) return;
  ponerContenido(v, fabricas_.at(n(v))());
  s->resize(s->sizeHint().expandedTo(QSize(420, 260)));
  if (v == Vista::Seguimiento) ajustarSeguimiento();
}

// Seguimiento is two thirds of the inner width wide, wherever it stands.
void Main::ajustarSeguimiento() {
  if (QMdiSubWindow* s = subventana(Vista::Seguimiento)) s->resize(area_->viewport()->width() * 2 / 3, s->height());
}

QWidget* Main::cargar(Vista v) {
  asegurarSubventana(v);
  llenar(v);
  return subventana(v)->widget();
}

QMdiSubWindow* Main::asegurarSubventana(Vista v) {
  QMdiSubWindow* s = subventana(v);
  return s != nullptr ? s : crearSubventana(v);
}

void Main::abrirVentanas() {
  auto abrir = [this](Vista v) {
    mostrar(v);
    marcar(v, true);
  };
  abrir(Vista::Info);
  abrir(Vista::Tree);
  asegurarSubventana(Vista::Seguimiento);  // loaded, not shown
  abrir(Vista::Entradas);
  abrir(Vista::Salidas);
  abrir(Vista::Especiales);
  abrir(Vista::Globales);

}

Form1& Main::visorMemoria() {
  if (form1_ != nullptr) return *form1_;
  form1_ = new Form1(imagenMemoria_);
  memoria_ = area_->addSubWindow(form1_);
  memoria_->setObjectName(QStringLiteral("Form1"));
  memoria_->setAttribute(Qt::WA_DeleteOnClose, false);
  memoria_->setWindowTitle(form1_->windowTitle());
  memoria_->setWindowIcon(d_.imagenes->icono(QStringLiteral("INFO")));
  memoria_->installEventFilter(this);
  memoria_->hide();
  memoria_->adjustSize();
  // As high as the dump and a little more, as the viewer always was.
  const int abajoTexto = form1_->Text1()->mapTo(memoria_, QPoint(0, form1_->Text1()->height())).y();
  memoria_->resize(memoria_->width(), abajoTexto + aPixeles(800));
  return *form1_;
}

void Main::mostrar(Vista v) {
  QMdiSubWindow* s = asegurarSubventana(v);
  llenar(v);
  s->show();
  area_->setActiveSubWindow(s);
}

void Main::ocultar(Vista v) {
  if (QMdiSubWindow* s = subventana(v)) s->hide();
}

void Main::marcar(Vista v, bool si) {
  marcado_.at(n(v)) = si;
  if (QAction* a = accion(QString::fromLatin1(datosVista(v).menu))) a->setChecked(si);
}

void Main::pulsar(Vista v, bool si) {
  if (QAction* b = accion(QString::fromLatin1(datosVista(v).boton))) b->setChecked(si);
}

void Main::verVentana(Vista v) {
  if (marcado_.at(n(v))) {
    marcar(v, false);
    ocultar(v);
    pulsar(v, false);
    return;
  }
  if (v == Vista::Historicos) {
    mostrar(v);
    if (ganchos_.refrescarHistorial) ganchos_.refrescarHistorial();
    if (ganchos_.actualizarHistorial) ganchos_.actualizarHistorial();
    pulsar(v, true);
    marcar(v, true);
    return;
  }
  marcar(v, true);
  pulsar(v, true);
  mostrar(v);
}

void Main::mostrarHistorial() {
  if (ganchos_.refrescarHistorial) ganchos_.refrescarHistorial();
  if (ganchos_.actualizarHistorial) ganchos_.actualizarHistorial();
  mostrar(Vista::Historicos);
  pulsar(Vista::Historicos, true);
  marcar(Vista::Historicos, true);
}

void Main::mostrarMemoria() {
  visorMemoria();
  memoria_->show();
  area_->setActiveSubWindow(memoria_);
}

void Main::disponerVentanas() {
  Visibles v;
  v.globales = menuMarcado(Vista::Globales);
  v.entradas = menuMarcado(Vista::Entradas);
  v.salidas = menuMarcado(Vista::Salidas);
  v.especiales = menuMarcado(Vista::Especiales);
  v.tree = menuMarcado(Vista::Tree);
  v.info = menuMarcado(Vista::Info);
  v.seguimiento = menuMarcado(Vista::Seguimiento);
  const QSize area = area_->viewport()->size();
  const Disposicion d = disponer(v, aTwips(area.width()), aTwips(area.height()));

  auto aplicar = [this](Vista vista, const std::optional<Caja>& caja) {
    QMdiSubWindow* s = subventana(vista);
    if (!caja || s == nullptr) return;
    const int x = caja->izquierda ? aPixeles(*caja->izquierda) : s->x();
    const int y = caja->arriba ? aPixeles(*caja->arriba) : s->y();
    s->setGeometry(x, y, aPixeles(caja->ancho), aPixeles(caja->alto));
  };
  aplicar(Vista::Salidas, d.salidas);
  aplicar(Vista::Entradas, d.entradas);
  aplicar(Vista::Especiales, d.especiales);
  aplicar(Vista::Globales, d.globales);
  aplicar(Vista::Tree, d.tree);
  aplicar(Vista::Info, d.info);
  ajustarSeguimiento();
}

void Main::cerrarHijas() {
  for (QMdiSubWindow* s : area_->subWindowList()) {
    s->setAttribute(Qt::WA_DeleteOnClose, true);
    s->close();
  }
}

}  // namespace orda::gui
