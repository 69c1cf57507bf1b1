// The commands the user starts: programming, saving, reading, the history,
// typed and clock commands, output forcing, and the two polls' switches.
#include "core/config/globales.h"
#include "core/link/textos.h"
#include "core/monitoring/comandos.h"
#include "core/programming/aprogramar.h"
#include "core/sequences/consola.h"

namespace orda::sequences {

bool Consola::codificar(bool enviar, const programming::FechaHora& ahora, std::int64_t ahoraMs) {
  if (rechazarSiOcupado()) return false;
  programming::CorridaProgramacion corrida = programming::aProgramar(cfg_, imagenMemoria_);
  // One box for the whole run, however many values failed.
  if (!corrida.errores.empty()) {
    const programming::CajaErrores caja = programming::cajaErrores(corrida.errores);
    oyente_.mostrarError(caja.texto, caja.titulo, link::Icono::Critico, link::TipoError::Codificacion);
  }
  if (corrida.detenida()) {
    if (enviar) {
      oyente_.secuenciaTerminada({link::TipoSecuencia::Programacion, link::FinSecuencia::Detenida, 0});
    }
    return false;
  }
  Turno turno(*this);
  link::ColaConfirmada& cola = enlace_.cola();
  cola.limpiarEsperando();
  cola.encolar(programming::reporteHora(ahora), ahoraMs);
  cola.encolar(programming::reporteFecha(ahora), ahoraMs);
  if (enviar) {
    std::vector<EnvioProgramacion::Id> ids;
    ids.reserve(corrida.reportes.size());
    for (const link::Reporte& r : corrida.reportes) ids.push_back(cola.encolar(r, ahoraMs));
    envio_.emplace(std::move(ids));
    activa_ = Activa::Programacion;
  }
  despues(ahoraMs);
  return true;
}

bool Consola::programar(const programming::FechaHora& ahora, std::int64_t ahoraMs) {
  const Aviso aviso(*this);
  if (!ocupado()) {
    inicioCivil_ = ahora;
    inicioMs_ = ahoraMs;
  }
  return codificar(true, ahora, ahoraMs);
}

bool Consola::prepararGuardado(const programming::FechaHora& ahora, std::int64_t ahoraMs) {
  const Aviso aviso(*this);
  return codificar(false, ahora, ahoraMs);
}

bool Consola::leerProgramacion(std::int64_t ahoraMs, bool conHistorial) {
  const Aviso aviso(*this);
  if (rechazarSiOcupado()) return false;
  historialTrasLectura_ = conHistorial;
  pedirDatos(ahoraMs, Activa::Lectura);
  return true;
}

bool Consola::leerParaComparar(std::int64_t ahoraMs, imagen::ImagenMemoria& destino) {
  const Aviso aviso(*this);
  if (rechazarSiOcupado()) return false;
  enlace_.desviarVolcado(&destino);
  pedirDatos(ahoraMs, Activa::Comparacion);
  return true;
}

void Consola::pedirDatos(std::int64_t ahoraMs, Activa activa) {
  Turno turno(*this);
  espera_.emplace(link::kVolcadoDatos, enlace_.volcado(), ahoraMs);
  activa_ = activa;
  // No wait for an earlier acknowledgement, but the request counts as one.
  enlace_.enviarLetras("lt");
  enlace_.cola().ponerEsperando();
  despues(ahoraMs);
}

bool Consola::refrescarHistorial(std::int64_t ahoraMs) {
  const Aviso aviso(*this);
  if (rechazarSiOcupado()) return false;
  Turno turno(*this);
  iniciarHistorial(ahoraMs);
  despues(ahoraMs);
  return true;
}

void Consola::iniciarHistorial(std::int64_t ahoraMs) {
  espera_.emplace(link::kVolcadoHistorial, enlace_.volcado(), ahoraMs);
  activa_ = Activa::Historial;
  // As if typed: echoed into the device log, sent with its CR.
  oyente_.agregarAlRegistro("lh\r", link::kNegro);
  enlace_.enviar(*monitoring::reporteComando("lh"));
}

ResultadoComando Consola::enviarComando(std::string_view texto, const programming::FechaHora& ahora,
                                        std::int64_t ahoraMs) {
  const Aviso aviso(*this);
  using monitoring::AccionComando;
  if (rechazarSiOcupado()) return {EstadoComando::Rechazado, std::string(texto), link::textos::kOperacionEnCurso};
  Turno turno(*this);
  const monitoring::Interpretacion in =
      monitoring::interpretarComando(texto, cfg_.globales.text[config::caja::kClave]);
  std::optional<link::Reporte> reporte;
  if (in.accion == AccionComando::Enviar) {
    reporte = monitoring::reporteComando(in.texto);
    if (!reporte) {
      // It would not fit one report: the panel would get it cut or run on.
      error(link::textos::kComandoLargo);
      return {EstadoComando::Rechazado, std::string(texto), link::textos::kComandoLargo};
    }
  }
  oyente_.agregarAlRegistro(std::string(texto) + "\r", link::kNegro);
  if (in.versionPanel) cfg_.versionPanel = *in.versionPanel;
  if (in.serialPanel) cfg_.serialPanel = *in.serialPanel;

  EstadoComando estado = EstadoComando::Enviado;
  switch (in.accion) {
    case AccionComando::Hora:
      enlace_.cola().encolar(programming::reporteHora(ahora), ahoraMs);
      break;
    case AccionComando::Local:
      estado = EstadoComando::Local;
      oyente_.comandoLocal(in.local);
      break;
    case AccionComando::Enviar:
      enlace_.enviar(*reporte);
      break;
  }
  despues(ahoraMs);
  return {estado, in.texto, ""};
}

bool Consola::encolarSiLibre(const link::Reporte& reporte, std::int64_t ahoraMs) {
  const Aviso aviso(*this);
  if (rechazarSiOcupado()) return false;
  Turno turno(*this);
  enlace_.cola().encolar(reporte, ahoraMs);
  despues(ahoraMs);
  return true;
}

bool Consola::enviarHora(const programming::FechaHora& ahora, std::int64_t ahoraMs) {
  return encolarSiLibre(programming::reporteHora(ahora), ahoraMs);
}

bool Consola::enviarFecha(const programming::FechaHora& ahora, std::int64_t ahoraMs) {
  return encolarSiLibre(programming::reporteFecha(ahora), ahoraMs);
}

bool Consola::forzarSalida(int indice, std::int64_t ahoraMs) {
  // With no input selected the lamps are off and do not answer clicks.
  if (tendencia_.canal() == 0 || indice < 0 || indice > 3) return false;
  return encolarSiLibre(monitoring::reporteForzarSalida(indice), ahoraMs);
}

void Consola::seleccionarCanal(int canal, std::int64_t ahoraMs) {
  const Aviso aviso(*this);
  tendencia_.ponerCanal(canal, ahoraMs);
}

void Consola::alternarSenal() {
  const Aviso aviso(*this);
  enlace_.alternarSenal();
}

}  // namespace orda::sequences
