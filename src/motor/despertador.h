#pragma once
// The console's one clock and one timer in real time: a monotonic clock in
// milliseconds, and a single-shot precise timer armed for the next deadline
// of whatever the owner drives (the main window's link, orda-cli's session).
// Nothing here waits.
#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

namespace orda::motor {

class Despertador {
 public:
  using Reloj = std::function<std::int64_t()>;

  // `reloj` empty: the monotonic clock started here (tests pass a virtual one).
  explicit Despertador(Reloj reloj = {});
  Despertador(const Despertador&) = delete;
  Despertador& operator=(const Despertador&) = delete;

  std::int64_t ahoraMs() const { return reloj_(); }
  const Reloj& reloj() const { return reloj_; }

  // The timer fires once at `vencimiento` (at once when it is past); nothing
  // stops it.
  void armar(std::optional<std::int64_t> vencimiento);
  void detener() { temporizador_.stop(); }

  // What runs when the timer fires.
  std::function<void()> alSonar;

 private:
  QElapsedTimer monotono_;
  Reloj reloj_;
  QTimer temporizador_;
};

}  // namespace orda::motor
