#include "gui/app/opciones.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace orda::gui {

ResultadoOpciones leerOpciones(const QStringList& argumentos) {
  QCommandLineParser p;
  p.setApplicationDescription(QStringLiteral("Consola de configuración y monitoreo de la central ORDA202."));
  const QCommandLineOption ayuda({QStringLiteral("h"), QStringLiteral("help")},
                                 QStringLiteral("Mostrar esta ayuda y salir."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Mostrar la versión y salir."));
  const QCommandLineOption simular(QStringLiteral("simulate"),
                                   QStringLiteral("Trabajar con el panel simulado en lugar del enlace USB."));
  const QCommandLineOption latencia(QStringLiteral("latency-ms"),
                                    QStringLiteral("Demora de cada respuesta del panel simulado, en ms."),
                                    QStringLiteral("N"), QStringLiteral("1"));
  const QCommandLineOption db(QStringLiteral("db"),
                              QStringLiteral("Biblioteca de instalaciones: postgresql://USUARIO@HOST[:PUERTO]/NOMBRE "
                                             "o sqlite:RUTA."),
                              QStringLiteral("URL"));
  p.addOptions({ayuda, version, simular, latencia, db});

  ResultadoOpciones r;
  if (!p.parse(argumentos)) {
    r.codigo = 2;
    r.salida = QStringLiteral("orda: %1 (orda --help muestra las opciones)\n").arg(p.errorText());
    return r;
  }
  if (p.isSet(ayuda)) {
    QStringList lineas = p.helpText().split(QLatin1Char('\n'));
    lineas[0] = QStringLiteral("Uso: orda [opciones]");
    lineas.replaceInStrings(QRegularExpression(QStringLiteral("^Options:$")), QStringLiteral("Opciones:"));
    r.salida = lineas.join(QLatin1Char('\n'));
    return r;
  }
  if (p.isSet(version)) {
    r.salida = QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
               QLatin1Char('\n');
    return r;
  }
  OpcionesConsola o;
  o.simular = p.isSet(simular);
  bool ok = false;
  o.latenciaMs = p.value(latencia).toInt(&ok);
  if (!ok || o.latenciaMs < 0) {
    r.codigo = 2;
    r.salida = QStringLiteral("--latency-ms espera un número de milisegundos, no \"%1\"\n").arg(p.value(latencia));
    return r;
  }
  if (p.isSet(latencia) && !o.simular) {
    r.codigo = 2;
    r.salida = QStringLiteral("--latency-ms sólo vale con --simulate\n");
    return r;
  }
  if (p.isSet(db)) o.db = p.value(db);
  if (!p.positionalArguments().isEmpty()) {
    r.codigo = 2;
    r.salida = QStringLiteral("Argumento desconocido: %1\n").arg(p.positionalArguments().constFirst());
    return r;
  }
  r.opciones = o;
  return r;
}

bool pideAyudaOVersion(const QStringList& argumentos) {
  for (const QString& a : argumentos.mid(1)) {
    if (a == QLatin1String("-h") || a == QLatin1String("--help") || a == QLatin1String("-v") ||
        a == QLatin1String("--version")) {
      return true;
    }
  }
  return false;
}

}  // namespace orda::gui
