// Leaving the console: the exit question and each of its answers.
#include <QFileInfo>
#include <QMdiArea>

#include "gui/app/avisos.h"
#include "consola_prueba.h"

using namespace orda;
using namespace orda::gui;

namespace {

const QString kPregunta = QStringLiteral(
    "Ud. eligió salir del programa. Se perderán los cambios no guardados.\n\n"
    "Para guardar y salir elija 'SI'\n\n"
    "Para salir sin grabar elija 'NO'\n\n"
    "Para retornar al programa elija 'CANCELAR'\n");

void pregunta(const MensajeMostrado& m) {
  QCOMPARE(m.texto, kPregunta);
  QCOMPARE(m.titulo, QStringLiteral("OrDA"));
  QCOMPARE(m.icono, Icono::Exclamacion);
  QCOMPARE(m.botones, Botones::SiNoCancelar);
}

// The console as it runs: connected, keys taken, windows up.
void sigueAbierta(ConsolaPrueba& c) {
  QVERIFY(c.main->isVisible());
  QVERIFY(c.main->motor().conectado());
  QVERIFY(c.main->teclasTomadas());
  QVERIFY(!c.main->cerrandoPrograma());
  QCOMPARE(c.main->area().subWindowList().size(), 7);  // every view but the history
  QVERIFY(c.visible(Vista::Entradas));
}

void cerrada(ConsolaPrueba& c) {
  QVERIFY(!c.main->isVisible());
  QVERIFY(!c.main->motor().conectado());
  QVERIFY(!c.main->teclasTomadas());
  QVERIFY(c.main->cerrandoPrograma());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCOMPARE(c.main->area().subWindowList().size(), 0);
}

}  // namespace

class PruebaSalida : public QObject {
  Q_OBJECT

 private slots:
  void cancelarNoCambiaNada() {
    ConsolaPrueba c;
    c.main->ejecutar(Comando::VerSeguimiento);
    c.dialogos.respuestas = {Respuesta::Cancelar};
    QVERIFY(!c.main->close());
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});
    pregunta(c.dialogos.mostrados[0]);
    sigueAbierta(c);
    QVERIFY(c.visible(Vista::Seguimiento));
    // The link goes on: the panel still plugs in and answers.
    c.avanzar(5100);
    QCOMPARE(c.estado(5).texto(), QStringLiteral("   Conectado"));
  }

  void noCierraSinGuardar() {
    ConsolaPrueba c;
    int guardados = 0;
    c.main->ganchos().guardar = [&] { ++guardados; return ResultadoGuardado::Guardado; };
    c.main->ganchos().guardarComo = [&] { ++guardados; return ResultadoGuardado::Guardado; };
    c.dialogos.respuestas = {Respuesta::No};
    c.main->ejecutar(Comando::Salir);
    QCOMPARE(guardados, 0);
    cerrada(c);
    QVERIFY(c.main->notificados() == nullptr);
  }

  void siSinArchivoGuardaComo_data() {
    QTest::addColumn<int>("resultado");
    QTest::addColumn<bool>("cierra");
    QTest::newRow("guardado") << int(ResultadoGuardado::Guardado) << true;
    QTest::newRow("diálogo cancelado") << int(ResultadoGuardado::Cancelado) << false;
    QTest::newRow("no se pudo escribir") << int(ResultadoGuardado::Fallido) << false;
  }
  void siSinArchivoGuardaComo() {
    QFETCH(int, resultado);
    QFETCH(bool, cierra);
    ConsolaPrueba c;
    QStringList llamadas;
    c.main->ganchos().guardar = [&] { llamadas << "guardar"; return ResultadoGuardado::Guardado; };
    c.main->ganchos().guardarComo = [&] {
      llamadas << "guardarComo";
      return static_cast<ResultadoGuardado>(resultado);
    };
    c.dialogos.respuestas = {Respuesta::Si};
    QCOMPARE(c.main->close(), cierra);
    QCOMPARE(llamadas, QStringList{"guardarComo"});
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});
    if (!cierra) {
      sigueAbierta(c);
      return;
    }
    cerrada(c);
    Notificados* n = c.main->notificados();
    QVERIFY(n != nullptr);
    QVERIFY(!n->isVisible());  // gone last, with Main
  }

  void siConArchivoDiceSuNombreYGuarda() {
    ConsolaPrueba c;
    QStringList llamadas;
    c.main->ganchos().nombreArchivo = [] { return QStringLiteral("/home/ana/configs/CASA.dat"); };
    c.main->ganchos().guardar = [&] { llamadas << "guardar"; return ResultadoGuardado::Guardado; };
    c.main->ganchos().guardarComo = [&] { llamadas << "guardarComo"; return ResultadoGuardado::Guardado; };
    c.dialogos.respuestas = {Respuesta::Si, Respuesta::Aceptar};
    QVERIFY(c.main->close());
    QCOMPARE(llamadas, QStringList{"guardar"});
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{2});
    QCOMPARE(c.dialogos.mostrados[1].texto, QStringLiteral("CASA.dat"));
    QCOMPARE(c.dialogos.mostrados[1].icono, Icono::Ninguno);
    QCOMPARE(c.dialogos.mostrados[1].botones, Botones::Aceptar);
    cerrada(c);
  }

  // The console's own save until the file commands bring theirs: the file is
  // written whole; a file that cannot be written keeps the console open.
  void guardadoPropio() {
    ConsolaPrueba c;
    c.avanzar(2000);
    const QString ruta = c.carpeta.filePath(QStringLiteral("salida.dat"));
    c.dialogos.respuestas = {Respuesta::Si};
    c.dialogos.archivos = {c.carpeta.filePath(QStringLiteral("no/existe/x.dat"))};
    QVERIFY(!c.main->close());
    QCOMPARE(c.dialogos.mostrados.back().icono, Icono::Critico);
    sigueAbierta(c);

    c.dialogos.respuestas = {Respuesta::Si};
    c.dialogos.archivos = {ruta};
    QVERIFY(c.main->close());
    QCOMPARE(QFileInfo(ruta).size(), 12289);
    QCOMPARE(c.dialogos.pedidos.back().filtro, QStringLiteral("*.dat"));
  }
};

QTEST_MAIN(PruebaSalida)
#include "main_salida_test.moc"
