// Informe… and Imprimir… on the console: their keys, the PDF of the tables as
// they stand (an edit left open in a cell included), the printer, and what a
// cancel leaves.
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QProcess>

#include "gui/app/menus.h"
#include "acciones/banco_acciones.h"
#include "gui/informe/acciones_informe.h"

using namespace orda;
using namespace orda::gui;

namespace {

AccionesInforme& comandos(ConsolaPrueba& c) {
  return *dynamic_cast<AccionesInforme*>(c.main->findChild<QObject*>(QStringLiteral("AccionesInforme")));
}

QAction* accion(ConsolaPrueba& c, const char* nombre) {
  return c.main->findChild<QAction*>(QString::fromLatin1(nombre));
}

QString textoPdf(const QString& ruta) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {ruta, QStringLiteral("-")});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class PruebaInforme : public QObject {
  Q_OBJECT

 private slots:
  // No key of the Archivo menu takes a hot key or another item's key. The
  // report of the tables as they stand, then the same on the printer.
  void teclasInformeEImpresion() {
    ConsolaComandos c;
    QList<QKeySequence> tomadas;
    for (const TeclaRapida& t : teclasRapidas()) tomadas << t.tecla;
    for (const QAction* a : c.main->findChild<QMenu*>(QStringLiteral("MenuArchivo"))->actions()) {
      if (a->shortcut().isEmpty()) continue;
      QVERIFY2(!tomadas.contains(a->shortcut()), qPrintable(a->text()));
      tomadas << a->shortcut();
    }

    c.cfg().tree.ponerTexto(3, 3, "1122334455");
    dejarEscrito(c.entradas(), 3, 1, QStringLiteral("zaguan"));  // not committed yet
    const QString ruta = c.carpeta.filePath(QStringLiteral("informe.pdf"));
    PedidoInforme visto;
    comandos(c).pedirOpciones = [&](const PedidoInforme& inicial) {
      visto = inicial;
      return PedidoInforme{{false, true}, QStringLiteral("ANA"), {}};
    };

    c.dialogos.archivos.push_back(std::nullopt);  // cancelled: nothing written
    accion(c, "menuArchivoInforme")->trigger();
    QVERIFY(!QFile::exists(ruta));

    c.dialogos.archivos.push_back(ruta);
    accion(c, "menuArchivoInforme")->trigger();
    QVERIFY(visto.opciones.ocultarTelefonos);  // the last choice is offered again
    QCOMPARE(c.dialogos.pedidos.back().filtro, QStringLiteral("*.pdf"));
    const QString texto = textoPdf(ruta);
    QVERIFY2(texto.contains("ZAGUAN") && texto.contains("ANA") && texto.contains("*******455") &&
                 !texto.contains("1122334455"),
             qPrintable(texto.left(400)));
    QCOMPARE(c.estado(2).texto(), QStringLiteral("Informe guardado en informe.pdf"));
    QVERIFY(c.dialogos.mostrados.empty());

    const QString impreso = c.carpeta.filePath(QStringLiteral("impreso.pdf"));
    bool aceptar = false;
    comandos(c).elegirImpresora = [&](QPrinter& p) {
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

QTEST_MAIN(PruebaInforme)
#include "informe_test.moc"
