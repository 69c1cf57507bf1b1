#include "core/simulator/zonas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/imagen/imagen.h"
#include "core/simulator/azar.h"

namespace orda::simulator {

namespace {

// The demo installation, terminal by terminal: a sine around `centro` with
// `amplitud`, over `periodoS` seconds, plus up to `ruido` counts of noise.
struct Sensor {
  int centro, amplitud, periodoS, ruido;
};
constexpr std::array<Sensor, kCantidadEntradas> kSensores = {{
    {496, 434, 90, 3},   // front door loop: opens (below 0.50 V) for ~12 s every 90 s
    {620, 8, 30, 3},     // kitchen window: closed, about 2.0 V
    {370, 500, 45, 4},   // motion sensor: crosses 2.50 V for a few seconds
    {330, 95, 120, 2},   // tank temperature: 0.8 .. 1.4 V
    {515, 380, 300, 2},  // tank level: dips below 0.50 V once every 5 minutes
    {250, 30, 20, 2},    // pressure: about 0.8 V
    {95, 6, 60, 2},      // kitchen smoke: clean air, 0.3 V
    {930, 4, 60, 1},     // panic button loop: closed, 3.0 V
}};

constexpr std::uint8_t kActivaEnBajo = 3;

int uint16En(const std::uint8_t* r, std::size_t o) { return r[o] | r[o + 1] << 8; }

}  // namespace

Zonas::Zonas(std::uint64_t semilla, std::int64_t inicioMs)
    : semilla_(semilla), inicioMs_(inicioMs), proximoMs_(inicioMs) {
  for (int i = 0; i < kCantidadEntradas; ++i) {
    const int periodoMs = kSensores[static_cast<std::size_t>(i)].periodoS * 1000;
    fase_[static_cast<std::size_t>(i)] = sorteo(semilla, 0x5A, static_cast<std::uint64_t>(i), 0, periodoMs);
    cuentas_[static_cast<std::size_t>(i)] = cuentasEn(i, inicioMs);
  }
}

int Zonas::cuentasEn(int i, std::int64_t ms) const {
  const Sensor& s = kSensores.at(static_cast<std::size_t>(i));
  const std::int64_t periodoMs = std::int64_t{s.periodoS} * 1000;
  const std::int64_t t = ((ms - inicioMs_ + fase_[static_cast<std::size_t>(i)]) % periodoMs + periodoMs) % periodoMs;
  const double onda = std::sin(2.0 * std::numbers::pi * static_cast<double>(t) / static_cast<double>(periodoMs));
  const auto paso = static_cast<std::uint64_t>((ms - inicioMs_) / kPasoMs);
  const int ruido = sorteo(semilla_, 0xA5, static_cast<std::uint64_t>(i), paso, 2 * s.ruido + 1) - s.ruido;
  const int c = static_cast<int>(std::lround(s.centro + s.amplitud * onda)) + ruido;
  return std::clamp(c, 0, 1023);
}

void Zonas::avanzar(std::int64_t ahoraMs, const MemoriaDatos& datos, const AlDisparar& alDisparar) {
  for (; proximoMs_ <= ahoraMs; proximoMs_ += kPasoMs) {
    for (int i = 0; i < kCantidadEntradas; ++i) {
      muestrear(i, proximoMs_, datos.data() + imagen::kEntradas.inicio(static_cast<std::size_t>(i)), alDisparar);
    }
  }
}

void Zonas::muestrear(int i, std::int64_t ms, const std::uint8_t* r, const AlDisparar& alDisparar) {
  const auto k = static_cast<std::size_t>(i);
  Entrada& e = entradas_[k];
  const int c = cuentasEn(i, ms);
  cuentas_[k] = c;

  // Thresholds with hysteresis: an active-low input activates below the
  // lower value and rests again above the upper one; active-high the reverse.
  const int superior = uint16En(r, 14), inferior = uint16En(r, 16);
  const bool enBajo = r[13] == kActivaEnBajo;
  if (!e.condicion && (enBajo ? c < inferior : c > superior)) {
    e.condicion = true;
    e.condicionDesde = ms;
  } else if (e.condicion && (enBajo ? c > superior : c < inferior)) {
    e.condicion = false;
  }
  if (!e.condicion) {
    estado_[k] = kReposo;
    e.activaDesde = -1;
    return;
  }
  const std::int64_t retardoActivacionMs = std::int64_t{uint16En(r, 18)} * 5;
  if (e.activaDesde < 0) {
    if (ms - e.condicionDesde < retardoActivacionMs) return;
    e.activaDesde = ms;
    estado_[k] = kActiva;
  }
  const bool habilitado = r[24] != 0 && r[24] != 0xFF;
  const std::int64_t retardoDisparoMs = std::int64_t{uint16En(r, 20)} * 1000;
  if (estado_[k] == kActiva && habilitado && ms - e.activaDesde >= retardoDisparoMs) {
    estado_[k] = kDisparada;
    if (alDisparar) alDisparar(i, ms);
  }
}

}  // namespace orda::simulator
