#include "core/sequences/consola.h"

#include <algorithm>

#include "core/config/tablas.h"
#include "core/link/senal.h"
#include "core/link/textos.h"
#include "core/reading/decodificar.h"

namespace orda::sequences {

namespace {

void minimo(std::optional<std::int64_t>& t, std::optional<std::int64_t> otro) {
  if (otro && (!t || *otro < *t)) t = otro;
}

// "14:32:05": the time of day `ms` milliseconds after `inicio`.
std::string horaTras(const programming::FechaHora& inicio, std::int64_t ms) {
  constexpr std::int64_t kDia = 24 * 3600;
  const std::int64_t s = ((inicio.hora * 3600 + inicio.minuto * 60 + inicio.segundo + ms / 1000) % kDia + kDia) % kDia;
  auto dos = [](std::int64_t n) { return std::string(1, char('0' + n / 10)) + char('0' + n % 10); };
  return dos(s / 3600) + ":" + dos(s / 60 % 60) + ":" + dos(s % 60);
}

}  // namespace

Consola::Consola(link::Transporte& transporte, link::OyenteEnlace& oyente, config::Configuracion& cfg,
                 imagen::ImagenMemoria& imagenMemoria, std::int64_t inicioMs)
    : enlace_(transporte, oyente, imagenMemoria),
      oyente_(oyente),
      cfg_(cfg),
      imagenMemoria_(imagenMemoria),
      proximaSenal_(inicioMs + link::kPeriodoSenalMs) {}

Consola::~Consola() {
  if (instalada_) enlace_.transporte().alEvento = nullptr;
}

bool Consola::instalar(std::function<std::int64_t()> ahoraMs) {
  enlace_.transporte().alEvento = [this, reloj = std::move(ahoraMs)](const link::Evento& e) { alEvento(e, reloj()); };
  instalada_ = true;
  return enlace_.transporte().Connect();
}

void Consola::desinstalar() {
  enlace_.transporte().Disconnect();
  enlace_.transporte().alEvento = nullptr;
  instalada_ = false;
}

Consola::Turno::Turno(Consola& c) : c_(c), exterior_(!c.atendiendo_) { c_.atendiendo_ = true; }

Consola::Turno::~Turno() {
  if (!exterior_) return;
  while (!c_.entrantes_.empty()) {
    const auto [e, t] = c_.entrantes_.front();
    c_.entrantes_.pop_front();
    c_.atender(e, t);
  }
  c_.atendiendo_ = false;
}

void Consola::alEvento(const link::Evento& e, std::int64_t ahoraMs) {
  const Aviso aviso(*this);
  if (atendiendo_) {
    entrantes_.emplace_back(e, ahoraMs);
    return;
  }
  Turno turno(*this);
  atender(e, ahoraMs);
}

void Consola::atender(const link::Evento& e, std::int64_t ahoraMs) {
  switch (e.tipo) {
    case link::EventoHid::Conectado:
      enlace_.OnPlugged(e.handle, ahoraMs);
      break;
    case link::EventoHid::Desconectado:
      enlace_.OnUnplugged(e.handle, ahoraMs);
      break;
    case link::EventoHid::Cambio:
      enlace_.OnChanged();
      break;
    case link::EventoHid::ReporteEsperando: {
      const link::Recepcion r = enlace_.OnRead(e.handle, ahoraMs);
      if (r.confirmado && envio_) envio_->confirmado(*r.confirmado);
      break;
    }
  }
  despues(ahoraMs);
}

void Consola::alVencer(std::int64_t ahoraMs) {
  const Aviso aviso(*this);
  Turno turno(*this);
  enlace_.alVencer(ahoraMs);
  if (ahoraMs >= proximaSenal_) {
    while (proximaSenal_ <= ahoraMs) proximaSenal_ += link::kPeriodoSenalMs;
    if (!ocupado() && enlace_.senal().sondeoActivo()) enlace_.enviarLetras("sq");
  }
  if (const auto pedido = tendencia_.alVencer(ahoraMs, ocupado())) enlace_.enviarLetras(*pedido);
  despues(ahoraMs);
}

std::optional<std::int64_t> Consola::proximoVencimiento() const {
  std::optional<std::int64_t> t = proximaSenal_;
  minimo(t, enlace_.proximoVencimiento());
  minimo(t, tendencia_.proximoVencimiento());
  minimo(t, enlace_.cola().proximoVencimiento(colaPausada()));
  if (envio_) minimo(t, envio_->proximoVencimiento());
  if (espera_) minimo(t, espera_->proximoVencimiento());
  return t;
}

bool Consola::ocupado() const { return enlace_.enTransferencia() || activa_ != Activa::Ninguna; }

bool Consola::rechazarSiOcupado() {
  if (!ocupado()) return false;
  oyente_.textoPanel(link::kPanelMensajes, link::textos::kOperacionEnCurso);
  return true;
}

// A transfer holds the acknowledged sender: a report sent now would be
// answered in the middle of the blocks.
bool Consola::colaPausada() const {
  return enlace_.enTransferencia() || activa_ == Activa::Lectura || activa_ == Activa::Comparacion ||
         activa_ == Activa::Historial;
}

void Consola::despues(std::int64_t ahoraMs) {
  bombear(ahoraMs);
  revisarProgramacion(ahoraMs);
  revisarVolcado(ahoraMs);
  bombear(ahoraMs);
}

void Consola::bombear(std::int64_t ahoraMs) {
  if (auto s = enlace_.cola().siguiente(ahoraMs, colaPausada())) {
    enlace_.enviar(s->reporte);
    if (envio_ && envio_->enviado(s->id, ahoraMs)) oyente_.progresoProgramacion(envio_->enviados(), envio_->total());
  }
}

void Consola::revisarProgramacion(std::int64_t ahoraMs) {
  if (!envio_ || !envio_->terminado(ahoraMs)) return;
  const int sinConfirmar = envio_->sinConfirmar();
  envio_.reset();
  activa_ = Activa::Ninguna;
  // "Programando 54/54" would read as still at work.
  oyente_.textoPanel(link::kPanelMensajes,
                     link::textos::textoProgramacionTerminada(horaTras(inicioCivil_, ahoraMs - inicioMs_), sinConfirmar));
  if (sinConfirmar > 0) error(link::textos::mensajeSinConfirmar(sinConfirmar));
  oyente_.secuenciaTerminada({link::TipoSecuencia::Programacion, link::FinSecuencia::Completa, sinConfirmar});
}

void Consola::revisarVolcado(std::int64_t ahoraMs) {
  if (!espera_) return;
  const EstadoEspera estado = espera_->revisar(enlace_.volcado(), ahoraMs);
  if (estado == EstadoEspera::EsperandoInicio || estado == EstadoEspera::Transfiriendo) return;
  const Activa activa = activa_;
  espera_.reset();
  activa_ = Activa::Ninguna;
  // A transfer of the other kind may still hold the link.
  if (activa == Activa::Lectura) {
    terminarLectura(estado, ahoraMs);
  } else if (activa == Activa::Comparacion) {
    terminarComparacion(estado);
  } else {
    terminarHistorial(estado);
  }
}

void Consola::terminarLectura(EstadoEspera estado, std::int64_t ahoraMs) {
  using link::FinSecuencia;
  if (estado != EstadoEspera::Completa) {
    // Nothing is decoded from a stale or partial image: the user's edits stay.
    const bool sinRespuesta = estado == EstadoEspera::SinRespuesta;
    error(sinRespuesta ? link::textos::kLecturaSinRespuesta : link::textos::kLecturaInterrumpida);
    oyente_.secuenciaTerminada({link::TipoSecuencia::Lectura,
                                sinRespuesta ? FinSecuencia::SinRespuesta : FinSecuencia::Interrumpida, 0});
    return;
  }
  const int borrados = reading::decodificarImagen(imagenMemoria_, cfg_);
  if (borrados > 0) {
    oyente_.mostrarError(reading::textoRegistrosBorrados(borrados, true), link::textos::kTituloSecuencias,
                         link::Icono::Informacion, link::TipoError::Secuencia);
  }
  oyente_.textoPanel(link::kPanelVersion, config::textoVersion(cfg_.versionPanel));
  oyente_.textoPanel(link::kPanelSerial, config::textoSerial(cfg_.serialPanel));
  // The history request goes out first so that nothing can slip in between;
  // its blocks come in later inputs, so the image still holds the
  // configuration while the listener hears of the read.
  if (historialTrasLectura_) iniciarHistorial(ahoraMs);
  oyente_.secuenciaTerminada({link::TipoSecuencia::Lectura, FinSecuencia::Completa, 0});
}

void Consola::terminarComparacion(EstadoEspera estado) {
  using link::FinSecuencia;
  enlace_.desviarVolcado(nullptr);
  FinSecuencia fin = FinSecuencia::Completa;
  if (estado != EstadoEspera::Completa) {
    const bool sinRespuesta = estado == EstadoEspera::SinRespuesta;
    error(sinRespuesta ? link::textos::kLecturaSinRespuesta : link::textos::kLecturaInterrumpida);
    fin = sinRespuesta ? FinSecuencia::SinRespuesta : FinSecuencia::Interrumpida;
  }
  oyente_.secuenciaTerminada({link::TipoSecuencia::Comparacion, fin, 0});
}

void Consola::terminarHistorial(EstadoEspera estado) {
  using link::FinSecuencia;
  FinSecuencia fin = FinSecuencia::Completa;
  if (estado == EstadoEspera::SinRespuesta) {
    error(link::textos::kHistorialSinRespuesta);
    fin = FinSecuencia::SinRespuesta;
  } else if (estado == EstadoEspera::Interrumpida) {
    error(link::textos::kHistorialInterrumpido);
    fin = FinSecuencia::Interrumpida;
  }
  oyente_.secuenciaTerminada({link::TipoSecuencia::Historial, fin, 0});
}

void Consola::error(const std::string& texto) {
  oyente_.mostrarError(texto, link::textos::kTituloSecuencias, link::Icono::Exclamacion, link::TipoError::Secuencia);
}

}  // namespace orda::sequences
