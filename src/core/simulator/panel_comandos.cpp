// The panel's maintenance and monitoring commands, and its outputs' daily
// programs.
#include <algorithm>
#include <optional>

#include "core/imagen/codificacion.h"
#include "core/imagen/imagen.h"
#include "core/simulator/panel.h"
#include "core/simulator/respuestas.h"

namespace orda::simulator {

namespace {

// A BCD byte's value, empty when a nibble is not a digit.
std::optional<int> bcd(std::uint8_t b) {
  if ((b & 15) > 9 || (b >> 4) > 9) return std::nullopt;
  return imagen::desdeBcd(b);
}

std::string dos(int v) { return imagen::dosDigitos(v); }

// Minute of the day of a BCD "HH MM" pair, empty when it is not a time.
std::optional<int> minutoDelDia(std::uint8_t hora, std::uint8_t minuto) {
  const auto h = bcd(hora), m = bcd(minuto);
  if (!h || !m || *h > 23 || *m > 59) return std::nullopt;
  return *h * 60 + *m;
}

constexpr std::int64_t kMinutosDia = 1440;

}  // namespace

void PanelSimulado::senal(const link::BufferReporte&, std::int64_t ahoraMs, Respuestas& r) {
  const int v = nivelSenal(ahoraMs);
  r.push_back(reporteTexto(std::string("sq ") + (v < 10 ? " " : "") + std::to_string(v)));
}

void PanelSimulado::ponerHora(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r) {
  const auto h = bcd(in[3]), m = bcd(in[4]), s = bcd(in[5]);
  if (!h || !m || !s || !reloj_.ponerHora(ahoraMs, *h, *m, *s)) {
    r.push_back(reporteTexto("Hora invalida"));
    return;
  }
  ultimoMinuto_ = reloj_.segundos(ahoraMs) / 60;
  registrar(ahoraMs, evento::kHoraUsb);
  r.push_back(reporteTexto("Hora grabada: " + dos(*h) + ":" + dos(*m) + ":" + dos(*s)));
}

void PanelSimulado::ponerFecha(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r) {
  const auto d = bcd(in[3]), m = bcd(in[4]), a = bcd(in[5]);
  if (!d || !m || !a || !reloj_.ponerFecha(ahoraMs, *d, *m, *a)) {
    r.push_back(reporteTexto("Fecha invalida"));
    return;
  }
  ultimoMinuto_ = reloj_.segundos(ahoraMs) / 60;
  registrar(ahoraMs, evento::kFechaUsb);
  r.push_back(reporteTexto("Fecha grabada: " + dos(*d) + "/" + dos(*m) + "/" + dos(*a)));
}

void PanelSimulado::valoresEntradas(const link::BufferReporte&, std::int64_t, Respuestas& r) {
  // Input 8 first, down to input 1: value then state.
  std::string t = "E8";
  for (int i = kCantidadEntradas - 1; i >= 0; --i) {
    t += ";" + std::to_string(valorEntrada(i)) + ";" + std::to_string(estadoEntrada(i));
  }
  r.push_back(reporteTexto(t));
}

void PanelSimulado::estadosSalidas(const link::BufferReporte&, std::int64_t, Respuestas& r) {
  std::string t = "E9";
  for (bool s : salidas_) t += s ? ";1" : ";0";
  r.push_back(reporteTexto(t));
}

void PanelSimulado::forzarSalida(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r) {
  const int i = in[3] - '1';
  if (i < 0 || i >= kCantidadSalidas) {
    r.push_back(reporteTexto("Salida inexistente"));
    return;
  }
  const auto k = static_cast<std::size_t>(i);
  salidas_[k] = !salidas_[k];
  registrar(ahoraMs, evento::kForzadoSalida, static_cast<std::uint8_t>(i), salidas_[k] ? 1 : 0);
  r.push_back(reporteTexto("Forzado grabado: salida " + std::to_string(i + 1) +
                           (salidas_[k] ? " activada" : " desactivada")));
}

namespace {

// "V!203" or "S!12346": exactly `n` characters after the two letters go to
// the global block at `offset`.
bool ponerIdentidad(MemoriaDatos& datos, const link::BufferReporte& in, std::size_t n, std::size_t offset,
                    std::string& valor) {
  valor = textoComando(in, 2 + n).substr(2);
  if (valor.size() != n) return false;
  const auto destino = static_cast<std::ptrdiff_t>(imagen::kGlobal.inicio(0) + offset);
  std::copy(valor.begin(), valor.end(), datos.begin() + destino);
  return true;
}

}  // namespace

void PanelSimulado::ponerVersion(const link::BufferReporte& in, std::int64_t, Respuestas& r) {
  std::string v;
  r.push_back(reporteTexto(ponerIdentidad(datos_, in, 3, 33, v) ? "Version grabada: " + v : "Version invalida"));
}

void PanelSimulado::ponerSerial(const link::BufferReporte& in, std::int64_t, Respuestas& r) {
  std::string v;
  r.push_back(reporteTexto(ponerIdentidad(datos_, in, 5, 37, v) ? "Serie grabada: " + v : "Serie invalida"));
}

void PanelSimulado::desconocido(const link::BufferReporte& in, std::int64_t, Respuestas& r) {
  const std::string t = textoComando(in);
  r.push_back(reporteTexto(t.empty() ? "Comando no reconocido" : "Comando no reconocido: " + t));
}

void PanelSimulado::avanzarSalidas(std::int64_t ahoraMs) {
  const std::int64_t minuto = reloj_.segundos(ahoraMs) / 60;
  // After a long pause only the last day's switchings matter.
  std::int64_t m = std::max(ultimoMinuto_ + 1, minuto - kMinutosDia + 1);
  for (; m <= minuto; ++m) {
    const std::int64_t delDia = ((m % kMinutosDia) + kMinutosDia) % kMinutosDia;
    for (std::size_t i = 0; i < salidas_.size(); ++i) {
      const std::uint8_t* s = datos_.data() + imagen::kSalidas.inicio(i);
      for (std::size_t p = 0; p < 4; ++p) {
        const std::uint8_t* prog = s + 1 + 7 * p;
        const auto desde = minutoDelDia(prog[1], prog[2]), hasta = minutoDelDia(prog[4], prog[5]);
        if (prog[0] != 1 || !desde || !hasta || *desde == *hasta) continue;
        if (delDia == *desde) salidas_[i] = true;
        if (delDia == *hasta) salidas_[i] = false;
      }
    }
  }
  ultimoMinuto_ = std::max(ultimoMinuto_, minuto);
}

}  // namespace orda::simulator
