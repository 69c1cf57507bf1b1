// orda: the console of the ORDA202 panel.
#include <sys/resource.h>

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <memory>

#include "gui/app/opciones.h"
#include "gui/app/traducciones.h"
#include "gui/app/ventana_main.h"
#include "gui/consola/ventanas_hijas.h"
#include "gui/comun/dialogos.h"
#include "gui/comun/imagenes_aplicacion.h"
#include "core/files/sistema.h"
#include "gui/instalaciones/archivador_consola.h"
#include "core/simulator/transporte_simulado.h"
#include "hid/transporte_hid.h"

namespace {

using namespace orda;

motor::MotorEnlace::FabricaTransporte fabrica(const gui::OpcionesConsola& o) {
  if (o.simular) {
    return [latencia = o.latenciaMs](motor::MotorEnlace::Reloj reloj) -> std::unique_ptr<link::Transporte> {
      auto t = std::make_unique<simulator::TransporteSimulado>(std::move(reloj));
      t->fallas.latenciaMs = latencia;
      return t;
    };
  }
  return [](motor::MotorEnlace::Reloj) -> std::unique_ptr<link::Transporte> {
    return std::make_unique<hid::TransporteHid>();
  };
}

// "arranque_ms=… cpu_ms=… rss_max_kb=… reloj_us=…": wall time since main(),
// processor time of the whole process (its loading included), peak resident
// memory, and the wall clock now (the benchmark takes the launch time from it).
void informarArranque(const QElapsedTimer& desdeInicio) {
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  const double cpu = (uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) * 1e3 + (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e3;
  timespec reloj{};
  clock_gettime(CLOCK_REALTIME, &reloj);
  std::printf("arranque_ms=%.1f cpu_ms=%.1f rss_max_kb=%ld reloj_us=%lld\n",
              static_cast<double>(desdeInicio.nsecsElapsed()) / 1e6, cpu, uso.ru_maxrss,
              static_cast<long long>(reloj.tv_sec) * 1000000 + reloj.tv_nsec / 1000);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer desdeInicio;
  desdeInicio.start();
  // Before any thread starts: a signal during a save leaves no half file.
  files::protegerEscrituras();
  QApplication::setApplicationName(QStringLiteral("orda"));
  QApplication::setApplicationVersion(QStringLiteral("2.02"));
  auto responder = [](const gui::ResultadoOpciones& r) {
    std::fputs(r.salida.toLocal8Bit().constData(), r.codigo == 0 ? stdout : stderr);
    return r.codigo;
  };
  // --help and --version need no display.
  QStringList crudos;
  for (int i = 0; i < argc; ++i) crudos.append(QString::fromLocal8Bit(argv[i]));
  if (gui::pideAyudaOVersion(crudos)) return responder(gui::leerOpciones(crudos));

  QApplication app(argc, argv);  // takes Qt's own options (-platform...) out of the arguments
  const gui::ResultadoOpciones leidas = gui::leerOpciones(QApplication::arguments());
  if (!leidas.opciones) return responder(leidas);
  const gui::OpcionesConsola& o = *leidas.opciones;
  if (!gui::instalarTraduccionesQt(app)) {
    std::fputs("orda: no se encontró la traducción de Qt al español (paquete qt6-translations-l10n): "
               "los diálogos de archivos y los menús contextuales se verán en inglés.\n",
               stderr);
  }

  gui::DialogosQt dialogos;
  gui::ImagenesAplicacion imagenes;
  gui::DependenciasMain d;
  d.dialogos = &dialogos;
  d.imagenes = &imagenes;
  d.fabricaTransporte = fabrica(o);
  gui::Main ventana(std::move(d));
  dialogos.ponerPadre(&ventana);
  if (auto* hid = dynamic_cast<hid::TransporteHid*>(&ventana.motor().transporte())) {
    hid->alMensaje = [&ventana](const std::string& linea) { ventana.avisoDelEnlace(linea); };
  }
  gui::ponerVentanasConsola(ventana);
  ventana.arrancar();

  // The installations library: the console archives by itself; without it
  // the console works as ever and panel 2 says why.
  std::unique_ptr<gui::ArchivadorConsola> archivador;
  const sites::DestinoLeido destino =
      sites::destinoElegido(o.db ? std::optional<std::string>(o.db->toStdString()) : std::nullopt);
  if (destino.destino) {
    archivador = std::make_unique<gui::ArchivadorConsola>(ventana, *destino.destino);
    gui::ponerInstalaciones(ventana, dialogos, *archivador);
  } else {
    ventana.ponerMensaje(QString::fromStdString(destino.error));
  }

  if (o.salirTrasArranque) {
    // Once the window has been painted.
    QTimer::singleShot(0, &app, [&] {
      informarArranque(desdeInicio);
      QApplication::exit(0);
    });
  } else if (!o.captura.isEmpty()) {
    QTimer::singleShot(o.esperaCapturaMs, &app, [&] {
      // Drawn in memory, then saved through the one writer.
      QByteArray bytes;
      QBuffer dibujo(&bytes);
      const QByteArray formato = QFileInfo(o.captura).suffix().toUpper().toLatin1();
      const bool ok =
          dibujo.open(QIODevice::WriteOnly) &&
          ventana.grab().save(&dibujo, formato.isEmpty() ? "PNG" : formato.constData()) &&
          !files::escribirArchivo(o.captura.toStdString(), std::string_view(bytes.constData(), bytes.size()));
      if (!ok) std::fprintf(stderr, "orda: no se pudo guardar la captura en %s\n", qPrintable(o.captura));
      QApplication::exit(ok ? 0 : 1);
    });
  }
  return QApplication::exec();
}
