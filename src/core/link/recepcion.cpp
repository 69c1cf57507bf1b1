// Every report the panel sends, in the order of its checks: memory blocks,
// transfer start markers, the signal level, the live values, the
// acknowledgement, and the device log.
#include <algorithm>
#include <limits>
#include <vector>

#include "core/link/enlace.h"
#include "core/link/textos.h"
#include "core/texto/cp1252.h"
#include "core/texto/numero.h"

namespace orda::link {

namespace {

constexpr std::uint8_t kMarcaDatos = 2;
constexpr std::uint8_t kMarcaHistorial = 3;
// Byte 1 set to this value marks a report as handled: it is not logged.
constexpr std::uint8_t kAtendido = 2;
constexpr std::uint8_t kVineta = 149;  // "•"

std::vector<std::string_view> campos(std::string_view t) {
  std::vector<std::string_view> r;
  std::size_t desde = 0;
  for (;;) {
    const std::size_t hasta = t.find(';', desde);
    r.push_back(t.substr(desde, hasta == std::string_view::npos ? std::string_view::npos : hasta - desde));
    if (hasta == std::string_view::npos) return r;
    desde = hasta + 1;
  }
}

// The field's leading number rounded half to even, when it fits [minimo, maximo].
std::optional<std::int64_t> valorCampo(std::string_view campo, std::int64_t minimo, std::int64_t maximo) {
  const auto v = texto::redondeoPar(texto::numeroInicial(campo), 1);
  if (!v || *v < minimo || *v > maximo) return std::nullopt;
  return v;
}

}  // namespace

std::string textoDeReporte(const BufferReporte& b) {
  std::string t;
  for (std::size_t i = 1; i <= 63 && b[i] != 0; ++i) {
    const std::uint8_t c = b[i];
    if (c > 31) {
      texto::agregarUtf8(t, texto::caracterCp1252(c));
    } else if (c == 13 || c == 10) {
      t.push_back(' ');
    } else {
      texto::agregarUtf8(t, texto::caracterCp1252(kVineta));
    }
  }
  return t;
}

Recepcion Enlace::OnRead(Handle h, std::int64_t ahoraMs) {
  Recepcion r;
  BufferReporte leido = bufferEntrada_;
  if (!transporte_.Read(h, leido)) return r;  // nothing delivered: nothing changes, the buffer included
  bufferEntrada_ = leido;
  r.leido = true;
  textoReporte_ = textoDeReporte(bufferEntrada_);

  // A memory block is only that: it is neither a start marker, nor an answer,
  // nor a line of the log.
  if (!recibirBloque(ahoraMs)) {
    if (bufferEntrada_[1] == kMarcaDatos) {
      iniciarVolcado(kVolcadoDatos, ahoraMs);
    } else if (bufferEntrada_[1] == kMarcaHistorial) {
      iniciarVolcado(kVolcadoHistorial, ahoraMs);
    }
    if (bufferEntrada_[1] == 's' && bufferEntrada_[2] == 'q') recibirSenal();
    if (bufferEntrada_[1] == 'E' && bufferEntrada_[2] == '8') recibirValores();
    if (bufferEntrada_[1] == 'E' && bufferEntrada_[2] == '9') recibirSalidas();
    if (textoReporte_.find("rabad") != std::string::npos) {
      r.confirmacion = true;
      r.confirmado = cola_.confirmar();
    }
    if (bufferEntrada_[1] != kAtendido) oyente_.agregarAlRegistro(textoReporte_ + "\n", kNegro);
  }
  // Byte 64 is left as it was.
  std::fill(bufferEntrada_.begin(), bufferEntrada_.begin() + 64, 0);
  return r;
}

bool Enlace::recibirBloque(std::int64_t ahoraMs) {
  const std::uint8_t modo = volcado_.modoVolcado;
  if (modo == kSinVolcado) return false;
  const bool datos = modo == kVolcadoDatos;
  const int total = datos ? kBloquesDatos : kBloquesHistorial;
  const int bloque = volcado_.bloqueVolcado;

  const std::size_t inicio = static_cast<std::size_t>(bloque) * kTamanoBloqueVolcado;
  if (bloque < 0 || inicio + kTamanoBloqueVolcado > imagen::kTamanoImagen) {
    oyente_.mostrarError(textos::kErrorComunicacion, textos::kTituloComunicacion, Icono::Exclamacion,
                         TipoError::Comunicacion);
  } else {
    std::copy_n(bufferEntrada_.begin() + 1, kTamanoBloqueVolcado,
                (desvio_ != nullptr ? *desvio_ : imagenMemoria_).begin() + static_cast<std::ptrdiff_t>(inicio));
  }
  oyente_.progresoTransferencia(" " + std::to_string(bloque * 100 / (total - 1)) + "%", bloque + 1, total);

  volcado_.bloqueVolcado = static_cast<std::int16_t>(bloque + 1);
  volcado_.ultimoMs = ahoraMs;
  if (volcado_.bloqueVolcado >= total) {
    volcado_.modoVolcado = kSinVolcado;
    volcado_.ultimoCompleto = modo;
    ++volcado_.completos;
    if (desvio_ == nullptr) oyente_.memoriaActualizada(datos ? textos::kMemoriaDatos : textos::kMemoriaRegistros);
  }
  // Asks for the next block, also after the last one.
  enviarLetras("pn");
  return true;
}

void Enlace::iniciarVolcado(std::uint8_t modo, std::int64_t ahoraMs) {
  volcado_.modoVolcado = modo;
  volcado_.bloqueVolcado = 0;
  volcado_.ultimoMs = ahoraMs;
  ++volcado_.iniciados;
  enviarLetras("pn");
}

void Enlace::recibirSenal() {
  const NivelSenal n = nivelSenal(valorSenal(bufferEntrada_[4], bufferEntrada_[5]));
  senal_.imagen = n.imagen;
  senal_.texto = n.texto;
  oyente_.imagenPanel(kPanelSenal, senal_.imagen);
  oyente_.textoPanel(kPanelSenal, senal_.texto);
  bufferEntrada_[1] = kAtendido;
}

// "E8;v8;s8;v7;s7;...;v1;s1": the inputs come last to first. A missing field
// or a value out of range leaves its element as it was.
void Enlace::recibirValores() {
  const auto c = campos(textoReporte_);
  for (std::size_t i = 0; i < 8; ++i) {
    const std::size_t k = 7 - i;
    if (2 * i + 1 < c.size()) {
      if (auto v = valorCampo(c[2 * i + 1], std::numeric_limits<std::int16_t>::min(),
                              std::numeric_limits<std::int16_t>::max())) {
        valoresAnalogicos_[k] = static_cast<std::int16_t>(*v);
      }
    }
    if (2 * i + 2 < c.size()) {
      if (auto v = valorCampo(c[2 * i + 2], 0, 255)) estadoEntradas_[k] = static_cast<std::uint8_t>(*v);
    }
  }
  oyente_.actGraf(valoresAnalogicos_);
  oyente_.actLedEntradas(estadoEntradas_);
  bufferEntrada_[1] = kAtendido;
}

void Enlace::recibirSalidas() {
  const auto c = campos(textoReporte_);
  for (std::size_t i = 0; i < 4; ++i) {
    if (i + 1 < c.size()) estadoSalidas_[i] = texto::numeroInicial(c[i + 1]).esCero() ? 0 : -1;
  }
  oyente_.actLedSalidas(estadoSalidas_);
  bufferEntrada_[1] = kAtendido;
}

}  // namespace orda::link
