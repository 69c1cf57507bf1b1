#include "gui/comparacion/acciones_comparar.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QSettings>

#include "gui/app/ventana_main.h"
#include "gui/acciones/acciones_consola.h"
#include "gui/comparacion/ventana_diferencias.h"
#include "gui/comun/dialogos.h"
#include "gui/comun/imagenes_aplicacion.h"
#include "gui/comun/texto_qt.h"
#include "gui/config/ventana_especiales.h"
#include "gui/config/ventana_globales.h"
#include "gui/config/ventanas_tablas.h"
#include "core/files/archivos.h"

namespace orda::gui {

namespace {

// At most this many changes are listed in Programar's question; the window
// has them all.
constexpr std::size_t kLineasEnPregunta = 20;

Vista vistaDe(compare::Ventana v) {
  switch (v) {
    case compare::Ventana::Salidas: return Vista::Salidas;
    case compare::Ventana::Telefonos: return Vista::Tree;
    case compare::Ventana::Globales: return Vista::Globales;
    case compare::Ventana::Especiales: return Vista::Especiales;
    default: return Vista::Entradas;
  }
}

QString linea(const compare::Diferencia& d) {
  QString s = q(compare::tituloVentana(d.ventana));
  if (!d.fila.empty()) s += QStringLiteral(" | ") + q(d.fila);
  return s + QStringLiteral(" | %1: %2 -> %3").arg(q(d.campo), q(d.antes), q(d.despues));
}

// A box in a scrolled form is brought into view before it takes the focus.
void enfocar(QWidget* w) {
  if (w == nullptr) return;
  for (QWidget* p = w->parentWidget(); p != nullptr; p = p->parentWidget()) {
    if (auto* s = qobject_cast<QScrollArea*>(p)) {
      s->ensureWidgetVisible(w);
      break;
    }
  }
  w->setFocus(Qt::OtherFocusReason);
}

}  // namespace

AccionesComparar::AccionesComparar(Main& m, AccionesConsola& consola)
    : QObject(&m), m_(m), consola_(consola), ajustes_(std::make_unique<QSettings>(QStringLiteral("orda"),
                                                                                  QStringLiteral("orda"))) {
  // Heard until the main window goes: it forgets its listeners before its
  // children are destroyed.
  m_.agregarOyente(this);
}

AccionesComparar::~AccionesComparar() = default;

void AccionesComparar::instalar() {
  // A group of their own before the separator that precedes Salir.
  QMenu* archivo = m_.menuBar()->findChild<QMenu*>(QStringLiteral("MenuArchivo"));
  QAction* separador = m_.accion(QStringLiteral("MenuArchivoSeparator1"));
  archivo->insertSeparator(separador);
  auto agregar = [&](const char* nombre, const QString& texto, const QKeySequence& tecla) {
    auto* a = new QAction(texto, archivo);
    a->setObjectName(QString::fromLatin1(nombre));
    a->setShortcut(tecla);
    archivo->insertAction(separador, a);
    return a;
  };
  connect(agregar("menuArchivoCompararArchivo", QStringLiteral("Comparar con archivo…"),
                  QKeySequence(Qt::CTRL | Qt::Key_D)),
          &QAction::triggered, this, &AccionesComparar::compararConArchivo);
  connect(agregar("menuArchivoCompararPanel", QStringLiteral("Comparar con el panel"),
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)),
          &QAction::triggered, this, &AccionesComparar::compararConPanel);
  antes_ = agregar("menuArchivoCompararAntes", QStringLiteral("Comparar antes de programar"), QKeySequence());
  antes_->setCheckable(true);
  antes_->setChecked(ajustes_->value(QString::fromLatin1(kClaveCompararAntes), false).toBool());
  connect(antes_, &QAction::toggled, this, [this](bool si) {
    ajustes_->setValue(QString::fromLatin1(kClaveCompararAntes), si);
    ajustes_->sync();
  });

