// Programar and Leer, and the hooks of every command.
#include "gui/app/carpetas.h"
#include "gui/app/ventana_main.h"
#include "gui/acciones/acciones_consola.h"
#include "gui/acciones/confirmar_ediciones.h"
#include "gui/acciones/hora_civil.h"
#include "gui/comun/dialogos.h"
#include "gui/config/ventanas_tablas.h"

namespace orda::gui {

AccionesConsola::AccionesConsola(Main& m) : QObject(&m), m_(m), dirInicial_(gui::dirInicial()) {}

void AccionesConsola::instalar() {
  Ganchos& g = m_.ganchos();
  g.programar = [this] { programar(); };
  g.leer = [this] { leer(); };
  g.abrir = [this] { abrir(); };
  g.abrirImagen = [this](const imagen::ImagenMemoria& img, const QString& origen) { abrirImagen(img, origen); };
  g.guardar = [this] { return guardar(); };
  g.guardarComo = [this] { return guardarComo(); };
  g.nombreArchivo = [this] { return nombreArchivo(); };
}

bool AccionesConsola::confirmarEdiciones() { return gui::confirmarEdiciones(m_); }

void AccionesConsola::programar() {
  sequences::Consola& consola = m_.motor().consola();
  // No question for a run that could not start.
  if (consola.rechazarSiOcupado()) return;
  if (!revisarGlobales()) return;
  const Respuesta r = m_.dialogos().mensaje(QString::fromUtf8(kPreguntaProgramar), QStringLiteral("OrDA"),
                                            Icono::Exclamacion, Botones::SiNo);
  if (r == Respuesta::Si) programarConfirmado();
}

void AccionesConsola::programarConfirmado() {
  sequences::Consola& consola = m_.motor().consola();
  if (!confirmarEdiciones()) return;
  // Encoder errors show their one box from the core and nothing is sent; the
  // records' progress and the unacknowledged count come from it as well.
  consola.programar(ahoraCivil(), m_.motor().ahoraMs());
}

void AccionesConsola::leer() {
  // A read that fails says so and leaves the tables; one that completes
  // refills them (Main::configuracionLeida) and asks for the history.
  m_.motor().consola().leerProgramacion(m_.motor().ahoraMs());
}

}  // namespace orda::gui
