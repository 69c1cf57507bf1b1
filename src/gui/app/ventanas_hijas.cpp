#include "app/ventanas_hijas.h"

#include "app/ventana_main.h"
#include "app/ventanas_provisionales.h"

namespace orda::gui {

void ponerVentanasConsola(Main& m) {
  const QString pronto = QStringLiteral("Esta ventana estará disponible en una próxima versión de la consola.");
  for (Vista v : {Vista::Entradas, Vista::Salidas, Vista::Especiales, Vista::Tree, Vista::Globales,
                  Vista::Seguimiento, Vista::Historicos}) {
    m.ponerFabrica(v, [pronto] { return new VistaProvisional(pronto); });
  }
  m.ponerFabrica(Vista::Info, [&m] {
    auto* info = new InfoProvisional;
    link::OyenteEnlace* oyente = info;
    m.agregarOyente(oyente);
    QObject::connect(info, &QObject::destroyed, &m, [&m, oyente] { m.quitarOyente(oyente); });
    return info;
  });
}

}  // namespace orda::gui
