// The commands of Main and the defaults of the commands other windows supply.
#include <QDateTime>
#include <QDesktopServices>
#include <QMdiArea>

#include "app/carpetas.h"
#include "app/mosaico.h"
#include "app/ventana_main.h"
#include "comun/dialogos.h"
#include "comun/texto_qt.h"
#include "files/archivos.h"

namespace orda::gui {

namespace {

programacion::FechaHora ahoraCivil() {
  const QDateTime t = QDateTime::currentDateTime();
  return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), t.time().second()};
}

}  // namespace

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
      case Comando::Cascada: area_->cascadeSubWindows(); break;
      case Comando::Programar: correr(ganchos_.programar); break;
      case Comando::Leer: correr(ganchos_.leer); break;
      case Comando::Ayuda: ayuda(); break;
      default: break;
    }
  }
  // Whatever the command sent to the panel, its answer is awaited.
  if (motor_) motor_->rearmar();
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

// Plain defaults until the configuration and history windows bring theirs:
// reading and the history request go to the panel, saving writes the image.
void Main::ponerGanchosPorDefecto() {
  ganchos_.leer = [this] { consola().leerProgramacion(motor_->ahoraMs()); };
  ganchos_.refrescarHistorial = [this] { consola().refrescarHistorial(motor_->ahoraMs()); };
  ganchos_.nombreArchivo = [this] { return nombreArchivo_; };
  ganchos_.guardarComo = [this] {
    PedidoArchivo p{QStringLiteral("Guardar como "), dirInicial(), {}, QStringLiteral("*.dat"), QStringLiteral("dat")};
    const auto ruta = dialogos().archivoParaGuardar(p);
    if (!ruta) return ResultadoGuardado::Cancelado;
    return guardarEn(*ruta);
  };
  ganchos_.guardar = [this] {
    return nombreArchivo_.isEmpty() ? ganchos_.guardarComo() : guardarEn(nombreArchivo_);
  };
}

ResultadoGuardado Main::guardarEn(const QString& ruta) {
  // An image that could not be built, or a link that is busy, is not saved.
  if (!consola().prepararGuardado(ahoraCivil(), motor_->ahoraMs())) return ResultadoGuardado::Fallido;
  if (const auto error = archivos::escribirImagen(u8(ruta), imagenMemoria_)) {
    dialogos().mensaje(q(*error), QStringLiteral("OrDA"), Icono::Critico);
    return ResultadoGuardado::Fallido;
  }
  nombreArchivo_ = ruta;
  const QString hora = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
  ponerMensaje(q(archivos::textoGuardado(u8(ruta), u8(hora))));
  setWindowTitle(q(archivos::tituloVentana(u8(ruta))));
  return ResultadoGuardado::Guardado;
}

}  // namespace orda::gui
