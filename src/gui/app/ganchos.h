#pragma once
// The commands of the main window that other windows carry out: the file
// commands, programming and reading (configuration windows), and the history
// window's request and refill. Each may be replaced; the main window supplies
// a plain default for each until then.
#include <QString>
#include <functional>
#include <optional>

#include "core/imagen/imagen.h"

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
  // An image from elsewhere (the installations library) loaded as Abrir
  // loads a file; `origen` names it in the status bar.
  std::function<void(const imagen::ImagenMemoria& img, const QString& origen)> abrirImagen;
  // "Diferencias" between two images, or from one to the tables when the
  // second is empty; `queSeCompara` heads the list.
  std::function<void(const imagen::ImagenMemoria& antes, const std::optional<imagen::ImagenMemoria>& despues,
                     const QString& queSeCompara)>
      compararImagenes;
  std::function<void()> programar;
  std::function<void()> leer;
  // Historico's `Refrescar` (ask the panel for its history) and `mActualizar`
  // (fill its table from the image).
  std::function<void()> refrescarHistorial;
  std::function<void()> actualizarHistorial;
};

}  // namespace orda::gui
