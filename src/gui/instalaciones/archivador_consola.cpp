#include "gui/instalaciones/archivador_consola.h"

#include <span>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QSettings>

#include "gui/app/ventana_main.h"
#include "gui/comun/texto_qt.h"
#include "core/history/memoria.h"
#include "gui/instalaciones/dialogo_biblioteca.h"
#include "gui/instalaciones/ventana_instalaciones.h"
#include "core/link/textos.h"

namespace orda::gui {

namespace {

// "  -  " until a panel tells its own.
bool serialConocido(const std::string& s) {
  const QString t = q(s).trimmed();
  return !t.isEmpty() && t != QStringLiteral("-");
}

}  // namespace

ArchivadorConsola::ArchivadorConsola(Main& m, sites::Destino destino)
    : m_(m), destino_(destino), trabajador_(std::move(destino)) {
  m_.agregarOyente(this);
  connect(&trabajador_, &sites::Trabajador::abierta, this, [this](bool soloLectura, const QString& aviso) {
    if (soloLectura) m_.ponerMensaje(aviso);
  });
}

ArchivadorConsola::~ArchivadorConsola() { m_.quitarOyente(this); }

void ArchivadorConsola::cambiarDestino(sites::Destino destino) {
  destino_ = destino;
  trabajador_.cambiarDestino(std::move(destino));
  sitio_.reset();
  ultimoFallo_.clear();
  sinSitioAvisados_.clear();
  ponerTitulo();
  emit panelSinInstalacion({});
  emit archivado();
  m_.ponerMensaje(QStringLiteral("Biblioteca: %1").arg(q(destino_.descripcion())));
}

void ArchivadorConsola::ponerTitulo() {
  // Whatever the caption says now (a file, the plain title) keeps its start.
  QString titulo = m_.windowTitle();
  if (!sufijoTitulo_.isEmpty() && titulo.endsWith(sufijoTitulo_)) titulo.chop(sufijoTitulo_.size());
  sufijoTitulo_ = sitio_ ? QStringLiteral(" - Instalación \"%1\"").arg(q(sitio_->nombre)) : QString();
  m_.setWindowTitle(titulo + sufijoTitulo_);
}

void ArchivadorConsola::agregarAlRegistro(const std::string& texto, link::Color /*color*/) {
  // Another panel may be plugged next: nothing is archived until it is read.
  if (texto == link::textos::kLineaDesconectado) {
    serial_.reset();
    sitio_.reset();
    ponerTitulo();
  }
}

void ArchivadorConsola::secuenciaTerminada(const link::ResultadoSecuencia& r) {
  // After the console's own end message for this sequence.
  QMetaObject::invokeMethod(this, [this] { avisar({}); }, Qt::QueuedConnection);
  if (r.fin != link::FinSecuencia::Completa) return;
  const std::string serial = m_.configuracion().serialPanel;
  switch (r.tipo) {
    case link::TipoSecuencia::Lectura: {
      if (!serialConocido(serial)) return;
      serial_ = serial;
      const imagen::ImagenMemoria img = m_.imagenMemoria();  // the history overwrites its start next
      trabajador_.pedir<sites::ArchivoAutomatico>(
          [serial, img](sites::Biblioteca& b) { return sites::archivarPorSerie(b, serial, img, sites::Origen::Leida); },
          [this, serial](sites::ArchivoAutomatico a) { responder(a, serial); },
          [this](const std::string& m) { fallar(m); });
      return;
    }
    case link::TipoSecuencia::Programacion: {
      // Only a run with every record confirmed is what the panel now holds.
      if (r.sinConfirmar != 0 || !serial_) return;
      const imagen::ImagenMemoria img = m_.imagenMemoria();
      const std::string s = *serial_;
      trabajador_.pedir<sites::ArchivoAutomatico>(
          [s, img](sites::Biblioteca& b) { return sites::archivarPorSerie(b, s, img, sites::Origen::Programada); },
          [this, s](sites::ArchivoAutomatico a) { responder(a, s); }, [this](const std::string& m) { fallar(m); });
      return;
    }
    case link::TipoSecuencia::Comparacion:
      return;  // the panel read into an image of its own: not the tables
    case link::TipoSecuencia::Historial: {
      if (!serial_) return;
      const imagen::ImagenMemoria& img = m_.imagenMemoria();
      std::vector<std::uint8_t> memoria(img.begin(), img.begin() + history::kTamanoHistorial);
      const config::Configuracion alias = m_.configuracion();
      const std::string s = *serial_;
      trabajador_.pedir<sites::ArchivoAutomatico>(
          [s, memoria = std::move(memoria), alias](sites::Biblioteca& b) {
            return sites::fusionarPorSerie(b, s, memoria, alias);
          },
          [this, s](sites::ArchivoAutomatico a) { responder(a, s); }, [this](const std::string& m) { fallar(m); });
      return;
    }
  }
}

void ArchivadorConsola::responder(const sites::ArchivoAutomatico& a, const std::string& serial) {
  ultimoFallo_.clear();
  if (serial_ != serial) return;  // another panel since
  sitio_ = a.sitio;
  ponerTitulo();
  emit panelSinInstalacion(a.sitio ? QString() : q(serial));
  QString texto;
  if (!a.sitio) {
    if (sinSitioAvisados_.insert(serial).second) {
      texto = QStringLiteral("El panel %1 no pertenece a ninguna instalación").arg(q(serial));
    }
  } else if (a.version) {
    const QString nombre = q(a.sitio->nombre);
    texto = a.version->nueva ? QStringLiteral("Instalación \"%1\": versión %2 archivada").arg(nombre).arg(a.version->version)
                             : QStringLiteral("Instalación \"%1\": sin cambios").arg(nombre);
  } else if (a.recuperacion) {
    texto = QStringLiteral("Instalación \"%1\": %2 eventos nuevos de %3")
                .arg(q(a.sitio->nombre))
                .arg(a.recuperacion->nuevos)
                .arg(a.recuperacion->registros);
  }
  avisar(texto);
  emit archivado();
}

void ArchivadorConsola::fallar(const std::string& motivo) {
  // Said once until something works again: the console goes on without the library.
  if (motivo == ultimoFallo_) return;
  ultimoFallo_ = motivo;
  avisar(QStringLiteral("No se archivó: %1").arg(q(motivo)));
}

void ArchivadorConsola::avisar(const QString& texto) {
  if (!texto.isEmpty()) pendiente_ << texto;
  // A transfer's progress owns panel 2 (the history follows a read at once):
  // the notice waits for its end.
  if (pendiente_.isEmpty() || m_.motor().consola().ocupado()) return;
  m_.ponerMensaje(pendiente_.join(QStringLiteral("; ")));
  pendiente_.clear();
}

}  // namespace orda::gui

