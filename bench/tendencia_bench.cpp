// What watching an input costs: the Seguimiento window on the offscreen
// screen, the simulated panel answering in real time, one input selected so
// that the console polls every 50 ms and the window redraws its plot, lamps
// and readouts on every answer. Prints the process's processor time over
// the wall time of the run: 5 % or less of one core is the goal.
//
//   orda_tendencia_bench [SEGUNDOS] [CANAL]
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "motor/motor_enlace.h"
#include "gui/comun/biblioteca_imagenes.h"
#include "gui/comun/imagenes_aplicacion.h"
#include "gui/monitoring/pantalla_tendencia.h"
#include "gui/monitoring/ventana_tendencia.h"
#include "core/simulator/transporte_simulado.h"

namespace {

using namespace orda;

double segundosProcesador() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return r.ru_utime.tv_sec + r.ru_stime.tv_sec + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

// Passes the live values to the window and counts them.
struct Reenvio : link::OyenteEnlace {
  gui::Trending* ventana = nullptr;
  int graficos = 0, salidas = 0;
  void actGraf(const link::ValoresAnalogicos& v) override {
    ++graficos;
    if (ventana != nullptr) ventana->actGraf(v);
  }
  void actLedEntradas(const link::EstadoEntradas& e) override {
    if (ventana != nullptr) ventana->actLedEntradas(e);
  }
  void actLedSalidas(const link::EstadoSalidas& s) override {
    ++salidas;
    if (ventana != nullptr) ventana->actLedSalidas(s);
  }
};

// Counts the plot's paint events: the offscreen screen does draw.
struct ContadorDibujos : QObject {
  int dibujos = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++dibujos;
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  const int segundos = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  const int canal = argc > 2 ? std::clamp(std::atoi(argv[2]), 1, 8) : 3;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  config::Configuracion cfg;
  imagen::ImagenMemoria imagenMemoria{};
  Reenvio oyente;
  motor::MotorEnlace motor(
      [](motor::MotorEnlace::Reloj r) -> std::unique_ptr<link::Transporte> {
        return std::make_unique<simulator::TransporteSimulado>(std::move(r));
      },
      oyente, cfg, imagenMemoria);
  QTemporaryDir carpeta;
  gui::ImagenesAplicacion imagenes;
  imagenes.cargar({gui::BibliotecaSvg::carpetaPorDefecto()}, carpeta.filePath(QStringLiteral("imagenes.log")));

  gui::Trending ventana(motor, cfg, imagenes);
  oyente.ventana = &ventana;
  ventana.resize(800, 430);
  ventana.show();
  if (!motor.conectar()) {
    std::fprintf(stderr, "no se pudo conectar el panel simulado\n");
    return 1;
  }

  ContadorDibujos contador;
  ventana.pantalla()->installEventFilter(&contador);

  QElapsedTimer pared;
  double procesador = 0, s = 0;
  int graficos = 0, salidas = 0, dibujos = 0;
  // Once the panel is plugged in and its reports enabled (1.5 s), measure.
  QTimer::singleShot(2000, Qt::PreciseTimer, &app, [&] {
    ventana.elegirCanal(canal);
    graficos = oyente.graficos;
    salidas = oyente.salidas;
    dibujos = contador.dibujos;
    procesador = segundosProcesador();
    pared.start();
    QTimer::singleShot(segundos * 1000, Qt::PreciseTimer, &app, [&] {
      procesador = segundosProcesador() - procesador;
      s = pared.elapsed() / 1000.0;
      dibujos = contador.dibujos - dibujos;
      graficos = oyente.graficos - graficos;
      salidas = oyente.salidas - salidas;
      QApplication::quit();
    });
  });
  QApplication::exec();

  std::printf("Seguimiento, entrada %d, %.1f s: %d respuestas E8, %d E9, %d dibujos del gráfico\n", canal, s,
              graficos, salidas, dibujos);
  std::printf("procesador %.3f s / pared %.3f s = %.2f %% de un núcleo (meta: 5 %% o menos)\n", procesador, s,
              100.0 * procesador / s);
  motor.desconectar();
  return graficos > 0 ? 0 : 1;
}
