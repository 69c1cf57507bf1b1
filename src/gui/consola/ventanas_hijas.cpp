#include "gui/consola/ventanas_hijas.h"

#include <QPointer>

#include "gui/app/ventana_main.h"
#include "gui/acciones/acciones_consola.h"
#include "gui/comparacion/acciones_comparar.h"
#include "gui/comun/imagenes_aplicacion.h"
#include "gui/config/ventana_especiales.h"
#include "gui/config/ventana_globales.h"
#include "gui/config/ventanas_tablas.h"
#include "gui/history/historico.h"
#include "gui/informe/acciones_informe.h"
#include "gui/monitoring/info.h"
#include "gui/monitoring/ventana_tendencia.h"

namespace orda::gui {

namespace {

// A window that shows the configuration shows it again after a read.
template <class V>
V* recargable(Main& m, V* v) {
  QObject::connect(&m, &Main::configuracionLeida, v, &V::recargar);
  return v;
}

// A window that hears the link, for as long as it lives.
template <class V>
V* oyente(Main& m, V* v) {
  m.agregarOyente(v, v);
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
  m.ponerFabrica(Vista::Info, [&m] { return oyente(m, new Info(m.motor())); });

  m.ponerFabrica(Vista::Seguimiento, [&m, &cfg] {
    auto* t = new Trending(m.motor(), cfg, m.imagenes());
    return recargable(m, oyente(m, t));
  });

  // Historico is made again each time it is shown after being closed; its
  // request goes through the Info terminal.
  m.ponerFabrica(Vista::Historicos, [&m, &cfg] {
    auto* h = oyente(m, new Historico(m.imagenMemoria(), cfg, m.dialogos()));
    h->ponerInfo(qobject_cast<Info*>(m.cargar(Vista::Info)));
    QObject::connect(h, &Historico::escondida, &m, [&m] {
      if (m.menuMarcado(Vista::Historicos)) m.ejecutar(Comando::VerHistoricos);
    });
    return h;
  });
  auto historico = [&m] { return qobject_cast<Historico*>(m.cargar(Vista::Historicos)); };
  m.ganchos().refrescarHistorial = [historico] {
    if (Historico* h = historico()) h->Refrescar();
  };
  m.ganchos().actualizarHistorial = [historico] {
    if (Historico* h = historico()) h->mActualizar();
  };

  // Programar, Leer and the file commands, then the comparisons (which take
  // Programar's hook over, to compare first when asked).
  auto* comandos = new AccionesConsola(m);
  comandos->instalar();
  (new AccionesComparar(m, *comandos))->instalar();
  // Informe… and Imprimir…
  (new AccionesInforme(m))->instalar();
}

}  // namespace orda::gui
