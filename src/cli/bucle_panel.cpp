#include "cli/bucle_panel.h"

#include <memory>

#include <QCoreApplication>

#include "hid/transporte_hid.h"
#include "motor/despertador.h"
#include "core/simulator/transporte_simulado.h"

namespace orda::cli {

int ejecutarTarea(Tarea& tarea, const OpcionesEnlace& opciones, std::ostream& out, std::ostream& err) {
  motor::Despertador despertador;
  const auto& ahora = despertador.reloj();

  std::unique_ptr<link::Transporte> transporte;
  if (opciones.simular) {
    // Plugged as soon as it is looked for, as an attached USB panel is found.
    auto s = std::make_unique<simulator::TransporteSimulado>(ahora, simulator::OpcionesPanel{}, 0);
    s->fallas.latenciaMs = opciones.latenciaMs;
    s->fallas.silencio = opciones.silencio;
    transporte = std::move(s);
  } else {
    auto h = std::make_unique<hid::TransporteHid>();
    h->alMensaje = [&err](const std::string& linea) { err << linea << "\n"; };
    transporte = std::move(h);
  }

  SesionPanel sesion(*transporte, tarea, out, err, horaLocal, ahora());
  sesion.progresoTerminal = opciones.progresoTerminal;
  const auto rearmar = [&] {
    if (sesion.terminada()) {
      despertador.detener();
      QCoreApplication::exit(sesion.codigo());
      return;
    }
    despertador.armar(sesion.proximoVencimiento());
  };
  despertador.alSonar = [&] {
    sesion.alVencer(ahora());
    rearmar();
  };
  sesion.alCambiar = rearmar;

  sesion.arrancar(ahora);
  if (sesion.terminada()) return sesion.codigo();
  rearmar();
  const int codigo = QCoreApplication::exec();
  return sesion.terminada() ? sesion.codigo() : codigo;
}

}  // namespace orda::cli