namespace orda::gui {

void ponerInstalaciones(Main& m, Dialogos& dialogos, ArchivadorConsola& archivador) {
  auto* ventana = new VentanaInstalaciones(archivador.trabajador(), dialogos);
  QMdiSubWindow* sub = m.area().addSubWindow(ventana);
  sub->setAttribute(Qt::WA_DeleteOnClose, false);  // closed is hidden, as every child window
  sub->resize(900, 560);
  sub->hide();
  QObject::connect(&archivador, &ArchivadorConsola::panelSinInstalacion, ventana, &VentanaInstalaciones::ofrecerCrear);
  QObject::connect(ventana, &VentanaInstalaciones::mensajeEstado, &m, &Main::ponerMensaje);
  QObject::connect(ventana, &VentanaInstalaciones::abrirEnConsola, &m,
                   [&m](const imagen::ImagenMemoria& img, const QString& origen) {
                     if (m.ganchos().abrirImagen) m.ganchos().abrirImagen(img, origen);
                   });
  QObject::connect(ventana, &VentanaInstalaciones::comparar, &m,
                   [&m](const imagen::ImagenMemoria& antes, const std::optional<imagen::ImagenMemoria>& despues,
                        const QString& queSeCompara) {
                     if (m.ganchos().compararImagenes) m.ganchos().compararImagenes(antes, despues, queSeCompara);
                   });
  QMenu* menu = m.menuBar()->addMenu(QStringLiteral("Instalaciones"));
  QAction* a = menu->addAction(QStringLiteral("Instalaciones"));
  a->setObjectName(QStringLiteral("mnuInstalaciones"));
  QObject::connect(a, &QAction::triggered, ventana, [ventana, sub] {
    ventana->recargar();
    sub->show();
    sub->raise();
    sub->setFocus();
  });
  QAction* b = menu->addAction(QStringLiteral("Biblioteca…"));
  b->setObjectName(QStringLiteral("mnuBiblioteca"));
  QObject::connect(b, &QAction::triggered, &archivador, [&m, &dialogos, &archivador, ventana] {
    auto* d = new DialogoBiblioteca(archivador.destino(), dialogos, &m);
    d->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(d, &DialogoBiblioteca::elegida, &archivador,
                     [&archivador, ventana](const std::optional<sites::Destino>& destino) {
                       QSettings ajustes(QStringLiteral("orda"), QStringLiteral("orda"));
                       guardarDireccion(ajustes, destino);
                       archivador.cambiarDestino(destino.value_or(sites::destinoPorOmision()));
                       ventana->recargar();
                     });
    d->open();  // no nested event loop: the answer comes by the signal
  });
}

}  // namespace orda::gui
