// The maintenance commands: a typed command, the live values, the clock.
#include <cstdio>
#include <iomanip>

#include "cli/tareas.h"
#include "core/config/globales.h"
#include "core/link/cola_confirmada.h"
#include "core/link/enlace.h"
#include "core/link/textos.h"
#include "core/monitoring/comandos.h"

namespace orda::cli {

namespace {

// A line the panel sent: black, ended by the link's LF. Plug and unplug
// lines are green, typed commands end in CR.
std::optional<std::string> lineaDelPanel(const std::string& texto, link::Color color) {
  if (color != link::kNegro || texto.empty() || texto.back() != '\n') return std::nullopt;
  return texto.substr(0, texto.size() - 1);
}

}  // namespace

std::string textoFechaHora(const programming::FechaHora& t) {
  char texto[40];
  std::snprintf(texto, sizeof texto, "%02d/%02d/%04d %02d:%02d:%02d", t.dia, t.mes, t.anio, t.hora, t.minuto,
                t.segundo);
  return texto;
}

std::optional<std::string> TareaEnviar::preparar(SesionPanel& s) {
  const config::Configuracion& cfg = s.configuracion();
  const monitoring::Interpretacion in = monitoring::interpretarComando(texto_, cfg.globales.text[config::caja::kClave]);
  if (in.accion == monitoring::AccionComando::Local) {
    return "«" + texto_ + "» es un comando de la ventana de la consola: no se envía al panel.";
  }
  if (in.accion == monitoring::AccionComando::Enviar && !monitoring::reporteComando(in.texto)) {
    return link::textos::kComandoLargo;
  }
  return std::nullopt;
}

void TareaEnviar::iniciar(SesionPanel& s, std::int64_t ahoraMs) {
  const sequences::ResultadoComando r = s.consola().enviarComando(texto_, s.horaComputadora(), ahoraMs);
  if (r.estado != sequences::EstadoComando::Enviado) {
    if (!r.mensaje.empty()) s.err() << r.mensaje << "\n";
    s.terminar(1);
    return;
  }
  hasta_ = ahoraMs + kEsperaRespuestaMs;
}

void TareaEnviar::agregarAlRegistro(const std::string& texto, link::Color color) {
  if (!hasta_) return;  // the command's own echo
  const auto linea = lineaDelPanel(texto, color);
  if (!linea) return;
  sesion_->out() << *linea << "\n" << std::flush;
  ++respuestas_;
}

void TareaEnviar::avanzar(SesionPanel& s, std::int64_t ahoraMs) {
  if (!hasta_ || ahoraMs < *hasta_) return;
  if (respuestas_ == 0) {
    s.err() << kSinRespuesta << "\n";
    s.terminar(1);
    return;
  }
  s.terminar(0);
}

void TareaMonitor::iniciar(SesionPanel& s, std::int64_t ahoraMs) {
  inicio_ = ahoraMs;
  hasta_ = ahoraMs + static_cast<std::int64_t>(segundos_) * 1000;
  // Any input: the answers carry all eight.
  s.consola().seleccionarCanal(1, ahoraMs);
  s.out() << "    seg    E1   E2   E3   E4   E5   E6   E7   E8   estados  salidas\n";
}

void TareaMonitor::actGraf(const link::ValoresAnalogicos& v) {
  valores_ = v;
  valoresNuevos_ = true;
}

void TareaMonitor::actLedEntradas(const link::EstadoEntradas& e) { entradas_ = e; }

void TareaMonitor::actLedSalidas(const link::EstadoSalidas& salidas) {
  if (!valoresNuevos_) return;
  valoresNuevos_ = false;
  SesionPanel& s = *sesion_;
  std::ostream& out = s.out();
  const double segundos = static_cast<double>(s.ahoraMs() - inicio_) / 1000.0;
  out << std::fixed << std::setprecision(2) << std::setw(7) << segundos << " ";
  for (int i = 0; i < 8; ++i) out << std::setw(5) << valores_[static_cast<std::size_t>(i)];
  out << "   ";
  for (int i = 0; i < 8; ++i) out << static_cast<int>(entradas_[static_cast<std::size_t>(i)]);
  out << "  ";
  for (int i = 0; i < 4; ++i) out << (salidas[static_cast<std::size_t>(i)] != 0 ? '1' : '0');
  out << "\n" << std::flush;
  ++lineas_;
}

void TareaMonitor::avanzar(SesionPanel& s, std::int64_t ahoraMs) {
  if (!hasta_ || ahoraMs < *hasta_) return;
  s.consola().seleccionarCanal(0, ahoraMs);
  if (lineas_ == 0) {
    s.err() << kSinRespuesta << "\n";
    s.terminar(1);
    return;
  }
  s.terminar(0);
}

void TareaReloj::iniciar(SesionPanel& s, std::int64_t ahoraMs) {
  hora_ = s.horaComputadora();
  if (!s.consola().enviarHora(hora_, ahoraMs) || !s.consola().enviarFecha(hora_, ahoraMs)) s.terminar(1);
}

void TareaReloj::agregarAlRegistro(const std::string& texto, link::Color color) {
  const auto linea = lineaDelPanel(texto, color);
  if (!linea) return;
  sesion_->out() << *linea << "\n";
  if (linea->find("rabad") != std::string::npos) ++confirmaciones_;
}

void TareaReloj::avanzar(SesionPanel& s, std::int64_t ahoraMs) {
  if (confirmaciones_ >= 2) {
    s.out() << "Reloj del panel puesto en " << textoFechaHora(hora_) << "\n";
    s.terminar(0);
    return;
  }
  // The date goes out when the time is acknowledged, or a second later; it
  // has a second of its own.
  if (!s.consola().enlace().cola().vacia()) return;
  if (!colaVaciaDesde_) colaVaciaDesde_ = ahoraMs;
  if (ahoraMs >= *colaVaciaDesde_ + link::kEsperaConfirmacionMs) {
    s.err() << "El panel no confirmó la hora y la fecha.\n";
    s.terminar(1);
  }
}

std::optional<std::int64_t> TareaReloj::proximoVencimiento() const {
  if (!colaVaciaDesde_) return std::nullopt;
  return *colaVaciaDesde_ + link::kEsperaConfirmacionMs;
}

}  // namespace orda::cli
