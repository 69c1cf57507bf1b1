#pragma once
// Runs the link engine in real time: one single-shot precise timer, armed
// for the engine's next deadline whenever the engine reports it, that runs
// the engine when it fires. The main window and orda-cli each own one.
// Nothing here waits.
#include <QTimer>

#include "motor/motor_enlace.h"

namespace orda::motor {

class Despertador {
 public:
  explicit Despertador(MotorEnlace& motor);
  ~Despertador();
  Despertador(const Despertador&) = delete;
  Despertador& operator=(const Despertador&) = delete;

 private:
  void armar(std::optional<std::int64_t> vencimiento);

  MotorEnlace& motor_;
  QTimer temporizador_;
};

}  // namespace orda::motor
