#include "cli/sesion_panel.h"

#include <algorithm>
#include <ctime>

#include "cli/subcomandos.h"
#include "core/link/enlace.h"
#include "core/link/textos.h"

namespace orda::cli {

SesionPanel::SesionPanel(link::Transporte& transporte, Tarea& tarea, std::ostream& out, std::ostream& err,
                         HoraComputadora horaComputadora, Reloj reloj)
    : tarea_(tarea),
      out_(out),
      err_(err),
      horaComputadora_(std::move(horaComputadora)),
      motor_(transporte, *this, cfg_, imagen_, std::move(reloj)) {
  tarea_.sesion_ = this;
  // After a link event or a deadline the session looks at the state; what
  // it does itself (the task's commands) it looks at on its own.
  motor_.alAvanzar = [this](std::int64_t ahora) {
    if (!propio_ && fase_ != Fase::Inicial) avanzar(ahora);
  };
  motor_.vencimientoPropio = [this] { return vencimientoPropio(); };
}

SesionPanel::~SesionPanel() { tarea_.sesion_ = nullptr; }

void SesionPanel::arrancar() {
  if (fase_ != Fase::Inicial || terminada()) return;
  if (auto error = tarea_.preparar(*this)) {
    err_ << *error << "\n";
    terminar(1);
    return;
  }
  fase_ = Fase::Buscando;
  limite_ = ahoraMs() + kEsperaPanelMs;
  const Propio p(propio_);
  if (!motor_.conectar()) {
    err_ << kSinUsb << "\n";
    terminar(1);
  }
}

void SesionPanel::avanzar(std::int64_t ahoraMs) {
  if (terminada()) return;
  const Propio p(propio_);
  const bool conectado = consola().enlace().panelConectado();
  switch (fase_) {
    case Fase::Inicial:
      return;
    case Fase::Buscando:
      if (conectado) {
        // The link turns the panel's reports on a second after the plug; the
        // console has handled that deadline by the time this one is reached.
        fase_ = Fase::Asentando;
        limite_ = ahoraMs + link::kEsperaEnchufeMs;
      } else if (ahoraMs >= limite_) {
        err_ << kSinPanel << "\n";
        terminar(1);
      }
      return;
    case Fase::Asentando:
      if (!conectado) {
        fase_ = Fase::Buscando;
        limite_ = ahoraMs + kEsperaPanelMs;
        return;
      }
      if (ahoraMs < limite_) return;
      fase_ = Fase::Operando;
      tarea_.iniciar(*this, ahoraMs);
      break;
    case Fase::Operando:
      tarea_.avanzar(*this, ahoraMs);
      break;
  }
  // A transfer cut by the unplug has already ended the task with its own message.
  if (!terminada() && !consola().enlace().panelConectado()) {
    err_ << kPanelDesconectado << "\n";
    terminar(1);
  }
}

std::optional<std::int64_t> SesionPanel::proximoVencimiento() const {
  if (terminada() || fase_ == Fase::Inicial) return std::nullopt;
  return motor_.proximoVencimiento();
}

std::optional<std::int64_t> SesionPanel::vencimientoPropio() const {
  if (fase_ == Fase::Buscando || fase_ == Fase::Asentando) return limite_;
  if (fase_ == Fase::Operando) return tarea_.proximoVencimiento();
  return std::nullopt;
}

void SesionPanel::terminar(int codigo) {
  if (terminada()) return;
  if (progresoAbierto_) err_ << "\n";
  progresoAbierto_ = false;
  // Output that never arrived (a full disk, a closed pipe) is a failure.
  out_.flush();
  if (!out_) {
    err_ << kSalidaFallida << "\n";
    codigo = 1;
  }
  codigo_ = codigo;
  err_.flush();
  motor_.detener();
  if (alTerminar) alTerminar(codigo);
}

void SesionPanel::textoPanel(int panel, const std::string& texto) { tarea_.textoPanel(panel, texto); }

void SesionPanel::imagenPanel(int panel, const std::string& clave) { tarea_.imagenPanel(panel, clave); }

void SesionPanel::agregarAlRegistro(const std::string& texto, link::Color color) {
  tarea_.agregarAlRegistro(texto, color);
}

void SesionPanel::progresoTransferencia(const std::string& texto, int bloque, int total) {
  const int porcentaje = total > 1 ? (bloque - 1) * 100 / (total - 1) : 100;
  mostrarProgreso("Transfiriendo:" + texto, porcentaje / 10, bloque >= total);
  tarea_.progresoTransferencia(texto, bloque, total);
}

void SesionPanel::progresoProgramacion(int enviados, int total) {
  mostrarProgreso(link::textos::textoProgramando(enviados, total), total > 0 ? enviados * 10 / total : 10,
                  enviados >= total);
  tarea_.progresoProgramacion(enviados, total);
}

void SesionPanel::mostrarProgreso(const std::string& linea, int decimo, bool ultimo) {
  if (progresoTerminal) {
    // One line rewritten in place, only when the figure changes.
    if (linea != ultimoProgreso_) err_ << "\r" << linea << std::flush;
    progresoAbierto_ = !ultimo;
    if (ultimo) err_ << "\n";
  } else if (decimo != ultimoDecimo_) {
    // A log file gets a line every tenth.
    err_ << linea << "\n";
  }
  ultimoProgreso_ = ultimo ? "" : linea;
  ultimoDecimo_ = ultimo ? -1 : decimo;
}

void SesionPanel::memoriaActualizada(const std::string& titulo) { tarea_.memoriaActualizada(titulo); }

void SesionPanel::actGraf(const link::ValoresAnalogicos& v) { tarea_.actGraf(v); }

void SesionPanel::actLedEntradas(const link::EstadoEntradas& e) { tarea_.actLedEntradas(e); }

void SesionPanel::actLedSalidas(const link::EstadoSalidas& s) { tarea_.actLedSalidas(s); }

void SesionPanel::mostrarError(const std::string& texto, const std::string& titulo, link::Icono icono,
                               link::TipoError tipo) {
  if (progresoAbierto_) err_ << "\n";
  progresoAbierto_ = false;
  // The boxes' own titles ("OrDA", "ORDA") say nothing on a terminal; the
  // encoders' titles name the table.
  if (tipo != link::TipoError::Codificacion) {
    err_ << texto << "\n";
  } else {
    err_ << titulo << ": " << texto << "\n";
  }
  tarea_.mostrarError(texto, titulo, icono, tipo);
}

void SesionPanel::comandoLocal(link::ComandoLocal c) { tarea_.comandoLocal(c); }

void SesionPanel::secuenciaTerminada(const link::ResultadoSecuencia& r) { tarea_.secuenciaTerminada(r); }

programming::FechaHora horaLocal() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
#ifdef _WIN32
  localtime_s(&tm, &t);
#else
  localtime_r(&t, &tm);
#endif
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

}  // namespace orda::cli
