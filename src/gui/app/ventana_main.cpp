#include "gui/app/ventana_main.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

#include "gui/app/avisos.h"
#include "gui/app/barra_estado.h"
#include "gui/app/barra_herramientas.h"
#include "gui/app/carpetas.h"
#include "gui/app/visor_memoria.h"
#include "gui/comun/imagenes_aplicacion.h"
#include "motor/despertador.h"

namespace orda::gui {

namespace {

const QString kTitulo = QStringLiteral("OrDA - Ordavix - V2.02");

}  // namespace

// Keeps the hot keys for the console while it runs, even over a text box
// that would take Ctrl+A for itself: the focus widget never hears of them.
class FiltroTeclas : public QObject {
 public:
  explicit FiltroTeclas(const std::vector<std::pair<int, QShortcut*>>& teclas, QObject* padre)
      : QObject(padre), teclas_(teclas) {}

 protected:
  bool eventFilter(QObject* objeto, QEvent* e) override {
    if (e->type() == QEvent::ShortcutOverride) {
      const QKeySequence pulsada(static_cast<QKeyEvent*>(e)->keyCombination());
      for (const auto& [id, atajo] : teclas_) {
        if (atajo->key() == pulsada) {
          e->ignore();
          return true;
        }
      }
    }
    return QObject::eventFilter(objeto, e);
  }

