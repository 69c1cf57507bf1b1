#include "core/simulator/transporte_simulado.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/simulator/azar.h"

namespace orda::simulator {

namespace {

bool esConfirmacion(const link::BufferReporte& r) {
  const auto* p = reinterpret_cast<const char*>(r.data() + 1);
  const std::string_view texto(p, strnlen(p, link::kTamanoReporte - 1));
  return texto.find("rabad") != std::string_view::npos;
}

}  // namespace

TransporteSimulado::TransporteSimulado(Reloj reloj, OpcionesPanel opciones, int retardoConexionMs)
    : reloj_(std::move(reloj)),
      panel_(opciones, reloj_()),
      retardoConexionMs_(retardoConexionMs),
      azar_(mezclar(opciones.semilla ^ 0xBA5E)) {}

bool TransporteSimulado::Connect() {
  if (conectado_) return true;
  conectado_ = true;
  enchufar();
  return true;
}

void TransporteSimulado::Disconnect() {
  conectado_ = false;
  enchufado_ = false;
  otroEnchufado_ = false;
  notificar_ = false;
  pendientes_.clear();
  esperando_.clear();
}

int TransporteSimulado::GetVendorID(link::Handle h) {
  if (h == kHandlePanel) return link::kVendorId;
  return h == kHandleOtro ? kVendorOtro : 0;
}

int TransporteSimulado::GetProductID(link::Handle h) {
  if (h == kHandlePanel) return link::kProductId;
  return h == kHandleOtro ? kProductOtro : 0;
}

link::Handle TransporteSimulado::GetHandle(int vendorId, int productId) {
  if (enchufado_ && vendorId == link::kVendorId && productId == link::kProductId) return kHandlePanel;
  if (otroEnchufado_ && vendorId == kVendorOtro && productId == kProductOtro) return kHandleOtro;
  return 0;
}

void TransporteSimulado::SetReadNotify(link::Handle h, bool activo) {
  if (h == kHandlePanel && enchufado_) notificar_ = activo;
}

bool TransporteSimulado::Read(link::Handle h, link::BufferReporte& buffer) {
  if (h != kHandlePanel || esperando_.empty()) return false;
  buffer = esperando_.front();
  buffer[0] = 0;
  esperando_.pop_front();
  return true;
}

bool TransporteSimulado::WriteEx(int vendorId, int productId, const link::BufferReporte& buffer) {
  if (!enchufado_ || vendorId != link::kVendorId || productId != link::kProductId) return false;
  const std::int64_t ahora = reloj_();
  ++escritos_;
  if (alEscribir) alEscribir(buffer, ahora);
  if (fallas.silencio) return true;

  std::vector<link::BufferReporte> respuestas = panel_.recibir(buffer, ahora);
  if (fallas.desenchufarTrasReportes > 0 && escritos_ >= fallas.desenchufarTrasReportes) {
    fallas.desenchufarTrasReportes = 0;
    desenchufar();
    return true;
  }
  const std::int64_t vence = ahora + std::max(0, fallas.latenciaMs);
  for (const link::BufferReporte& r : respuestas) {
    if (esConfirmacion(r) && fallas.perderConfirmacionCada > 0 &&
        ++confirmaciones_ % fallas.perderConfirmacionCada == 0) {
      continue;
    }
    programar({vence, Pendiente::Tipo::Respuesta, r});
    if (fallas.basuraCada > 0 && ++respuestas_ % fallas.basuraCada == 0) {
      programar({vence, Pendiente::Tipo::Respuesta, basura()});
    }
  }
  return true;
}

void TransporteSimulado::programar(Pendiente p) {
  // Answers never overtake each other, whatever the latency did meanwhile.
  if (p.tipo == Pendiente::Tipo::Respuesta) p.vence = std::max(p.vence, ultimoVence_);
  if (p.tipo == Pendiente::Tipo::Respuesta) ultimoVence_ = p.vence;
  const auto pos = std::upper_bound(pendientes_.begin(), pendientes_.end(), p.vence,
                                    [](std::int64_t v, const Pendiente& q) { return v < q.vence; });
  pendientes_.insert(pos, p);
}

void TransporteSimulado::quitarRespuestasEnVuelo() {
  std::erase_if(pendientes_, [](const Pendiente& p) { return p.tipo == Pendiente::Tipo::Respuesta; });
}

void TransporteSimulado::desenchufar() {
  if (!enchufado_) return;
  enchufado_ = false;
  notificar_ = false;
  quitarRespuestasEnVuelo();
  programar({reloj_(), Pendiente::Tipo::Desenchufar, {}});
}

void TransporteSimulado::enchufar() {
  if (!conectado_ || enchufado_) return;
  programar({reloj_() + retardoConexionMs_, Pendiente::Tipo::Enchufar, {}});
}

void TransporteSimulado::enchufarOtroDispositivo() {
  if (conectado_) programar({reloj_(), Pendiente::Tipo::EnchufarOtro, {}});
}

void TransporteSimulado::alVencer(std::int64_t ahoraMs) {
  panel_.avanzar(ahoraMs);
  while (!pendientes_.empty() && pendientes_.front().vence <= ahoraMs) {
    const Pendiente p = pendientes_.front();
    pendientes_.pop_front();
    link::Evento e{link::EventoHid::Cambio, 0};
    switch (p.tipo) {
      case Pendiente::Tipo::Enchufar:
        if (enchufado_) continue;
        enchufado_ = true;
        e = {link::EventoHid::Conectado, kHandlePanel};
        break;
      case Pendiente::Tipo::Desenchufar:
        e = {link::EventoHid::Desconectado, kHandlePanel};
        break;
      case Pendiente::Tipo::EnchufarOtro:
        otroEnchufado_ = true;
        e = {link::EventoHid::Conectado, kHandleOtro};
        break;
      case Pendiente::Tipo::Respuesta:
        if (!notificar_) continue;
        esperando_.push_back(p.reporte);
        e = {link::EventoHid::ReporteEsperando, kHandlePanel};
        break;
    }
    if (alEvento) alEvento(e);
  }
}

std::optional<std::int64_t> TransporteSimulado::proximoVencimiento() const {
  if (pendientes_.empty()) return std::nullopt;
  return pendientes_.front().vence;
}

link::BufferReporte TransporteSimulado::basura() {
  link::BufferReporte r{};
  for (std::size_t k = 1; k < r.size(); ++k) {
    azar_ = mezclar(azar_);
    r[k] = static_cast<std::uint8_t>(azar_ >> 56);
  }
  return r;
}

}  // namespace orda::simulator
