#pragma once
// The one line both start-up programs print, so that bench/arranque.sh reads
// them alike: "arranque_ms=… cpu_ms=… rss_max_kb=… reloj_us=…": wall time
// since main(), processor time of the whole process (its loading included),
// peak resident memory, and the wall clock now (the script takes the launch
// time from it).
#include <sys/resource.h>

#include <QElapsedTimer>
#include <cstdio>
#include <ctime>

inline void informarArranque(const QElapsedTimer& desdeInicio) {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  const double cpu =
      (uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) * 1e3 + (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e3;
  timespec reloj{};
  clock_gettime(CLOCK_REALTIME, &reloj);
  std::printf("arranque_ms=%.1f cpu_ms=%.1f rss_max_kb=%ld reloj_us=%lld\n",
              static_cast<double>(desdeInicio.nsecsElapsed()) / 1e6, cpu, uso.ru_maxrss,
              static_cast<long long>(reloj.tv_sec) * 1000000 + reloj.tv_nsec / 1000);
  std::fflush(stdout);
}