  m_.ganchos().programar = [this] { programar(); };
  m_.ganchos().compararImagenes = [this](const imagen::ImagenMemoria& antes,
                                         const std::optional<imagen::ImagenMemoria>& despues,
                                         const QString& queSeCompara) { compararImagenes(antes, despues, queSeCompara); };
}

bool AccionesComparar::antesDeProgramar() const { return antes_ != nullptr && antes_->isChecked(); }

Diferencias& AccionesComparar::ventana() {
  if (ventana_ != nullptr) return *ventana_;
  ventana_ = new Diferencias;
  connect(ventana_, &Diferencias::irA, this, &AccionesComparar::irA);
  subventana_ = m_.area().addSubWindow(ventana_);
  subventana_->setObjectName(QStringLiteral("Diferencias"));
  subventana_->setAttribute(Qt::WA_DeleteOnClose, false);
  subventana_->setWindowTitle(ventana_->windowTitle());
  subventana_->setWindowIcon(m_.imagenes().icono(QStringLiteral("LISTATE")));
  subventana_->hide();
  const QSize area = m_.area().viewport()->size();
  subventana_->resize(std::min(area.width(), 1000), std::max(area.height() / 2, 300));
  return *ventana_;
}

void AccionesComparar::mostrar(const QString& queSeCompara, std::vector<compare::Diferencia> lista) {
  ventana().mostrar(queSeCompara, std::move(lista));
  subventana_->show();
  m_.area().setActiveSubWindow(subventana_);
}

std::vector<compare::Diferencia> AccionesComparar::contraLasTablas(const imagen::ImagenMemoria& img) {
  return compare::comparar(compare::configuracionDe(img), m_.configuracion());
}

void AccionesComparar::compararConArchivo() {
  // Only the tables are read: a transfer in progress does not matter.
  if (!consola_.confirmarEdiciones()) return;
  const PedidoArchivo pedido{QStringLiteral("Comparar con archivo"), consola_.dirInicial(), {}, QStringLiteral("*.dat"),
                             QStringLiteral("dat")};
  const std::optional<QString> ruta = m_.dialogos().archivoParaAbrir(pedido);
  if (!ruta) return;
  imagen::ImagenMemoria archivo{};
  if (const auto error = files::leerImagen(u8(*ruta), archivo)) {
    m_.dialogos().mensaje(q(*error), QStringLiteral("OrDA"), Icono::Exclamacion);
    return;
  }
  mostrar(QStringLiteral("Antes: %1. Después: las tablas de la consola.")
              .arg(q(files::nombreDeArchivo(u8(*ruta)))),
          contraLasTablas(archivo));
}

void AccionesComparar::compararImagenes(const imagen::ImagenMemoria& antes,
                                       const std::optional<imagen::ImagenMemoria>& despues,
                                        const QString& queSeCompara) {
  if (despues) {
    mostrar(queSeCompara, compare::compararImagenes(antes, *despues, false));
    return;
  }
  if (!consola_.confirmarEdiciones()) return;
  mostrar(queSeCompara, contraLasTablas(antes));
}

void AccionesComparar::compararConPanel() { leerPanel(Pendiente::Mostrar); }

void AccionesComparar::programar() {
  if (!antesDeProgramar()) {
    consola_.programar();
    return;
  }
  // The global boxes are checked before the panel is read, as Programar does.
  if (m_.motor().consola().rechazarSiOcupado() || !consola_.revisarGlobales()) return;
  leerPanel(Pendiente::Programar);
}

void AccionesComparar::leerPanel(Pendiente despues) {
  if (m_.motor().consola().rechazarSiOcupado()) return;
  if (!consola_.confirmarEdiciones()) return;
  panel_.fill(imagen::kBorrado);
  if (!m_.motor().consola().leerParaComparar(m_.motor().ahoraMs(), panel_)) return;
  pendiente_ = despues;
  m_.ponerMensaje(QStringLiteral("Leyendo el panel para comparar"));
}

