// The "Instalaciones" window over a real SQLite library: search, a site's
// details, versions and events a page at a time, the CSV export of every
// filtered event, and a refused save told to the user.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "dialogos_grabados.h"
#include "biblioteca_ejemplo.h"
#include "core/history/csv.h"
#include "core/history/memoria.h"
#include "gui/instalaciones/ventana_instalaciones.h"

using namespace orda;
using namespace orda::gui;

namespace {

using ejemplo::sitio;
using ejemplo::volcado;

}  // namespace

class PruebaVentanaInstalaciones : public QObject {
  Q_OBJECT

 private slots:
  void buscarElegirPaginarYExportar() {
    QTemporaryDir carpeta;
    sites::Destino d;
    d.ruta = carpeta.filePath("instalaciones.sqlite").toStdString();
    {
      sites::Biblioteca b(d);
      const std::int64_t casa = b.crearSitio(sitio("Casa", "12345"));
      b.crearSitio(sitio("Oficina"));
      b.crearSitio(sitio("Depósito"));
      b.archivarVersion(casa, imagen::ImagenMemoria{}, sites::Origen::Leida);
      b.fusionarHistorial(casa, volcado(), config::Configuracion{});
    }
    sites::Trabajador t(d);
    DialogosGrabados dialogos;
    VentanaInstalaciones w(t, dialogos);
    w.resize(900, 560);
    w.show();
    QTRY_COMPARE(w.lista()->count(), 3);
    w.buscar()->setText("ÓSI");
    QTRY_COMPARE(w.lista()->count(), 1);
    QCOMPARE(w.lista()->item(0)->text(), QStringLiteral("Depósito"));
    w.buscar()->setText("123");
    QTRY_COMPARE(w.lista()->item(0)->text(), QStringLiteral("Casa  (12345)"));

    w.lista()->setCurrentRow(0);
    QTRY_COMPARE(w.eventos()->rowCount(), VentanaInstalaciones::kFilasPorPagina);
    QCOMPARE(w.campo(0)->text(), QStringLiteral("Casa"));
    QCOMPARE(w.campo(4)->text(), QStringLiteral("12345"));
    QTRY_COMPARE(w.versiones()->rowCount(), 1);
    QCOMPARE(w.paginaTexto()->text(), QStringLiteral("1 a 200 de 300"));
    QCOMPARE(w.eventos()->item(0, 0)->text(), QStringLiteral("1"));
    QCOMPARE(w.eventos()->item(0, 2)->text(), QStringLiteral("05:00:00"));  // the newest first
    w.boton("siguiente")->click();
    QTRY_COMPARE(w.paginaTexto()->text(), QStringLiteral("201 a 300 de 300"));
    QCOMPARE(w.eventos()->rowCount(), 100);

    // The export holds every event the filter lets through, not the page.
    w.filtro(2)->setText("zona");
    w.boton("filtrar")->click();
    QTRY_COMPARE(w.paginaTexto()->text(), QStringLiteral("1 a 100 de 100"));
    const QString csv = carpeta.filePath("eventos.csv");
    dialogos.archivos = {csv};
    w.boton("exportarCsv")->click();
    QTRY_VERIFY(QFile::exists(csv));
    QFile f(csv);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lineas = f.readAll().split('\n');
    QCOMPARE(lineas.size(), 102);  // header, 100 rows, the end after the last CRLF
    QCOMPARE(lineas[0] + "\n", QByteArray::fromStdString(history::encabezadoCsv()));
    QVERIFY(lineas[1].startsWith("1,01/03/25,05:00:00,Disparo por zona 1: "));

    // A name already taken: the user is told, nothing changes.
    w.boton("nueva")->click();
    w.campo(0)->setText("Oficina");
    w.boton("guardar")->click();
    QTRY_COMPARE(dialogos.mostrados.size(), std::size_t{1});
    QCOMPARE(dialogos.mostrados[0].texto, QStringLiteral("Ya existe una instalación llamada \"Oficina\"."));

    // A panel with no site: its serial fills a new one.
    w.ofrecerCrear("54321");
    QVERIFY(!w.boton("crearPanel")->isHidden());
    w.boton("crearPanel")->click();
    w.campo(0)->setText("Galpón");
    w.boton("guardar")->click();
    w.buscar()->setText("543");
    QTRY_COMPARE(w.lista()->item(0)->text(), QStringLiteral("Galpón  (54321)"));
    QVERIFY(w.boton("crearPanel")->isHidden());
  }
};

QTEST_MAIN(PruebaVentanaInstalaciones)
#include "ventana_instalaciones_test.moc"
