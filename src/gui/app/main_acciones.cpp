// The commands of Main and the defaults of the commands other windows supply.
#include <QDesktopServices>
#include <QMdiArea>

#include "gui/app/carpetas.h"
#include "gui/app/mosaico.h"
#include "gui/app/ventana_main.h"
#include "gui/comun/dialogos.h"
#include "gui/comun/texto_qt.h"

namespace orda::gui {

void Main::ejecutar(Comando c) {
  auto correr = [](const auto& f) {
    if (f) f();
  };
  if (const auto v = vistaDe(c)) {
    verVentana(*v);
  } else {
    switch (c) {
      case Comando::Nuevo: break;
      case Comando::Abrir: correr(ganchos_.abrir); break;
      case Comando::Guardar: correr(ganchos_.guardar); break;
      case Comando::GuardarComo: correr(ganchos_.guardarComo); break;
      case Comando::Salir: close(); break;
      case Comando::MostrarHistorial: mostrarHistorial(); break;
      case Comando::OrganizarHorizontal: organizar(*area_, Mosaico::Horizontal); break;
      case Comando::OrganizarVertical: organizar(*area_, Mosaico::Vertical); break;
      case Comando::Cascada: organizarEnCascada(*area_); break;
      case Comando::Programar: correr(ganchos_.programar); break;
      case Comando::Leer: correr(ganchos_.leer); break;
      case Comando::Ayuda: ayuda(); break;
      default: break;
    }
  }
}

void Main::ayuda() {
  const QString ruta = rutaManual(carpetaApp_);
  if (ruta.isEmpty()) {
    dialogos().mensaje(QStringLiteral("No se encontró el manual de la consola en %1").arg(carpetaApp_),
                       QStringLiteral("OrDA"), Icono::Exclamacion);
    return;
  }
  const QUrl url = QUrl::fromLocalFile(ruta);
  const bool abierto = d_.abrirUrl ? d_.abrirUrl(url) : QDesktopServices::openUrl(url);
  if (!abierto) {
    dialogos().mensaje(QStringLiteral("No se pudo abrir el manual: %1").arg(ruta), QStringLiteral("OrDA"),
                       Icono::Exclamacion);
  }
}

// Reading and the history request go straight to the panel until the
// configuration and history windows install theirs; the file commands have
// no default (an empty hook does nothing).
void Main::ponerGanchosPorDefecto() {
  ganchos_.leer = [this] { motor_->consola().leerProgramacion(motor_->ahoraMs()); };
  ganchos_.refrescarHistorial = [this] { motor_->consola().refrescarHistorial(motor_->ahoraMs()); };
}

}  // namespace orda::gui
