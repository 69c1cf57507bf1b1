// The console archiving by itself on the simulated panel: a read and the
// history retrieval that follows it go to the site with the panel's serial,
// a programming run too; a panel with no site and an unreachable library are
// told in panel 2 and the console goes on.
#include <QFile>

#include "acciones/banco_acciones.h"
#include "gui/instalaciones/archivador_consola.h"
#include "core/simulator/demo.h"

using namespace orda;
using namespace orda::gui;

class PruebaArchivador : public QObject {
  Q_OBJECT

 private slots:
  void leerYProgramarArchivanEnLaInstalacionDelPanel() {
    ConsolaComandos c;
    sites::Destino d;
    d.ruta = c.carpeta.filePath("instalaciones.sqlite").toStdString();
    std::int64_t sitio = 0;
    {
      sites::Biblioteca b(d);
      sites::Sitio casa;
      casa.nombre = "Casa";
      casa.serie = simulator::kSerialDemo;
      sitio = b.crearSitio(casa);
    }
    ArchivadorConsola archivador(*c.main, d);
    c.accion("tbLeer")->trigger();
    c.esperar(30000);  // the configuration, then the history
    QTRY_VERIFY_WITH_TIMEOUT(c.panel2().contains("eventos nuevos de"), 10000);
    QCOMPARE(archivador.sitio()->id, sitio);

    // A read never brings the panel's password: it is typed before programming.
    c.cfg().globales.text[config::caja::kClave] = "1234";
    c.globales().recargar();
    c.dialogos.respuestas = {Respuesta::Si};
    c.accion("tbProgramar")->trigger();
    c.esperar(30000);
    QTRY_VERIFY_WITH_TIMEOUT(c.panel2().startsWith("Instalación \"Casa\": "), 10000);

    sites::Biblioteca b(d);
    const std::vector<sites::Version> v = b.versiones(sitio);
    QCOMPARE(v.size(), std::size_t{2});
    QCOMPARE(v[1].origen, sites::Origen::Leida);
    QCOMPARE(v[0].origen, sites::Origen::Programada);
    QVERIFY(b.contarEventos(sitio, {}) > 0);
    QCOMPARE(b.recuperaciones(sitio).size(), std::size_t{1});
  }

  void sinInstalacionOSinBibliotecaLaConsolaSigue() {
    ConsolaComandos c;
    sites::Destino d;
    d.ruta = c.carpeta.filePath("otra.sqlite").toStdString();
    {
      ArchivadorConsola archivador(*c.main, d);
      c.accion("tbLeer")->trigger();
      c.esperar(30000);
      QTRY_COMPARE_WITH_TIMEOUT(c.panel2(), QStringLiteral("El panel 12345 no pertenece a ninguna instalación"), 10000);
    }
    QFile basura(c.carpeta.filePath("basura.sqlite"));
    QVERIFY(basura.open(QIODevice::WriteOnly));
    basura.write("no es una base");
    basura.close();
    d.ruta = basura.fileName().toStdString();
    ArchivadorConsola archivador(*c.main, d);
    c.accion("tbLeer")->trigger();
    c.esperar(30000);
    QTRY_VERIFY_WITH_TIMEOUT(c.panel2().startsWith("No se archivó: "), 10000);
    QVERIFY(c.panel2().contains("no es una base de datos SQLite"));
    QVERIFY(basura.open(QIODevice::ReadOnly));
    QCOMPARE(basura.readAll(), QByteArray("no es una base"));
  }
};

QTEST_MAIN(PruebaArchivador)
#include "archivador_test.moc"
