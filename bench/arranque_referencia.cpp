// The floor for the console's start-up: the least a Qt Widgets program with a
// multiple-document main window does before its window is on screen. Prints
// the same line as `orda_arranque`.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <cstdio>
#include <ctime>

int main(int argc, char** argv) {
  QElapsedTimer desdeInicio;
  desdeInicio.start();
  QApplication app(argc, argv);
  QMainWindow ventana;
  ventana.setWindowTitle(QStringLiteral("referencia"));
  ventana.setCentralWidget(new QMdiArea);
  ventana.menuBar()->addMenu(QStringLiteral("Archivo"));
  ventana.statusBar()->showMessage(QStringLiteral("listo"));
  ventana.resize(1200, 800);
  ventana.show();
  QTimer::singleShot(0, &app, [&] {
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
    QApplication::exit(0);
  });
  return QApplication::exec();
}
