// The commands that read the tables as they stand, on the simulated panel in
// virtual time. Comparing: what the Diferencias window lists, what stays
// untouched, what Programar asks when it compares first, and where a row
// takes the user. Informe… and Imprimir…: their keys, the PDF of the tables
// (an edit left open in a cell included), the printer, and what a cancel
// leaves.
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTreeWidget>

#include "acciones/banco_acciones.h"
#include "core/files/archivos.h"
#include "gui/acciones/acciones_consola.h"
#include "gui/app/menus.h"
#include "gui/comparacion/acciones_comparar.h"
#include "gui/comparacion/ventana_diferencias.h"
#include "gui/informe/acciones_informe.h"

using namespace orda;
using namespace orda::gui;

namespace {

QAction* accion(ConsolaComandos& c, const char* nombre) { return c.main->findChild<QAction*>(nombre); }
AccionesComparar& comandos(ConsolaComandos& c) { return *c.main->findChild<AccionesComparar*>(); }
Diferencias& ventana(ConsolaComandos& c) { return comandos(c).ventana(); }
AccionesInforme& informe(ConsolaComandos& c) {
  return *dynamic_cast<AccionesInforme*>(c.main->findChild<QObject*>(QStringLiteral("AccionesInforme")));
}

QString textoPdf(const QString& ruta) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {ruta, QStringLiteral("-")});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The tables start from what the panel holds, its password included (a
// read leaves the one typed).
void leerPanel(ConsolaComandos& c) {
  c.accion("tbLeer")->trigger();
  c.esperar(30000);
  escribirCaja(c.globales().texto(config::caja::kClave), QStringLiteral("4321"));
}

}  // namespace

