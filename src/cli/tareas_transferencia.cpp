// The commands that move a whole memory: read, program, history.
#include <span>

#include "cli/subcomandos.h"
#include "cli/tareas.h"
#include "core/files/archivos.h"
#include "core/files/sistema.h"
#include "core/history/memoria.h"
#include "core/programming/aprogramar.h"
#include "core/reading/decodificar.h"

namespace orda::cli {

namespace {

bool esDe(const link::ResultadoSecuencia& r, link::TipoSecuencia tipo) { return r.tipo == tipo; }

}  // namespace

std::optional<std::string> TareaLeer::preparar(SesionPanel& /*s*/) {
  if (auto error = files::comprobarDestino(ruta_)) return error;
  return archivador_ != nullptr ? archivador_->preparar() : std::nullopt;
}

void TareaLeer::iniciar(SesionPanel& s, std::int64_t ahoraMs) {
  s.err() << "Leyendo la programación del panel...\n";
  // The history would overwrite the image's first 4,096 bytes: it is not asked for.
  if (!s.consola().leerProgramacion(ahoraMs, false)) s.terminar(1);
}

void TareaLeer::secuenciaTerminada(const link::ResultadoSecuencia& r) {
  if (!esDe(r, link::TipoSecuencia::Lectura)) return;
  SesionPanel& s = *sesion_;
  if (r.fin != link::FinSecuencia::Completa) {
    // The console said why; the file is left as it was.
    s.err() << "No se guardó " << ruta_ << "\n";
    s.terminar(1);
    return;
  }
  if (auto error = files::escribirImagen(ruta_, s.imagen())) {
    s.err() << *error << "\n";
    s.terminar(1);
    return;
  }
  s.err() << "Programación del panel guardada en " << ruta_ << "\n";
  s.terminar(archivador_ != nullptr ? archivador_->version(s.imagen(), s.configuracion().serialPanel, false, s.err())
                                    : 0);
}

std::optional<std::string> TareaProgramar::preparar(SesionPanel& s) {
  if (archivador_ != nullptr) {
    if (auto error = archivador_->preparar()) return error;
  }
  imagen::ImagenMemoria archivo{};
  if (auto error = files::leerImagen(ruta_, archivo)) return error;
  config::Configuracion& cfg = s.configuracion();
  avisarBorrados(reading::decodificarImagen(archivo, cfg), s.err());
  reading::restaurarClave(archivo, cfg);
  // An error on a value found now, before the panel is looked for.
  imagen::ImagenMemoria prueba{};
  const programming::CorridaProgramacion corrida = programming::aProgramar(cfg, prueba);
  if (corrida.detenida()) {
    informarErrores(corrida, s.err());
    return "No se programó el panel.";
  }
  return std::nullopt;
}

void TareaProgramar::iniciar(SesionPanel& s, std::int64_t ahoraMs) {
  s.err() << "Programando el panel...\n";
  // A refusal or an encoder error ends the run through secuenciaTerminada.
  if (!s.consola().programar(s.horaComputadora(), ahoraMs)) s.terminar(1);
}

void TareaProgramar::secuenciaTerminada(const link::ResultadoSecuencia& r) {
  if (!esDe(r, link::TipoSecuencia::Programacion)) return;
  SesionPanel& s = *sesion_;
  if (r.fin != link::FinSecuencia::Completa) {
    s.terminar(1);
    return;
  }
  s.out() << "Registros sin confirmar: " << r.sinConfirmar << "\n";
  if (r.sinConfirmar != 0) {
    s.terminar(1);
    return;
  }
  // Only a run with every record confirmed is what the panel now holds.
  s.terminar(archivador_ != nullptr ? archivador_->version(s.imagen(), s.configuracion().serialPanel, true, s.err())
                                    : 0);
}

std::optional<std::string> TareaHistorial::preparar(SesionPanel& s) {
  if (volcado_) {
    if (auto error = files::comprobarDestino(*volcado_)) return error;
  }
  if (archivador_ != nullptr) {
    if (auto error = archivador_->preparar()) return error;
  }
  if (rutaConfiguracion_) return configuracionDeArchivo(*rutaConfiguracion_, alias_, &s.err());
  return std::nullopt;
}

void TareaHistorial::iniciar(SesionPanel& s, std::int64_t ahoraMs) {
  if (archivador_ != nullptr && archivador_->porSerie()) {
    // The history memory does not tell whose panel it is: its configuration does.
    s.err() << "Leyendo la programación del panel para saber su número de serie...\n";
    if (!s.consola().leerProgramacion(ahoraMs, false)) s.terminar(1);
    return;
  }
  historialPedido_ = true;
  s.err() << "Leyendo los registros históricos del panel...\n";
  if (!s.consola().refrescarHistorial(ahoraMs)) s.terminar(1);
}

void TareaHistorial::avanzar(SesionPanel& s, std::int64_t ahoraMs) {
  if (!serial_ || historialPedido_ || s.terminada()) return;
  historialPedido_ = true;
  s.err() << "Leyendo los registros históricos del panel...\n";
  if (!s.consola().refrescarHistorial(ahoraMs)) s.terminar(1);
}

void TareaHistorial::secuenciaTerminada(const link::ResultadoSecuencia& r) {
  SesionPanel& s = *sesion_;
  if (esDe(r, link::TipoSecuencia::Lectura) && !historialPedido_) {
    if (r.fin != link::FinSecuencia::Completa) {
      s.terminar(1);
      return;
    }
    serial_ = s.configuracion().serialPanel;
    // The panel's own aliases describe its events, unless a file was named.
    if (!rutaConfiguracion_) alias_ = s.configuracion();
    return;
  }
  if (!esDe(r, link::TipoSecuencia::Historial)) return;
  if (r.fin != link::FinSecuencia::Completa) {
    if (volcado_) s.err() << "No se guardó " << *volcado_ << "\n";
    s.terminar(1);
    return;
  }
  const std::span<const std::uint8_t> memoria(s.imagen().data(), history::kTamanoHistorial);
  if (volcado_) {
    if (auto error = files::escribirArchivo(*volcado_, memoria)) {
      s.err() << *error << "\n";
      s.terminar(1);
      return;
    }
  }
  const int codigo = describirHistorial(memoria, alias_, csv_, s.out(), s.err());
  if (codigo != 0 || archivador_ == nullptr) {
    s.terminar(codigo);
    return;
  }
  const bool aliasPropios = rutaConfiguracion_ || serial_;
  s.terminar(archivador_->historial(memoria, serial_.value_or(""), aliasPropios ? &alias_ : nullptr, s.err()));
}

}  // namespace orda::cli
