#include "gui/acciones/confirmar_ediciones.h"

#include "gui/app/ventana_main.h"
#include "gui/config/ventanas_tablas.h"

namespace orda::gui {

bool confirmarEdiciones(Main& m) {
  // Outputs too: an edit left open there would otherwise be lost.
  if (auto* e = dynamic_cast<Entradas*>(m.contenido(Vista::Entradas)); e && !e->TablaEntradas_LeaveCell()) {
    return false;
  }
  if (auto* s = dynamic_cast<Salidas*>(m.contenido(Vista::Salidas)); s && !s->TablaSalidas_LeaveCell()) {
    return false;
  }
  if (auto* t = dynamic_cast<Tree*>(m.contenido(Vista::Tree)); t && !t->TablaTree_LeaveCell()) return false;
  return true;
}

}  // namespace orda::gui
