#pragma once
// The console on the offscreen screen, on the simulated panel, in virtual
// time: tests move the clock and run what fell due, so that the panel's
// plug-in half a second after start-up and the five-second signal poll take
// no real time.
#include <QAction>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "gui/app/barra_estado.h"
#include "gui/app/ventana_main.h"
#include "gui/consola/ventanas_hijas.h"
#include "gui/comun/imagenes_aplicacion.h"
#include "dialogos_grabados.h"
#include "core/simulator/transporte_simulado.h"

namespace orda::gui {

struct ConsolaPrueba {
  QTemporaryDir carpeta;
  DialogosGrabados dialogos;
  ImagenesAplicacion imagenes;
  std::int64_t ahora = 0;
  std::unique_ptr<Main> main;
  std::vector<QUrl> abiertas;
  std::vector<std::string> enviados;  // the letters of every report the panel got

  explicit ConsolaPrueba(bool arrancar = true) {
    DependenciasMain d;
    d.dialogos = &dialogos;
    d.imagenes = &imagenes;
    d.reloj = [this] { return ahora; };
    d.fabricaTransporte = [this](motor::MotorEnlace::Reloj reloj) -> std::unique_ptr<link::Transporte> {
      auto t = std::make_unique<simulator::TransporteSimulado>(std::move(reloj));
      t->alEscribir = [this](const link::BufferReporte& b, std::int64_t) {
        enviados.emplace_back(reinterpret_cast<const char*>(&b[1]), 2);
      };
      return t;
    };
    d.carpetaAplicacion = carpeta.path();
    d.carpetasImagenes = {qEnvironmentVariable("ORDA_IMAGENES")};
    d.rutaRegistroImagenes = carpeta.filePath(QStringLiteral("imagenes.log"));
    d.abrirUrl = [this](const QUrl& u) {
      abiertas.push_back(u);
      return true;
    };
    main = std::make_unique<Main>(std::move(d));
    main->resize(1200, 800);
    ponerVentanasConsola(*main);
    if (arrancar) main->arrancar();
  }

  // Moves the clock to `hasta`, running every deadline on the way in order
  // and what the windows left queued after each.
  void avanzar(std::int64_t hasta) {
    for (;;) {
      const auto t = main->motor().proximoVencimiento();
      if (!t || *t > hasta) break;
      ahora = std::max(ahora, *t);
      main->motor().vencer();
      QCoreApplication::sendPostedEvents();
    }
    ahora = hasta;
  }

  simulator::TransporteSimulado& panel() { return static_cast<simulator::TransporteSimulado&>(main->motor().transporte()); }
  PanelEstado& estado(int n) { return main->barraEstado()->panel(n); }
  QAction* accion(const char* nombre) { return main->accion(QString::fromLatin1(nombre)); }
  bool visible(Vista v) {
    const QMdiSubWindow* s = main->subventana(v);
    return s != nullptr && s->isVisible();
  }
  int cuantos(const std::string& letras) const {
    return static_cast<int>(std::count(enviados.begin(), enviados.end(), letras));
  }
};

}  // namespace orda::gui
