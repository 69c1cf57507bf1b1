#include "motor/despertador.h"

#include <algorithm>
#include <limits>

#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace orda::motor {

namespace {

void holguraMinima() {
#ifdef __linux__
  // Linux lets a timer fire up to 50 µs late by default, even a precise Qt
  // timer: every round trip of a transfer would pay for it.
  static const bool hecho = [] { return prctl(PR_SET_TIMERSLACK, 1UL) == 0; }();
  (void)hecho;
#endif
}

}  // namespace

Despertador::Despertador(MotorEnlace& motor) : motor_(motor) {
  holguraMinima();
  temporizador_.setSingleShot(true);
  // A coarse timer may fire several milliseconds late: every round trip of
  // a transfer would pay for it.
  temporizador_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&temporizador_, &QTimer::timeout, [this] { motor_.vencer(); });
  motor_.alArmar = [this](std::optional<std::int64_t> t) { armar(t); };
  armar(motor_.proximoVencimiento());
}

Despertador::~Despertador() { motor_.alArmar = nullptr; }

void Despertador::armar(std::optional<std::int64_t> vencimiento) {
  if (!vencimiento || !motor_.conectado()) {
    temporizador_.stop();
    return;
  }
  const std::int64_t espera =
      std::clamp<std::int64_t>(*vencimiento - motor_.ahoraMs(), 0, std::numeric_limits<int>::max());
  temporizador_.start(static_cast<int>(espera));
}

}  // namespace orda::motor
