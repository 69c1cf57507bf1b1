#include "cli/bucle_panel.h"

#include <memory>

#include <QCoreApplication>

#include "hid/transporte_hid.h"
#include "motor/despertador.h"
#include "core/simulator/transporte_simulado.h"

namespace orda::cli {

int ejecutarTarea(Tarea& tarea, const OpcionesEnlace& opciones, std::ostream& out, std::ostream& err) {
  // The transport outlives the session that borrows it; both read one clock.
  const motor::MotorEnlace::Reloj reloj = motor::relojMonotono();
  std::unique_ptr<link::Transporte> transporte;
  if (opciones.simular) {
    // Plugged as soon as it is looked for, as an attached USB panel is found.
    auto s = std::make_unique<simulator::TransporteSimulado>(reloj, simulator::OpcionesPanel{}, 0);
    s->fallas.latenciaMs = opciones.latenciaMs;
    s->fallas.silencio = opciones.silencio;
    transporte = std::move(s);
  } else {
    auto h = std::make_unique<hid::TransporteHid>();
    h->alMensaje = [&err](const std::string& linea) { err << linea << "\n"; };
    transporte = std::move(h);
  }

  SesionPanel sesion(*transporte, tarea, out, err, horaLocal, reloj);
  sesion.progresoTerminal = opciones.progresoTerminal;
  sesion.alTerminar = [](int codigo) { QCoreApplication::exit(codigo); };
  const motor::Despertador despertador(sesion.motor());

  sesion.arrancar();
  if (sesion.terminada()) return sesion.codigo();
  const int codigo = QCoreApplication::exec();
  return sesion.terminada() ? sesion.codigo() : codigo;
}

}  // namespace orda::cli
