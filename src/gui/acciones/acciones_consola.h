#pragma once
// The console's commands on the panel and on configuration files, as the
// menu, the toolbar and the hot keys reach them through Main's hooks:
// Programar, Leer, Abrir, Guardar and Guardar como. What they do to the panel
// and to the image lives in the core (the programming run, the read, the
// file); here are the questions, the file dialogs and what the user is told.
//
// Nothing that talks to the panel or touches the image starts while a
// transfer or a programming run is in progress: the command is refused with
// the status text of the link.
#include <QObject>
#include <QString>
#include <optional>

#include "core/imagen/imagen.h"
#include "gui/app/ganchos.h"

namespace orda::gui {

class Main;

inline constexpr const char* kPreguntaProgramar = "¿Está seguro que desea programar?";

class AccionesConsola : public QObject {
 public:
  // Lives as long as `m` (its child).
  explicit AccionesConsola(Main& m);

  // Puts the commands in Main's hooks.
  void instalar();

  void programar();
  // The run itself, once the user said "Sí".
  void programarConfirmado();
  void leer();
  void abrir();
  // Abrir with an image instead of a file; refused while the link is busy.
  void abrirImagen(const imagen::ImagenMemoria& img, const QString& origen);
  ResultadoGuardado guardar();
  ResultadoGuardado guardarComo();

  // The current file, empty until one was saved or opened.
  QString nombreArchivo() const { return nombreArchivo_; }
  // Where the file dialogs start.
  QString dirInicial() const { return dirInicial_; }

  // LeaveCell of every table window: a pending cell edit is written, as the
  // encoders read the tables. False when a value was refused (the warning
  // is up and the editor stays on the cell).
  bool confirmarEdiciones();
  // The global options' own checks, before anything is asked, sent or
  // written. False when a box refused its value (warning shown, focus on it).
  bool revisarGlobales();

 private:
  ResultadoGuardado elegirYEscribir(const QString& titulo);
  ResultadoGuardado escribir(const QString& ruta);
  bool cargar(const QString& ruta);
  // Decodes the image now in place into the tables and tells the user.
  void decodificar(const QString& aviso);
  // Status bar panel 2 and the caption after a file was saved or opened.
  void anunciar(const QString& texto, const QString& ruta);

  Main& m_;
  QString nombreArchivo_;
  QString dirInicial_;
};

}  // namespace orda::gui
