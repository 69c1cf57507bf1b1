#include "app/ventanas_hijas.h"

#include <QPointer>

#include "app/ventana_main.h"
#include "app/ventanas_provisionales.h"
#include "comun/imagenes_aplicacion.h"
#include "config/ventana_especiales.h"
#include "config/ventana_globales.h"
#include "config/ventanas_tablas.h"
#include "monitoring/info.h"

namespace orda::gui {

namespace {

// A configuration window shows the configuration again after a read.
template <class V>
V* recargable(Main& m, V* v) {
  QObject::connect(&m, &Main::configuracionLeida, v, &V::recargar);
  return v;
}

}  // namespace

void ponerVentanasConsola(Main& m) {
  auto& cfg = m.configuracion();
  m.ponerFabrica(Vista::Entradas, [&m, &cfg] {
    return recargable(m, new Entradas(cfg.entradas, m.dialogos(), m.imagenes()));
  });
  m.ponerFabrica(Vista::Salidas, [&m, &cfg] {
    return recargable(m, new Salidas(cfg.salidas, m.dialogos(), m.imagenes()));
  });
  m.ponerFabrica(Vista::Tree, [&m, &cfg] { return recargable(m, new Tree(cfg.tree, m.dialogos(), m.imagenes())); });
  m.ponerFabrica(Vista::Especiales, [&m, &cfg] { return recargable(m, new Especiales(cfg.especiales)); });
  m.ponerFabrica(Vista::Globales, [&m, &cfg] { return recargable(m, new Globales(cfg, m.dialogos())); });

  const QString pronto = QStringLiteral("Esta ventana estará disponible en una próxima versión de la consola.");
  for (Vista v : {Vista::Seguimiento, Vista::Historicos}) {
    m.ponerFabrica(v, [pronto] { return new VistaProvisional(pronto); });
  }
  m.ponerFabrica(Vista::Info, [&m] {
    auto* info = new Info(m.motor());
    link::OyenteEnlace* oyente = info;
    m.agregarOyente(oyente);
    QObject::connect(info, &QObject::destroyed, &m, [&m, oyente] { m.quitarOyente(oyente); });
    // The history request goes through the terminal, where it is echoed.
    QPointer<Info> terminal(info);
    m.ganchos().refrescarHistorial = [terminal] {
      if (terminal) terminal->pedirHistorial();
    };
    return info;
  });
}

}  // namespace orda::gui
