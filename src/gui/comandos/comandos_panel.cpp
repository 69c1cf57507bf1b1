// Programar and Leer, and the hooks of every command.
#include "gui/app/carpetas.h"
#include "gui/app/ventana_main.h"
#include "gui/comandos/comandos_consola.h"
#include "gui/comandos/reloj_civil.h"
#include "gui/comun/dialogos.h"
#include "gui/config/ventanas_tablas.h"

namespace orda::gui {

namespace {

const QString kPreguntaProgramar = QStringLiteral("¿Está seguro que desea programar?");

}  // namespace

ComandosConsola::ComandosConsola(Main& m) : QObject(&m), m_(m), dirInicial_(gui::dirInicial()) {}

void ComandosConsola::instalar() {
  Ganchos& g = m_.ganchos();
  g.programar = [this] { programar(); };
  g.leer = [this] { leer(); };
  g.abrir = [this] { abrir(); };
  g.guardar = [this] { return guardar(); };
  g.guardarComo = [this] { return guardarComo(); };
  g.nombreArchivo = [this] { return nombreArchivo(); };
}

bool ComandosConsola::confirmarEdiciones() {
  // Outputs too: an edit left open there would otherwise be lost to the run.
  if (auto* e = dynamic_cast<Entradas*>(m_.contenido(Vista::Entradas)); e && !e->TablaEntradas_LeaveCell()) {
    return false;
  }
  if (auto* s = dynamic_cast<Salidas*>(m_.contenido(Vista::Salidas)); s && !s->TablaSalidas_LeaveCell()) {
    return false;
  }
  if (auto* t = dynamic_cast<Tree*>(m_.contenido(Vista::Tree)); t && !t->TablaTree_LeaveCell()) return false;
  return true;
}

void ComandosConsola::programar() {
  sequences::Consola& consola = m_.consola();
  // No question for a run that could not start.
  if (consola.rechazarSiOcupado()) return;
  const Respuesta r =
      m_.dialogos().mensaje(kPreguntaProgramar, QStringLiteral("OrDA"), Icono::Exclamacion, Botones::SiNo);
  if (r != Respuesta::Si) return;
  if (!confirmarEdiciones()) return;
  // Encoder errors show their boxes from the core and nothing is sent; the
  // records' progress and the unacknowledged count come from it as well.
  consola.programar(ahoraCivil(), m_.motor().ahoraMs());
  m_.rearmar();
}

void ComandosConsola::leer() {
  // A read that fails says so and leaves the tables; one that completes
  // refills them (Main::configuracionLeida) and asks for the history.
  m_.consola().leerProgramacion(m_.motor().ahoraMs());
  m_.rearmar();
}

}  // namespace orda::gui
