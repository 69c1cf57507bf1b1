#include "core/link/enlace.h"

#include "core/link/textos.h"

namespace orda::link {

Enlace::Enlace(Transporte& transporte, OyenteEnlace& oyente, imagen::ImagenMemoria& imagenMemoria)
    : transporte_(transporte), oyente_(oyente), imagenMemoria_(imagenMemoria) {}

bool Enlace::esPanel(Handle h) {
  return transporte_.GetVendorID(h) == kVendorId && transporte_.GetProductID(h) == kProductId;
}

void Enlace::habilitarLectura() {
  const Handle panel = transporte_.GetHandle(kVendorId, kProductId);
  if (panel != 0) transporte_.SetReadNotify(panel, true);
}

void Enlace::OnPlugged(Handle h, std::int64_t ahoraMs) {
  if (!esPanel(h)) {
    habilitarLectura();
    return;
  }
  oyente_.agregarAlRegistro(textos::kLineaConectado, kVerdeOscuro);
  oyente_.imagenPanel(kPanelConexion, textos::kImagenConectado);
  oyente_.textoPanel(kPanelConexion, textos::kConectado);
  conectado_ = true;
  // The panel gets a second to settle before its reports are taken.
  habilitarEn_ = ahoraMs + kEsperaEnchufeMs;
}

void Enlace::OnUnplugged(Handle h, std::int64_t /*ahoraMs*/) {
  if (!esPanel(h)) return;
  oyente_.agregarAlRegistro(textos::kLineaDesconectado, kVerdeOscuro);
  oyente_.imagenPanel(kPanelConexion, textos::kImagenNoConectado);
  oyente_.textoPanel(kPanelConexion, textos::kNoConectado);
  oyente_.textoPanel(kPanelVersion, "");
  oyente_.textoPanel(kPanelSerial, "");
  conectado_ = false;
  // No further block can come: a transfer left running would hold the link
  // for ever.
  if (enTransferencia()) abandonarVolcado();
}

void Enlace::OnChanged() { habilitarLectura(); }

bool Enlace::WriteData() { return transporte_.WriteEx(kVendorId, kProductId, bufferSalida_); }

bool Enlace::enviar(const Reporte& r) {
  bufferSalida_[0] = 0;
  r.aplicarSobre(bufferSalida_);
  return WriteData();
}

void Enlace::alVencer(std::int64_t ahoraMs) {
  if (habilitarEn_ && ahoraMs >= *habilitarEn_) {
    habilitarEn_.reset();
    habilitarLectura();
  }
  if (enTransferencia() && ahoraMs >= volcado_.ultimoMs + kEsperaBloqueMs) abandonarVolcado();
}

std::optional<std::int64_t> Enlace::proximoVencimiento() const {
  std::optional<std::int64_t> t = habilitarEn_;
  if (enTransferencia()) {
    const std::int64_t estancado = volcado_.ultimoMs + kEsperaBloqueMs;
    if (!t || estancado < *t) t = estancado;
  }
  return t;
}

void Enlace::abandonarVolcado() {
  if (!enTransferencia()) return;
  volcado_.ultimoInterrumpido = volcado_.modoVolcado;
  volcado_.modoVolcado = kSinVolcado;
  ++volcado_.interrumpidos;
}

void Enlace::alternarSenal() {
  senal_.alternar();
  oyente_.imagenPanel(kPanelSenal, senal_.imagen);
  oyente_.textoPanel(kPanelSenal, senal_.texto);
}

}  // namespace orda::link