void AccionesComparar::secuenciaTerminada(const link::ResultadoSecuencia& r) {
  if (r.tipo != link::TipoSecuencia::Comparacion || pendiente_ == Pendiente::Nada) return;
  // Heard inside the console's own handling: the question and the run come
  // once it has returned.
  const bool completa = r.fin == link::FinSecuencia::Completa;
  QMetaObject::invokeMethod(this, [this, completa] { alLeerPanel(completa); }, Qt::QueuedConnection);
}

void AccionesComparar::alLeerPanel(bool completa) {
  const Pendiente p = pendiente_;
  pendiente_ = Pendiente::Nada;
  if (!completa) {
    // The console said why; nothing was compared and nothing is sent.
    m_.ponerMensaje(QStringLiteral("No se pudo comparar con el panel"));
    return;
  }
  m_.ponerMensaje(QString());
  std::vector<compare::Diferencia> lista = contraLasTablas(panel_);
  const QString queSeCompara = QStringLiteral("Antes: el panel. Después: las tablas de la consola.");
  if (p == Pendiente::Programar) {
    mostrar(queSeCompara, lista);
    preguntarYProgramar(lista);
  } else {
    mostrar(queSeCompara, std::move(lista));
  }
}

void AccionesComparar::preguntarYProgramar(const std::vector<compare::Diferencia>& lista) {
  QString texto;
  if (lista.empty()) {
    texto = QStringLiteral("El panel ya tiene esta configuración: programar no cambia nada.");
  } else {
    texto = lista.size() == 1 ? QStringLiteral("Programar cambia 1 valor en el panel:\n")
                              : QStringLiteral("Programar cambia %1 valores en el panel:\n").arg(lista.size());
    for (std::size_t i = 0; i < lista.size() && i < kLineasEnPregunta; ++i) texto += linea(lista[i]) + '\n';
    if (lista.size() > kLineasEnPregunta) {
      texto += QStringLiteral("… y %1 más (en la ventana Diferencias)\n").arg(lista.size() - kLineasEnPregunta);
    }
  }
  texto += QStringLiteral("\n") + QString::fromUtf8(kPreguntaProgramar);
  const Respuesta r = m_.dialogos().mensaje(texto, QStringLiteral("OrDA"), Icono::Exclamacion, Botones::SiNo);
  if (r == Respuesta::Si) consola_.programarConfirmado();
}

void AccionesComparar::irA(const compare::Diferencia& d) {
  if (d.ventana == compare::Ventana::Memoria) return;
  const Vista v = vistaDe(d.ventana);
  if (!m_.menuMarcado(v)) m_.ejecutar(comandoVer(v));
  if (QMdiSubWindow* s = m_.subventana(v)) m_.area().setActiveSubWindow(s);
  QWidget* w = m_.contenido(v);
  switch (d.lugar.tipo) {
    case compare::Lugar::Celda:
      if (auto* t = qobject_cast<VentanaTabla*>(w)) {
        t->grilla().setFocus(Qt::OtherFocusReason);
        t->grilla().irA(d.lugar.fila, d.lugar.indice);
      }
      break;
    case compare::Lugar::Opcion:
      if (auto* g = qobject_cast<Globales*>(w)) enfocar(g->opcion(d.lugar.indice));
      break;
    case compare::Lugar::CajaTexto:
      if (auto* g = qobject_cast<Globales*>(w)) {
        enfocar(g->texto(d.lugar.indice));
        g->texto(d.lugar.indice)->selectAll();
      }
      break;
    case compare::Lugar::GrupoEspecial:
      if (auto* e = qobject_cast<Especiales*>(w)) {
        enfocar(e->opcion(m_.configuracion().especiales.seleccion(d.lugar.indice)));
      }
      break;
    case compare::Lugar::Byte: break;
  }
}

}  // namespace orda::gui
