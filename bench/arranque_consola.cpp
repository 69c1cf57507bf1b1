// The console as bench/arranque.sh measures it: `orda` itself, which prints
// its start-up line once its window has been painted, and quits.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "gui/consola/arranque.h"
#include "linea_arranque.h"

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
