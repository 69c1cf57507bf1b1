// Abrir, Guardar and Guardar como: the file dialogs and their questions, the
// image written or read by the core, and what the status bar and the caption
// say afterwards.
#include <QFileInfo>

#include "gui/app/barra_estado.h"
#include "gui/app/ventana_main.h"
#include "gui/app/visor_memoria.h"
#include "gui/acciones/acciones_consola.h"
#include "gui/acciones/hora_civil.h"
#include "gui/comun/dialogos.h"
#include "gui/comun/texto_qt.h"
#include "core/files/archivos.h"
#include "core/files/mensajes.h"
#include "core/reading/decodificar.h"

namespace orda::gui {

namespace {

const QString kFiltro = QStringLiteral("*.dat");
const QString kExtension = QStringLiteral("dat");
const QString kReemplazar = QStringLiteral("El archivo ya existe. ¿Desea reemplazarlo? ");
const QString kNoExiste = QStringLiteral("Error: Archivo no existe");

bool esErrorDeAcceso(const std::string& error) {
  return error.rfind(files::kPrefijoLectura, 0) == 0;
}

}  // namespace

ResultadoGuardado AccionesConsola::guardar() {
  if (m_.motor().consola().rechazarSiOcupado()) return ResultadoGuardado::Fallido;
  if (!revisarGlobales()) return ResultadoGuardado::Fallido;
  if (!nombreArchivo_.isEmpty()) return escribir(nombreArchivo_);
  return elegirYEscribir(QStringLiteral("Guardar"));
}

ResultadoGuardado AccionesConsola::guardarComo() {
  if (m_.motor().consola().rechazarSiOcupado()) return ResultadoGuardado::Fallido;
  if (!revisarGlobales()) return ResultadoGuardado::Fallido;
  return elegirYEscribir(QStringLiteral("Guardar como "));
}

ResultadoGuardado AccionesConsola::elegirYEscribir(const QString& titulo) {
  const PedidoArchivo pedido{titulo, dirInicial_, {}, kFiltro, kExtension};
  for (;;) {
    const std::optional<QString> ruta = m_.dialogos().archivoParaGuardar(pedido);
    if (!ruta) return ResultadoGuardado::Cancelado;
    if (!QFileInfo::exists(*ruta)) return escribir(*ruta);
    const Respuesta r = m_.dialogos().mensaje(kReemplazar, QStringLiteral("Sistema"), Icono::Exclamacion, Botones::SiNo);
    if (r == Respuesta::Si) return escribir(*ruta);
  }
}

ResultadoGuardado AccionesConsola::escribir(const QString& ruta) {
  if (!confirmarEdiciones()) return ResultadoGuardado::Fallido;
  // The image built from the tables; the panel, if any, gets the two clock
  // reports and nothing waits for them. Encoder errors showed their one box
  // and leave the file as it was.
  const bool construida = m_.motor().consola().prepararGuardado(ahoraCivil(), m_.motor().ahoraMs());
  if (!construida) return ResultadoGuardado::Fallido;
  if (const auto error = files::escribirImagen(u8(ruta), m_.imagenMemoria())) {
    m_.dialogos().mensaje(q(*error), QStringLiteral("OrDA"), Icono::Critico);
    return ResultadoGuardado::Fallido;
  }
  nombreArchivo_ = ruta;
  anunciar(q(files::textoGuardado(u8(ruta), u8(horaCorta()))), ruta);
  return ResultadoGuardado::Guardado;
}

void AccionesConsola::abrir() {
  if (m_.motor().consola().rechazarSiOcupado()) return;
  const PedidoArchivo pedido{QStringLiteral("Abrir"), dirInicial_, nombreArchivo_, kFiltro, kExtension};
  std::optional<QString> ruta;
  do {
    ruta = m_.dialogos().archivoParaAbrir(pedido);
    if (!ruta) return;
  } while (!QFileInfo::exists(*ruta));
  if (cargar(*ruta)) nombreArchivo_ = *ruta;
}

bool AccionesConsola::cargar(const QString& ruta) {
  imagen::ImagenMemoria& imagen = m_.imagenMemoria();
  // A short or unreadable file is refused whole: image and tables stay.
  if (const auto error = files::leerImagen(u8(ruta), imagen)) {
    if (esErrorDeAcceso(*error)) m_.ponerMensaje(kNoExiste);
    m_.dialogos().mensaje(q(*error), QStringLiteral("OrDA"), Icono::Exclamacion);
    return false;
  }
  m_.setWindowTitle(q(files::tituloVentana(u8(ruta))));
  decodificar(q(files::textoAbierto(u8(ruta), u8(horaCorta()))));
  return true;
}

void AccionesConsola::abrirImagen(const imagen::ImagenMemoria& img, const QString& origen) {
  if (m_.motor().consola().rechazarSiOcupado()) return;
  m_.imagenMemoria() = img;
  // Guardar must not write this image over the file opened before.
  nombreArchivo_.clear();
  decodificar(QStringLiteral("%1 abierta - %2").arg(origen, horaCorta()));
}

void AccionesConsola::decodificar(const QString& aviso) {
  imagen::ImagenMemoria& imagen = m_.imagenMemoria();
  if (m_.subventanaMemoria() != nullptr) m_.visorMemoria().sb_Change();
  config::Configuracion& cfg = m_.configuracion();
  const int borrados = reading::decodificarImagen(imagen, cfg);
  reading::restaurarClave(imagen, cfg);
  if (BarraEstado* b = m_.barraEstado()) {
    b->panel(link::kPanelVersion).ponerTexto(q(config::textoVersion(cfg.versionPanel)));
    b->panel(link::kPanelSerial).ponerTexto(q(config::textoSerial(cfg.serialPanel)));
  }
  emit m_.configuracionLeida();
  m_.ponerMensaje(aviso);
  if (borrados > 0) {
    m_.dialogos().mensaje(q(reading::textoRegistrosBorrados(borrados, false)), QStringLiteral("OrDA"),
                          Icono::Informacion);
  }
}

void AccionesConsola::anunciar(const QString& texto, const QString& ruta) {
  m_.ponerMensaje(texto);
  m_.setWindowTitle(q(files::tituloVentana(u8(ruta))));
}

}  // namespace orda::gui
