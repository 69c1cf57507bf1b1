// The console as bench/arranque.sh measures it: `orda` itself, which once its
// window has been painted prints "arranque_ms=… cpu_ms=… rss_max_kb=…
// reloj_us=…" and quits: wall time since main(), processor time of the whole
// process (its loading included), peak resident memory, and the wall clock
// now (the benchmark takes the launch time from it).
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "gui/consola/arranque.h"

namespace {

void informarArranque(const QElapsedTimer& desdeInicio) {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  const double cpu = (uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) * 1e3 + (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e3;
  timespec reloj{};
  clock_gettime(CLOCK_REALTIME, &reloj);
  std::printf("arranque_ms=%.1f cpu_ms=%.1f rss_max_kb=%ld reloj_us=%lld\n",
              static_cast<double>(desdeInicio.nsecsElapsed()) / 1e6, cpu, uso.ru_maxrss,
              static_cast<long long>(reloj.tv_sec) * 1000000 + reloj.tv_nsec / 1000);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer desdeInicio;
  desdeInicio.start();
  return orda::gui::correrConsola(argc, argv, [&desdeInicio](orda::gui::Main&) {
    QTimer::singleShot(0, qApp, [&desdeInicio] {
      informarArranque(desdeInicio);
      QApplication::exit(0);
    });
  });
}