 private:
  const std::vector<std::pair<int, QShortcut*>>& teclas_;
};

Main::Main(DependenciasMain d, QWidget* padre)
    : QMainWindow(padre),
      d_(std::move(d)),
      carpetaApp_(d_.carpetaAplicacion.isEmpty() ? gui::carpetaAplicacion() : d_.carpetaAplicacion) {
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(kTitulo);
  area_ = new QMdiArea(this);
  area_->setObjectName(QStringLiteral("area"));
  area_->setBackground(QColor(0xab, 0xab, 0xab));
  setCentralWidget(area_);
  construirMenus();
  motor_ = std::make_unique<motor::MotorEnlace>(d_.fabricaTransporte, static_cast<link::OyenteEnlace&>(*this), cfg_,
                                                imagenMemoria_, d_.reloj);
  despertador_ = std::make_unique<motor::Despertador>(*motor_);
  ponerGanchosPorDefecto();

  if (const QScreen* s = screen()) {
    const QRect libre = s->availableGeometry();
    resize(libre.size() * 0.94);
    move(libre.topLeft() + QPoint(libre.width() * 3 / 100, libre.height() * 2 / 100));
  }
}

Main::~Main() {
  soltarTeclas();
  motor_->desconectar();
  // The child windows use the link: they go before it.
  oyentes_.clear();
  delete takeCentralWidget();
  area_ = nullptr;
}

void Main::arrancar() {
  // 1-2: the link first, so that a panel already attached is found.
  motor_->conectar();
  cerrandoPrograma_ = false;

  comunicacion_ = new Comunicacion(this);
  comunicacion_->show();
  comunicacion_->repaint();

  comunicacion_->informar(QStringLiteral("Inicializando base de datos de imagenes de la aplicación"));
  cargarImagenes();

  comunicacion_->informar(QStringLiteral("Inicializando objetos"));
  construirBarras();

  show();

  comunicacion_->informar(QStringLiteral("Inicializando formularios"));
  abrirVentanas();

  tomarTeclas();
  disponerVentanas();

  comunicacion_->hide();
}

void Main::construirMenus() {
  auto agregar = [this](QMenu* menu, const std::vector<ItemMenu>& items) {
    for (const ItemMenu& it : items) {
      QAction* a = it.comando ? menu->addAction(it.texto) : menu->addSeparator();
      a->setObjectName(QString::fromLatin1(it.nombre));
      acciones_[a->objectName()] = a;
      if (!it.comando) continue;
      a->setCheckable(it.marcable);
      const Comando c = *it.comando;
      connect(a, &QAction::triggered, this, [this, c] { ejecutar(c); });
    }
  };
  QMenu* archivo = menuBar()->addMenu(QStringLiteral("Archivo"));
  archivo->setObjectName(QStringLiteral("MenuArchivo"));
  agregar(archivo, itemsArchivo());
  QMenu* ver = menuBar()->addMenu(QStringLiteral("Ver"));
  ver->setObjectName(QStringLiteral("menuVer"));
  agregar(ver, itemsVer());
}

void Main::cargarImagenes() {
  QStringList carpetas = d_.carpetasImagenes;
  if (carpetas.isEmpty()) carpetas = {carpetaImagenes(carpetaApp_), carpetaApp_};
  const QString registro =
      d_.rutaRegistroImagenes.isEmpty() ? rutaRegistroImagenes(carpetaApp_) : d_.rutaRegistroImagenes;
  d_.imagenes->cargar(carpetas, registro);
  setWindowIcon(d_.imagenes->icono(QStringLiteral("ORDA")));
  comunicacion_->ponerImagen(*d_.imagenes);
}

void Main::construirBarras() {
  barra_ = new QToolBar(this);
  construirBarra(*barra_, *d_.imagenes, [this](Comando c) { ejecutar(c); });
  addToolBar(Qt::TopToolBarArea, barra_);
  estado_ = std::make_unique<BarraEstado>(*statusBar(), *d_.imagenes);
  // The signal poll is on: panel 1 shows "L0_INT" and no text until an answer.
  estado_->panel(1).ponerImagen(QStringLiteral("L0_INT"));
  connect(&estado_->panel(1), &PanelEstado::pulsado, this, [this] { motor_->consola().alternarSenal(); });
}

PanelEstado& Main::panelMensajes() const { return estado_->panelMensajes(); }

void Main::ponerMensaje(const QString& texto) {
  if (estado_) panelMensajes().ponerTexto(texto);
}

QAction* Main::accion(const QString& nombre) const {
  auto it = acciones_.find(nombre);
  if (it != acciones_.end()) return it->second;
  return barra_ != nullptr ? botonBarra(*barra_, nombre) : nullptr;
}

bool Main::botonPulsado(Vista v) const {
  const QAction* b = barra_ != nullptr ? botonBarra(*barra_, QString::fromLatin1(datosVista(v).boton)) : nullptr;
  return b != nullptr && b->isChecked();
}

void Main::tomarTeclas() {
  for (const TeclaRapida& t : teclasRapidas()) {
    auto* atajo = new QShortcut(t.tecla, this);
    atajo->setContext(Qt::ApplicationShortcut);
    atajo->setAutoRepeat(false);
    const int id = t.id;
    connect(atajo, &QShortcut::activated, this, [this, id] { teclaRapida(id); });
    teclas_.emplace_back(id, atajo);
  }
  filtroTeclas_ = new FiltroTeclas(teclas_, this);
  qApp->installEventFilter(filtroTeclas_);
}

void Main::soltarTeclas() {
  if (teclas_.empty()) return;
  delete filtroTeclas_;
  filtroTeclas_ = nullptr;
  for (auto& [id, atajo] : teclas_) delete atajo;
  teclas_.clear();
}

bool Main::teclaRapida(int id) {
  for (const TeclaRapida& t : teclasRapidas()) {
    if (t.id == id) {
      ejecutar(t.comando);
      return true;
    }
  }
  return false;
}

bool Main::eventFilter(QObject* objeto, QEvent* e) {
  if (e->type() == QEvent::Close) {
    if (auto* s = qobject_cast<QMdiSubWindow*>(objeto)) {
      if (cerrandoPrograma_) return false;
      if (s == memoria_) {
        s->hide();
        e->ignore();
        return true;
      }
      for (const DatosVista& v : kVistas) {
        if (subventanas_.at(static_cast<std::size_t>(v.vista)) != s) continue;
        verVentana(v.vista);
        if (v.vista == Vista::Historicos) return false;  // Historico closes
        e->ignore();
        return true;
      }
    }
  }
  return QMainWindow::eventFilter(objeto, e);
}

}  // namespace orda::gui
