// Closing the console: the exit question, the save it may take, and the
// orderly unloading of every window.
#include <QCloseEvent>
#include <QMdiSubWindow>

#include "gui/app/avisos.h"
#include "gui/app/ventana_main.h"
#include "gui/comun/dialogos.h"
#include "gui/comun/texto_qt.h"
#include "core/files/archivos.h"

namespace orda::gui {

namespace {

const QString kTextoSalida = QStringLiteral(
    "Ud. eligió salir del programa. Se perderán los cambios no guardados.\n\n"
    "Para guardar y salir elija 'SI'\n\n"
    "Para salir sin grabar elija 'NO'\n\n"
    "Para retornar al programa elija 'CANCELAR'\n");

}  // namespace

void Main::closeEvent(QCloseEvent* e) {
  if (descargado_) {
    e->accept();
    return;
  }
  const Respuesta r =
      dialogos().mensaje(kTextoSalida, QStringLiteral("OrDA"), Icono::Exclamacion, Botones::SiNoCancelar);
  if (r == Respuesta::Cancelar) {
    e->ignore();
    return;
  }
  if (r == Respuesta::Si) {
    const QString nombre = ganchos_.nombreArchivo ? ganchos_.nombreArchivo() : QString();
    ResultadoGuardado g = ResultadoGuardado::Fallido;
    if (!nombre.isEmpty()) {
      dialogos().mensaje(q(files::nombreDeArchivo(u8(nombre))), QStringLiteral("OrDA"), Icono::Ninguno);
      if (ganchos_.guardar) g = ganchos_.guardar();
    } else if (ganchos_.guardarComo) {
      g = ganchos_.guardarComo();
    }
    // A cancelled dialog, and a save that did not complete, keep the console
    // open with the edits.
    if (g != ResultadoGuardado::Guardado) {
      e->ignore();
      return;
    }
  }
  motor_->desconectar();
  cerrandoPrograma_ = true;
  if (r == Respuesta::Si) {
    notificados_ = new Notificados(this);
    notificados_->show();
    notificados_->repaint();
  }
  cerrarHijas();

  // Main unloads: the hot keys go back, every window but the notice hides,
  // then the notice goes too.
  soltarTeclas();
  for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (w->isWindow() && w != notificados_) w->hide();
  }
  if (notificados_ != nullptr) notificados_->close();
  descargado_ = true;
  e->accept();
}

}  // namespace orda::gui
