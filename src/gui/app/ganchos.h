#pragma once
// The commands of the main window that other windows carry out: the file
// commands, programming and reading (configuration windows), and the history
// window's request and refill. Each may be replaced; the main window supplies
// a plain default for each until then.
#include <QString>
#include <functional>

namespace orda::gui {

enum class ResultadoGuardado {
  Guardado,   // the file was written whole
  Cancelado,  // the user cancelled the file dialog
  Fallido,    // refused or not written (the user was told why)
};

struct Ganchos {
  std::function<void()> abrir;
  std::function<ResultadoGuardado()> guardar;
  std::function<ResultadoGuardado()> guardarComo;
  // The configuration file's path, empty while none was saved or opened.
  std::function<QString()> nombreArchivo;
  std::function<void()> programar;
  std::function<void()> leer;
  // Historico's `Refrescar` (ask the panel for its history) and `mActualizar`
  // (fill its table from the image).
  std::function<void()> refrescarHistorial;
  std::function<void()> actualizarHistorial;
};

}  // namespace orda::gui
