// The console's cost over the link's own time. The simulated panel answers
// every report after 1 ms of real time; orda-cli's event loop (one
// QElapsedTimer, one precise single-shot QTimer) drives the console. A full
// read, a full programming run and a history retrieval are each timed from
// the command to its end and divided by (round trips x latency): 1.00 would
// be a console that costs nothing.
//
//   orda_enlace_bench [REPETICIONES] [LATENCIA_MS]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include <sstream>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "cli/bucle_panel.h"
#include "cli/sesion_panel.h"

namespace {

using namespace orda;

enum class Paso { Lectura, Programacion, Historial };
constexpr Paso kPasos[] = {Paso::Lectura, Paso::Programacion, Paso::Historial};

const char* nombre(Paso p) {
  switch (p) {
    case Paso::Lectura: return "lectura";
    case Paso::Programacion: return "programación";
    case Paso::Historial: return "historial";
  }
  return "";
}

struct Medida {
  double ms = 0;
  int idasYVueltas = 0;
};

// Runs every step `repeticiones` times in turn, on one connection.
class TareaMedicion : public cli::Tarea {
 public:
  explicit TareaMedicion(int repeticiones) : repeticiones_(repeticiones) { reloj_.start(); }

  void iniciar(cli::SesionPanel& s, std::int64_t ahoraMs) override { siguiente(s, ahoraMs); }

  void avanzar(cli::SesionPanel& s, std::int64_t ahoraMs) override {
    if (!enCurso_) siguiente(s, ahoraMs);
  }

  void progresoTransferencia(const std::string&, int, int) override { ++respuestas_; }

  void agregarAlRegistro(const std::string& texto, link::Color) override {
    if (texto.find("rabad") != std::string::npos) ++respuestas_;
  }

  void secuenciaTerminada(const link::ResultadoSecuencia& r) override {
    const std::int64_t fin = reloj_.nsecsElapsed();
    enCurso_ = false;
    if (r.fin != link::FinSecuencia::Completa || r.sinConfirmar != 0) {
      sesion_->err() << nombre(paso()) << ": no terminó bien\n";
      sesion_->terminar(1);
      return;
    }
    // A transfer's start report is a round trip of its own.
    const int idasYVueltas = respuestas_ + (paso() == Paso::Programacion ? 0 : 1);
    medidas[static_cast<std::size_t>(paso())].push_back({static_cast<double>(fin - desde_) / 1e6, idasYVueltas});
    ++hechos_;
  }

  std::vector<Medida> medidas[3];

 private:
  Paso paso() const { return kPasos[hechos_ % 3]; }

  void siguiente(cli::SesionPanel& s, std::int64_t ahoraMs) {
    if (hechos_ == 3 * repeticiones_) {
      s.terminar(0);
      return;
    }
    respuestas_ = 0;
    enCurso_ = true;
    desde_ = reloj_.nsecsElapsed();
    bool empezo = false;
    switch (paso()) {
      case Paso::Lectura: empezo = s.consola().leerProgramacion(ahoraMs, false); break;
      // The configuration the read brought back.
      case Paso::Programacion: empezo = s.consola().programar(s.horaComputadora(), ahoraMs); break;
      case Paso::Historial: empezo = s.consola().refrescarHistorial(ahoraMs); break;
    }
    if (!empezo) {
      s.err() << nombre(paso()) << ": no empezó\n";
      s.terminar(1);
    }
  }

  int repeticiones_;
  QElapsedTimer reloj_;
  int hechos_ = 0;
  bool enCurso_ = false;
  std::int64_t desde_ = 0;
  int respuestas_ = 0;
};

double mediana(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The event loop alone: a chain of `n` precise 1 ms timers, each armed
// when the previous one fired, as the console arms one per answer.
double pisoDelBucle(int n, int latencia) {
  QElapsedTimer reloj;
  QTimer t;
  t.setSingleShot(true);
  t.setTimerType(Qt::PreciseTimer);
  int vueltas = 0;
  QObject::connect(&t, &QTimer::timeout, [&] {
    if (++vueltas == n) {
      QCoreApplication::quit();
      return;
    }
    t.start(latencia);
  });
  reloj.start();
  t.start(latencia);
  QCoreApplication::exec();
  return static_cast<double>(reloj.nsecsElapsed()) / 1e6 / (n * static_cast<double>(latencia));
}

}  // namespace

int main(int argc, char** argv) {
  const int repeticiones = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  const int latencia = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
  QCoreApplication aplicacion(argc, argv);

  TareaMedicion tarea(repeticiones);
  cli::OpcionesEnlace opciones;
  opciones.simular = true;
  opciones.latenciaMs = latencia;
  std::ostringstream salida, errores;  // the progress lines say nothing here
  const int codigo = cli::ejecutarTarea(tarea, opciones, salida, errores);
  if (codigo != 0) {
    std::cerr << errores.str();
    return codigo;
  }

  std::printf("panel simulado, latencia %d ms, %d repeticiones, mediana:\n", latencia, repeticiones);
  for (Paso p : kPasos) {
    const auto& m = tarea.medidas[static_cast<std::size_t>(p)];
    std::vector<double> ms;
    for (const Medida& x : m) ms.push_back(x.ms);
    const double t = mediana(ms);
    const int n = m.front().idasYVueltas;
    std::printf("%s: razón %.3f (%d idas y vueltas, %.1f ms)\n", nombre(p), t / (n * static_cast<double>(latencia)),
                n, t);
  }
  // After the console's loop, so that the timer slack it set applies alike.
  std::printf("(el bucle solo, %d temporizadores de %d ms: razón %.3f)\n", 193, latencia, pisoDelBucle(193, latencia));
  return 0;
}
