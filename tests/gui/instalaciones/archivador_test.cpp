// The console archiving by itself on the simulated panel: a read and the
// history retrieval that follows it go to the site with the panel's serial,
// a programming run too; a panel with no site and an unreachable library are
// told in panel 2 and the console goes on.
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

#include "acciones/banco_acciones.h"
#include "core/link/textos.h"
#include "core/programming/aprogramar.h"
#include "gui/comparacion/ventana_diferencias.h"
#include "gui/instalaciones/archivador_consola.h"
#include "gui/instalaciones/ventana_instalaciones.h"
#include "core/simulator/demo.h"

using namespace orda;
using namespace orda::gui;

namespace {
constexpr int kFila = config::Tabla::kPrimeraFila;  // input 1
}

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
    QVERIFY(c.main->windowTitle().endsWith(QStringLiteral(" - Instalación \"Casa\"")));

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

  // Versions 1 (input 1 "PUERTA") and 2 ("VENTANA") of one site, opened in
  // the console and compared from the versions tab.
  void versionesAbiertasYComparadas() {
    ConsolaComandos c;
    sites::Destino d;
    d.ruta = c.carpeta.filePath("instalaciones.sqlite").toStdString();
    {
      sites::Biblioteca b(d);
      sites::Sitio casa;
      casa.nombre = "Casa";
      const std::int64_t id = b.crearSitio(casa);
      for (const char* alias : {"PUERTA", "VENTANA"}) {
        config::Configuracion cfg;
        cfg.entradas.ponerTexto(kFila, config::colEntradas::kAlias, alias);
        imagen::ImagenMemoria img{};
        QVERIFY(!programming::aProgramar(cfg, img).detenida());
        b.archivarVersion(id, img, sites::Origen::Archivo);
      }
    }
    ArchivadorConsola archivador(*c.main, d);
    ponerInstalaciones(*c.main, c.dialogos, archivador);
    auto* w = c.main->findChild<VentanaInstalaciones*>();
    QTRY_COMPARE(w->lista()->count(), 1);
    w->lista()->setCurrentRow(0);
    QTRY_COMPARE(w->versiones()->rowCount(), 2);
    auto elegir = [w](std::initializer_list<int> filas) {
      w->versiones()->clearSelection();
      for (int f : filas) w->versiones()->selectionModel()->select(
          w->versiones()->model()->index(f, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    };
    elegir({1});  // the newest first: version 1
    w->boton("abrirVersion")->click();
    QTRY_COMPARE(c.cfg().entradas.texto(kFila, config::colEntradas::kAlias), std::string("PUERTA"));
    QVERIFY(c.panel2().startsWith(QStringLiteral("Instalación \"Casa\", versión 1 abierta")));

    auto diferencias = [&c] { return c.main->findChild<Diferencias*>(); };
    elegir({0, 1});
    w->boton("compararVersiones")->click();
    QTRY_VERIFY(diferencias() != nullptr && !diferencias()->lista().empty());
    QCOMPARE(diferencias()->lista()[0].antes, std::string("PUERTA"));
    QCOMPARE(diferencias()->lista()[0].despues, std::string("VENTANA"));
    elegir({0});  // version 2 against the tables, which hold version 1
    w->boton("compararVersiones")->click();
    QTRY_COMPARE(diferencias()->lista()[0].antes, std::string("VENTANA"));
    QCOMPARE(diferencias()->lista()[0].despues, std::string("PUERTA"));

    // Refused while the panel is being read: the tables stay.
    c.accion("tbLeer")->trigger();
    w->boton("abrirVersion")->click();
    QTRY_COMPARE(c.panel2(), QString::fromUtf8(link::textos::kOperacionEnCurso));
    QCOMPARE(c.cfg().entradas.texto(kFila, config::colEntradas::kAlias), std::string("PUERTA"));
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
