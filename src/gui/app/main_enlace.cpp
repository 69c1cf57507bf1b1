// What the link reports, shown by Main or passed on to the windows that
// listen (device log, live values, sequence ends).
#include <QMdiSubWindow>
#include <QStatusBar>
#include <algorithm>

#include "gui/app/barra_estado.h"
#include "gui/app/ventana_main.h"
#include "gui/app/visor_memoria.h"
#include "gui/comun/dialogos.h"
#include "gui/comun/texto_qt.h"

namespace orda::gui {

void Main::agregarOyente(link::OyenteEnlace* o) {
  if (o != nullptr && std::find(oyentes_.begin(), oyentes_.end(), o) == oyentes_.end()) oyentes_.push_back(o);
}

void Main::agregarOyente(link::OyenteEnlace* o, const QObject* ventana) {
  agregarOyente(o);
  connect(ventana, &QObject::destroyed, this, [this, o] { quitarOyente(o); });
}

void Main::avisoDelEnlace(const std::string& linea) { agregarAlRegistro(linea + "\n", link::Color{190, 0, 0}); }

void Main::quitarOyente(link::OyenteEnlace* o) { std::erase(oyentes_, o); }

void Main::textoPanel(int panel, const std::string& texto) {
  if (estado_) estado_->panel(panel).ponerTexto(q(texto));
}

void Main::imagenPanel(int panel, const std::string& clave) {
  if (estado_) estado_->panel(panel).ponerImagen(q(clave));
}

void Main::agregarAlRegistro(const std::string& texto, link::Color color) {
  for (link::OyenteEnlace* o : std::vector(oyentes_)) o->agregarAlRegistro(texto, color);
}

void Main::progresoTransferencia(const std::string& texto, int bloque, int total) {
  ponerMensaje(q(texto));
  if (estado_) statusBar()->repaint();
  for (link::OyenteEnlace* o : std::vector(oyentes_)) o->progresoTransferencia(texto, bloque, total);
}

void Main::memoriaActualizada(const std::string& titulo) {
  visorMemoria().sb_Change();
  memoria_->setWindowTitle(q(titulo));
  for (link::OyenteEnlace* o : std::vector(oyentes_)) o->memoriaActualizada(titulo);
}

void Main::actGraf(const link::ValoresAnalogicos& v) {
  for (link::OyenteEnlace* o : std::vector(oyentes_)) o->actGraf(v);
}

void Main::actLedEntradas(const link::EstadoEntradas& e) {
  for (link::OyenteEnlace* o : std::vector(oyentes_)) o->actLedEntradas(e);
}

void Main::actLedSalidas(const link::EstadoSalidas& s) {
  for (link::OyenteEnlace* o : std::vector(oyentes_)) o->actLedSalidas(s);
}

void Main::mostrarError(const std::string& texto, const std::string& titulo, link::Icono icono, link::TipoError) {
  Icono i = Icono::Informacion;
  if (icono == link::Icono::Exclamacion) i = Icono::Exclamacion;
  if (icono == link::Icono::Critico) i = Icono::Critico;
  // After the link's handler returns: the box has its own loop, the link goes on.
  QMetaObject::invokeMethod(
      this, [this, t = q(texto), ti = q(titulo), i] { dialogos().mensaje(t, ti, i); }, Qt::QueuedConnection);
}

void Main::comandoLocal(link::ComandoLocal c) {
  switch (c) {
    case link::ComandoLocal::MostrarMemoria: mostrarMemoria(); break;
    case link::ComandoLocal::ActualizarHistorial:
      if (ganchos_.actualizarHistorial) ganchos_.actualizarHistorial();
      [[fallthrough]];
    case link::ComandoLocal::MostrarHistorial:
      mostrar(Vista::Historicos);
      pulsar(Vista::Historicos, true);
      marcar(Vista::Historicos, true);
      break;
  }
  for (link::OyenteEnlace* o : std::vector(oyentes_)) o->comandoLocal(c);
}

void Main::secuenciaTerminada(const link::ResultadoSecuencia& r) {
  if (r.tipo == link::TipoSecuencia::Lectura && r.fin == link::FinSecuencia::Completa) emit configuracionLeida();
  for (link::OyenteEnlace* o : std::vector(oyentes_)) o->secuenciaTerminada(r);
}

}  // namespace orda::gui
