// The floor for the console's start-up: the least a Qt Widgets program with a
// multiple-document main window does before its window is on screen. Prints
// the same line as `orda_arranque`.
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include "linea_arranque.h"

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
    informarArranque(desdeInicio);
    QApplication::exit(0);
  });
  return QApplication::exec();
}