class PruebaComparar : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("orda"), QStringLiteral("orda")).remove(QString::fromLatin1(kClaveCompararAntes));
  }

  // Two edited cells are the two rows of a compare with the panel. (The read
  // leaves the console's tables and image alone, and a busy console refuses
  // it: simulado_test.) With the option on, Programar reads the panel and
  // lists the changes in its question; "No" sends nothing, "Sí" programs.
  // The option outlives the console.
  void compararConElPanelYAntesDeProgramar() {
    {
      ConsolaComandos c;
      QVERIFY(!comandos(c).antesDeProgramar());
      accion(c, "menuArchivoCompararAntes")->trigger();
    }
    ConsolaComandos c;
    QVERIFY(comandos(c).antesDeProgramar());
    leerPanel(c);
    editarCelda(c.entradas(), 3, 1, QStringLiteral("porton"));
    editarCelda(c.salidas(), 3, config::colSalidas::desde(0), QStringLiteral("07:30"));
    accion(c, "menuArchivoCompararPanel")->trigger();
    c.esperar(30000);
    QCOMPARE(ventana(c).lista().size(), std::size_t{2});  // the rows' texts are the core's (comparar_test)
    QVERIFY(comandos(c).subventana()->isVisible());
    QVERIFY(!ventana(c).sinDiferencias()->isVisible());
    c.dialogos.mostrados.clear();
    c.dialogos.respuestas = {Respuesta::No, Respuesta::Si};
    for (int registrosEsperados : {0, 54}) {
      c.accion("tbProgramar")->trigger();
      c.esperar(60000);
      QCOMPARE(c.registros(), registrosEsperados);
    }
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{2});
    QVERIFY(c.dialogos.mostrados[0].texto.contains(
        QStringLiteral("Programación de Salidas | 1 SIRENA | Programación automática 1 Desde: 00:00 -> 07:30")));
    QVERIFY(c.dialogos.mostrados[0].texto.endsWith(QString::fromUtf8(kPreguntaProgramar)));
    accion(c, "menuArchivoCompararAntes")->trigger();
    QVERIFY(!QSettings(QStringLiteral("orda"), QStringLiteral("orda")).value(kClaveCompararAntes).toBool());
  }

  // Against a file: the tables saved are the same; a file that cannot be
  // read is refused with its reason. A row leads to its field. No key of the
  // Archivo menu takes a hot key or another item's key. The report of the
  // tables as they stand, then the same on the printer.
  void archivoCampoInformeEImpresion() {
    ConsolaComandos c;
    const QString ruta = c.carpeta.filePath(QStringLiteral("a.dat"));
    c.dialogos.archivos = {ruta, ruta};
    c.accion("tbSaveAs")->trigger();
    accion(c, "menuArchivoCompararArchivo")->trigger();
    QVERIFY(ventana(c).sinDiferencias()->isVisible());
    QVERIFY(!ventana(c).arbol()->isVisible());

    c.dialogos.archivos = {c.carpeta.filePath(QStringLiteral("no.dat"))};
    c.dialogos.mostrados.clear();
    accion(c, "menuArchivoCompararArchivo")->trigger();
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});
    QCOMPARE(c.dialogos.mostrados[0].icono, Icono::Exclamacion);

    // A double click on a row takes the user to the cell or the box.
    c.cfg().salidas.ponerTexto(5, 1, "BOMBA");
    c.cfg().globales.text[config::caja::kDuracionStr] = "45";
    c.cfg().especiales.seleccionar(13);
    ventana(c).mostrar(QString(), compare::comparar(config::Configuracion{}, c.cfg()));
    comandos(c).subventana()->show();

    auto dobleClic = [&](std::size_t i) {
      QTreeWidget* a = ventana(c).arbol();
      a->scrollToItem(ventana(c).fila(i));
      const QRect r = a->visualItemRect(ventana(c).fila(i));
      QTest::mouseClick(a->viewport(), Qt::LeftButton, {}, r.center());
      QTest::mouseDClick(a->viewport(), Qt::LeftButton, {}, r.center());
    };
    dobleClic(0);
    QVERIFY(c.visible(Vista::Salidas));
    QCOMPARE(c.salidas().fila(), 5);
    QCOMPARE(c.salidas().columna(), 1);
    dobleClic(1);
    QVERIFY(c.visible(Vista::Globales));
    QCOMPARE(c.main->focusWidget(), c.globales().texto(config::caja::kDuracionStr));
    dobleClic(2);
    QCOMPARE(c.main->focusWidget(), c.especiales().opcion(13));
    QVERIFY(c.especiales().opcion(config::kOpcionOculta)->isHidden());

    QList<QKeySequence> tomadas;
    for (const TeclaRapida& t : teclasRapidas()) tomadas << t.tecla;
    for (const QAction* a : c.main->findChild<QMenu*>(QStringLiteral("MenuArchivo"))->actions()) {
      if (a->shortcut().isEmpty()) continue;
      QVERIFY2(!tomadas.contains(a->shortcut()), qPrintable(a->text()));
      tomadas << a->shortcut();
    }

    c.cfg().tree.ponerTexto(3, 3, "1122334455");
    dejarEscrito(c.entradas(), 3, 1, QStringLiteral("zaguan"));  // not committed yet
    const QString pdf = c.carpeta.filePath(QStringLiteral("informe.pdf"));
    PedidoInforme visto;
    informe(c).pedirOpciones = [&](const PedidoInforme& inicial) {
      visto = inicial;
      return PedidoInforme{{false, true}, QStringLiteral("ANA"), {}};
    };

    c.dialogos.archivos.push_back(std::nullopt);  // cancelled: nothing written
    accion(c, "menuArchivoInforme")->trigger();
    QVERIFY(!QFile::exists(pdf));

    c.dialogos.archivos.push_back(pdf);
    accion(c, "menuArchivoInforme")->trigger();
    QVERIFY(visto.opciones.ocultarTelefonos);  // the last choice is offered again
    QCOMPARE(c.dialogos.pedidos.back().filtro, QStringLiteral("*.pdf"));
    const QString texto = textoPdf(pdf);
    QVERIFY2(texto.contains("ZAGUAN") && texto.contains("ANA") && texto.contains("*******455") &&
                 !texto.contains("1122334455"),
             qPrintable(texto.left(400)));
    QCOMPARE(c.estado(2).texto(), QStringLiteral("Informe guardado en informe.pdf"));
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});  // the unreadable file's only

    const QString impreso = c.carpeta.filePath(QStringLiteral("impreso.pdf"));
    bool aceptar = false;
    informe(c).elegirImpresora = [&](QPrinter& p) {
      p.setOutputFormat(QPrinter::PdfFormat);
      p.setOutputFileName(impreso);
      return aceptar;
    };
    accion(c, "menuArchivoImprimir")->trigger();
    QVERIFY(!QFile::exists(impreso));
    aceptar = true;
    accion(c, "menuArchivoImprimir")->trigger();
    QVERIFY(textoPdf(impreso).contains("ENTRADA2"));
    QCOMPARE(c.estado(2).texto(), QStringLiteral("Informe enviado a la impresora"));
  }
};

QTEST_MAIN(PruebaComparar)
#include "comparar_test.moc"
