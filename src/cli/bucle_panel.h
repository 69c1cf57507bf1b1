#pragma once
// Runs a device command inside the Qt event loop: the session's link engine
// run in real time by a Despertador, the link's events delivered by the
// transport. The caller owns the QCoreApplication.
#include <ostream>

#include "cli/sesion_panel.h"

namespace orda::cli {

struct OpcionesEnlace {
  bool simular = false;   // the simulated panel instead of the USB link
  int latenciaMs = 1;     // the simulated panel's answer delay
  bool silencio = false;  // the simulated panel takes nothing and answers nothing
  bool progresoTerminal = false;  // the error stream is a terminal
};

// The task's exit status.
int ejecutarTarea(Tarea& tarea, const OpcionesEnlace& opciones, std::ostream& out, std::ostream& err);

}  // namespace orda::cli
