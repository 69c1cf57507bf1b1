// The check that Programar and the saves run before anything else: a value
// typed in a global options box is checked even when the box never lost the
// focus (a toolbar click or a hot key takes none).
#include "gui/app/ventana_main.h"
#include "gui/acciones/acciones_consola.h"
#include "gui/config/ventana_globales.h"

namespace orda::gui {

bool AccionesConsola::revisarGlobales() {
  auto* globales = dynamic_cast<Globales*>(m_.contenido(Vista::Globales));
  if (globales == nullptr) return true;
  const int caja = globales->revisarPendientes();
  if (caja == 0) return true;
  // The refused box is shown with the focus on it, its window opened first.
  if (!m_.menuMarcado(Vista::Globales)) m_.ejecutar(comandoVer(Vista::Globales));
  globales->enfocar(caja);
  return false;
}

}  // namespace orda::gui
