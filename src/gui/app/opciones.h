#pragma once
// The console's command line.
#include <QString>
#include <QStringList>
#include <optional>

namespace orda::gui {

struct OpcionesConsola {
  bool simular = false;         // the simulated panel instead of the USB link
  int latenciaMs = 1;           // the simulated panel's answer delay
  std::optional<QString> db;    // the installations library's URL (else ORDA_DB, else the default file)
};

struct ResultadoOpciones {
  std::optional<OpcionesConsola> opciones;  // empty: exit with `codigo`
  int codigo = 0;
  QString salida;  // what to print (help, version or the error)
};

// `argumentos` includes the program name, and no option of Qt's own.
ResultadoOpciones leerOpciones(const QStringList& argumentos);

// Asks only for help or the version: answered before the window system is reached.
bool pideAyudaOVersion(const QStringList& argumentos);

}  // namespace orda::gui
