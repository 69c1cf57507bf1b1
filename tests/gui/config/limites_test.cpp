// Each table's checks as a user meets them: type in the editor, press Enter.
// An accepted value is written and the editor moves on; a refused one brings
// the table's warning and keeps the editor on the cell.
#include <QTest>

#include "config/banco.h"
#include "config/ventanas_tablas.h"

using namespace orda;
using namespace orda::gui;

class PruebaLimites : public QObject {
  Q_OBJECT

 private slots:
  void enter_data() {
    QTest::addColumn<QString>("cual");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("escrito");
    QTest::addColumn<QString>("celda");  // the cell afterwards
    QTest::addColumn<QString>("aviso");  // empty: accepted
    const QString ok;
    const QString voltaje = config::kAvisoVoltaje;
    QTest::newRow("3.3 V") << "Entradas" << 37 << "3.3" << "3.3" << ok;
    QTest::newRow("3.31 V") << "Entradas" << 37 << "3.31" << "1.20" << voltaje;
    QTest::newRow("3.31 V inferior") << "Entradas" << 38 << "3.31" << "0.50" << voltaje;
    QTest::newRow("voltaje sin numero vale 0") << "Entradas" << 38 << "x" << "x" << ok;
    QTest::newRow("327675 ms") << "Entradas" << 8 << "327675" << "327675" << ok;
    QTest::newRow("327676 ms") << "Entradas" << 8 << "327676" << "600" << config::kAvisoRetardoActivacion;
    QTest::newRow("65535 s") << "Entradas" << 9 << "65535" << "65535" << ok;
    QTest::newRow("65536 s") << "Entradas" << 9 << "65536" << "1" << config::kAvisoRetardoDisparo;
    QTest::newRow("alias en mayusculas") << "Entradas" << 1 << "pórtico" << "PÓRTICO" << ok;
    QTest::newRow("unidad en mayusculas") << "Entradas" << 40 << "kg" << "KG" << ok;
    QTest::newRow("12.30") << "Salidas" << 4 << "12.30" << "12.30" << ok;
    QTest::newRow("23:59") << "Salidas" << 14 << "23:59" << "23:59" << ok;
    QTest::newRow("9:30") << "Salidas" << 5 << "9:30" << "00:00" << config::kAvisoHora;
    QTest::newRow("24:00") << "Salidas" << 7 << "24:00" << "00:00" << config::kAvisoHora;
    QTest::newRow("12:60") << "Salidas" << 8 << "12:60" << "00:00" << config::kAvisoHora;
    QTest::newRow("nombre de salida") << "Salidas" << 1 << "riego" << "RIEGO" << ok;
    QTest::newRow("numero de 10 digitos") << "Tree" << 3 << "0123456789" << "0123456789" << ok;
    QTest::newRow("numero con letra") << "Tree" << 3 << "01234a6789" << "**********" << config::kAvisoNumero;
    QTest::newRow("numero de 9 digitos") << "Tree" << 3 << "012345678" << "**********" << config::kAvisoNumero;
    QTest::newRow("numero con blanco") << "Tree" << 3 << "01234 6789" << "**********" << config::kAvisoNumero;
    QTest::newRow("numero borrado") << "Tree" << 3 << "" << "**********" << ok;
    QTest::newRow("ring 14") << "Tree" << 4 << "14" << "14" << ok;
    QTest::newRow("ring 15") << "Tree" << 4 << "15" << "5" << config::kAvisoRing;
    QTest::newRow("ring 1a") << "Tree" << 4 << "1a" << "5" << config::kAvisoRing;
    QTest::newRow("ring vacio") << "Tree" << 4 << "" << "" << ok;
    QTest::newRow("privilegio 4") << "Tree" << 2 << "4" << "4" << ok;
    QTest::newRow("privilegio 5") << "Tree" << 2 << "5" << "0" << config::kAvisoPrivilegio;
    QTest::newRow("privilegio letra") << "Tree" << 2 << "a" << "0" << config::kAvisoPrivilegio;
    QTest::newRow("nombre tal cual") << "Tree" << 1 << "ana" << "ana" << ok;
  }

  void enter() {
    QFETCH(QString, cual);
    QFETCH(int, col);
    QFETCH(QString, escrito);
    QFETCH(QString, celda);
    QFETCH(QString, aviso);
    Banco b;
    VentanaTabla* v = nullptr;
    if (cual == "Entradas") v = b.mostrar<VentanaTabla>(new Entradas(b.config.entradas, b.dialogos, b.imagenes));
    if (cual == "Salidas") v = b.mostrar<VentanaTabla>(new Salidas(b.config.salidas, b.dialogos, b.imagenes));
    if (cual == "Tree") v = b.mostrar<VentanaTabla>(new Tree(b.config.tree, b.dialogos, b.imagenes));
    TablaGrilla& g = v->grilla();
    const int fila = 4;
    editar(g, fila, col);
    escribir(g, escrito);
    QTest::keyClick(g.editor(), Qt::Key_Return);

    QCOMPARE(orda::gui::celda(g, fila, col), celda);
    if (aviso.isEmpty()) {
      QVERIFY(b.dialogos.mostrados.empty());
      QVERIFY(g.fila() != fila || g.columna() != col);
      return;
    }
    QCOMPARE(b.dialogos.mostrados.size(), std::size_t{1});
    QCOMPARE(b.dialogos.mostrados[0].texto, aviso);
    QCOMPARE(b.dialogos.mostrados[0].titulo, QString("Sistema"));
    QCOMPARE(b.dialogos.mostrados[0].icono, Icono::Exclamacion);
    // The editor stays on the refused cell with its whole text selected: the
    // typed text, or for a time the cell's previous one.
    QCOMPARE(g.fila(), fila);
    QCOMPARE(g.columna(), col);
    QVERIFY(g.editorAbierto());
    QVERIFY(g.editor()->hasFocus());
    QCOMPARE(g.editor()->text(), cual == "Salidas" ? celda : escrito);
    QCOMPARE(g.editor()->selectedText(), g.editor()->text());
  }

  // A number cell left unchanged, or passed through, raises nothing.
  void pasarSinEscribirNoAvisa() {
    Banco b;
    TablaGrilla& g = b.mostrar(new Tree(b.config.tree, b.dialogos, b.imagenes))->grilla();
    editar(g, 3, 3);
    for (int i = 0; i < 12; ++i) QTest::keyClick(g.editor(), Qt::Key_Down);
    QVERIFY(b.dialogos.mostrados.empty());
    QCOMPARE(orda::gui::celda(g, 3, 3), QString("**********"));
  }
};

QTEST_MAIN(PruebaLimites)
#include "limites_test.moc"
