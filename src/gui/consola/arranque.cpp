#include "gui/consola/arranque.h"

#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <memory>

#include "core/files/sistema.h"
#include "core/simulator/transporte_simulado.h"
#include "gui/app/opciones.h"
#include "gui/app/traducciones.h"
#include "gui/app/ventana_main.h"
#include "gui/comun/dialogos.h"
#include "gui/comun/imagenes_aplicacion.h"
#include "gui/consola/ventanas_hijas.h"
#include "gui/instalaciones/archivador_consola.h"
#include "gui/instalaciones/dialogo_biblioteca.h"
#include "hid/transporte_hid.h"

namespace orda::gui {
namespace {

// `principal`: the window that shows the USB link's own lines, set once it exists.
motor::MotorEnlace::FabricaTransporte fabrica(const OpcionesConsola& o, Main* const& principal) {
  if (o.simular) {
    return [latencia = o.latenciaMs](motor::MotorEnlace::Reloj reloj) -> std::unique_ptr<link::Transporte> {
      auto t = std::make_unique<simulator::TransporteSimulado>(std::move(reloj));
      t->fallas.latenciaMs = latencia;
      return t;
    };
  }
  return [&principal](motor::MotorEnlace::Reloj) -> std::unique_ptr<link::Transporte> {
    auto t = std::make_unique<hid::TransporteHid>();
    t->alMensaje = [&principal](const std::string& linea) {
      if (principal != nullptr) principal->avisoDelEnlace(linea);
    };
    return t;
  };
}

}  // namespace

int correrConsola(int argc, char** argv, const AlArrancar& alArrancar) {
  // Before any thread starts: a signal during a save leaves no half file.
  files::protegerEscrituras();
  QApplication::setApplicationName(QStringLiteral("orda"));
  QApplication::setApplicationVersion(QStringLiteral("2.02"));
  auto responder = [](const ResultadoOpciones& r) {
    std::fputs(r.salida.toLocal8Bit().constData(), r.codigo == 0 ? stdout : stderr);
    return r.codigo;
  };
  // --help and --version need no display.
  QStringList crudos;
  for (int i = 0; i < argc; ++i) crudos.append(QString::fromLocal8Bit(argv[i]));
  if (pideAyudaOVersion(crudos)) return responder(leerOpciones(crudos));

  QApplication app(argc, argv);  // takes Qt's own options (-platform...) out of the arguments
  const ResultadoOpciones leidas = leerOpciones(QApplication::arguments());
  if (!leidas.opciones) return responder(leidas);
  const OpcionesConsola& o = *leidas.opciones;
  if (!instalarTraduccionesQt(app)) {
    std::fputs("orda: no se encontró la traducción de Qt al español (paquete qt6-translations-l10n): "
               "los diálogos de archivos y los menús contextuales se verán en inglés.\n",
               stderr);
  }

  DialogosQt dialogos;
  ImagenesAplicacion imagenes;
  DependenciasMain d;
  d.dialogos = &dialogos;
  d.imagenes = &imagenes;
  Main* principal = nullptr;
  d.fabricaTransporte = fabrica(o, principal);
  Main ventana(std::move(d));
  principal = &ventana;
  dialogos.ponerPadre(&ventana);
  ponerVentanasConsola(ventana);
  ventana.arrancar();

  // The installations library: the console archives by itself; without it
  // the console works as ever and panel 2 says why.
  std::unique_ptr<ArchivadorConsola> archivador;
  QSettings ajustes(QStringLiteral("orda"), QStringLiteral("orda"));
  const sites::DestinoLeido destino = sites::destinoElegido(
      o.db ? std::optional<std::string>(o.db->toStdString()) : std::nullopt, direccionGuardada(ajustes));
  if (destino.destino) {
    archivador = std::make_unique<ArchivadorConsola>(ventana, *destino.destino);
    ponerInstalaciones(ventana, dialogos, *archivador);
  } else {
    ventana.ponerMensaje(QString::fromStdString(destino.error));
  }

  if (alArrancar) alArrancar(ventana);
  return QApplication::exec();
}

}  // namespace orda::gui

