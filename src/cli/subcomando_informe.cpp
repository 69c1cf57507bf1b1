#include "cli/subcomando_informe.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>

#include "cli/subcomandos.h"
#include "core/files/archivos.h"
#include "report/documento_informe.h"

namespace orda::cli {

int comandoInforme(char* programa, const std::string& dat, const std::string& pdf,
                   const report::OpcionesInforme& opciones, std::ostream& err) {
  config::Configuracion cfg;
  if (auto error = configuracionDeArchivo(dat, cfg)) {
    err << *error << "\n";
    return kEntradaInvalida;
  }
  // Fonts and page layout need a GUI application; it never shows anything.
  static int argc = 3;
  static char plataforma[] = "-platform", offscreen[] = "offscreen";
  static char* argv[] = {programa, plataforma, offscreen, nullptr};
  QGuiApplication aplicacion(argc, argv);

  report::DatosInforme datos;
  datos.archivo = std::string(files::nombreDeArchivo(dat));
  datos.fechaHora = report::fechaHoraInforme(QDateTime::currentDateTime());
  const report::Informe informe = report::armarInforme(cfg, opciones, datos);
  const QByteArray documento = report::pdfInforme(informe, report::tamanoPagina(QLocale()));
  if (auto error = report::guardarPdf(QString::fromStdString(pdf), documento)) {
    err << *error << "\n";
    return kEntradaInvalida;
  }
  return kSalidaBien;
}

}  // namespace orda::cli
