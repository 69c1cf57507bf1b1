#include "cli/bucle_panel.h"

#include <algorithm>
#include <chrono>
#include <memory>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#ifdef __linux__
#include <sys/prctl.h>
#endif

#include "hid/transporte_hid.h"
#include "simulator/transporte_simulado.h"

namespace orda::cli {

int ejecutarTarea(Tarea& tarea, const OpcionesEnlace& opciones, std::ostream& out, std::ostream& err) {
#ifdef __linux__
  // Linux lets a timer fire up to 50 µs late by default, even a precise Qt
  // timer: every round trip of a transfer would pay for it.
  prctl(PR_SET_TIMERSLACK, 1UL);
#endif
  QElapsedTimer reloj;
  reloj.start();
  const auto ahora = [&reloj] { return static_cast<std::int64_t>(reloj.elapsed()); };

  std::unique_ptr<link::Transporte> transporte;
  simulador::TransporteSimulado* simulado = nullptr;
  if (opciones.simular) {
    // Plugged as soon as it is looked for, as an attached USB panel is found.
    auto s = std::make_unique<simulador::TransporteSimulado>(ahora, simulador::OpcionesPanel{}, 0);
    s->fallas.latenciaMs = opciones.latenciaMs;
    s->fallas.silencio = opciones.silencio;
    simulado = s.get();
    transporte = std::move(s);
  } else {
    auto h = std::make_unique<hid::TransporteHid>();
    h->alMensaje = [&err](const std::string& linea) { err << linea << "\n"; };
    transporte = std::move(h);
  }

  SesionPanel sesion(*transporte, simulado, tarea, out, err, horaLocal, ahora());
  sesion.progresoTerminal = opciones.progresoTerminal;
  QTimer temporizador;
  temporizador.setSingleShot(true);
  // A coarse timer may fire several milliseconds late: every round trip of
  // a transfer would pay for it.
  temporizador.setTimerType(Qt::PreciseTimer);
  const auto rearmar = [&] {
    if (sesion.terminada()) {
      temporizador.stop();
      QCoreApplication::exit(sesion.codigo());
      return;
    }
    const auto t = sesion.proximoVencimiento();
    if (!t) {
      temporizador.stop();
      return;
    }
    temporizador.start(std::chrono::milliseconds(std::max<std::int64_t>(0, *t - ahora())));
  };
  QObject::connect(&temporizador, &QTimer::timeout, [&] {
    sesion.alVencer(ahora());
    rearmar();
  });
  sesion.alCambiar = rearmar;

  sesion.arrancar(ahora);
  if (sesion.terminada()) return sesion.codigo();
  rearmar();
  const int codigo = QCoreApplication::exec();
  return sesion.terminada() ? sesion.codigo() : codigo;
}

}  // namespace orda::cli
