// The cell editor shared by the three table windows, driven with keys and
// clicks as a user drives it.
#include <QScrollBar>
#include <QTest>

#include "config/banco.h"
#include "core/config/tablas.h"
#include "gui/config/ventanas_tablas.h"

using namespace orda;
using namespace orda::gui;
using config::Tabla;

namespace {

VentanaTabla* abrir(Banco& b, const QString& cual, QSize tam = {900, 420}) {
  if (cual == "Entradas") return b.mostrar<VentanaTabla>(new Entradas(b.config.entradas, b.dialogos, b.imagenes), tam);
  if (cual == "Salidas") return b.mostrar<VentanaTabla>(new Salidas(b.config.salidas, b.dialogos, b.imagenes), tam);
  return b.mostrar<VentanaTabla>(new Tree(b.config.tree, b.dialogos, b.imagenes), tam);
}

}  // namespace

class PruebaGrilla : public QObject {
  Q_OBJECT

 private slots:
  void tablas_data() {
    QTest::addColumn<QString>("cual");
    QTest::newRow("entradas") << "Entradas";
    QTest::newRow("salidas") << "Salidas";
    QTest::newRow("tree") << "Tree";
  }

  void alCargarLaCeldaEsLaPrimeraYSinEditor_data() { tablas_data(); }
  void alCargarLaCeldaEsLaPrimeraYSinEditor() {
    QFETCH(QString, cual);
    Banco b;
    TablaGrilla& g = abrir(b, cual)->grilla();
    QCOMPARE(g.fila(), 3);
    QCOMPARE(g.columna(), 1);
    QVERIFY(!g.editorAbierto());
    QVERIFY(b.dialogos.mostrados.empty());
  }

  // Enter, Right at the end, Left at the start, Down and Up, with their wrapping.
  void navegacionConVuelta_data() {
    QTest::addColumn<QString>("cual");
    QTest::addColumn<int>("fila");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("tecla");
    QTest::addColumn<bool>("alFinal");  // caret at the end of the text first
    QTest::addColumn<int>("filaEsperada");
    QTest::addColumn<int>("colEsperada");
    QTest::newRow("enter en la ultima celda de salidas") << "Salidas" << 6 << 14 << int(Qt::Key_Return) << false << 3 << 1;
    QTest::newRow("enter en la ultima celda de tree") << "Tree" << 11 << 4 << int(Qt::Key_Enter) << false << 3 << 1;
    QTest::newRow("enter al final de la fila") << "Tree" << 5 << 4 << int(Qt::Key_Return) << false << 6 << 1;
    QTest::newRow("derecha al final del texto") << "Tree" << 4 << 1 << int(Qt::Key_Right) << true << 4 << 2;
    QTest::newRow("derecha con el texto elegido") << "Entradas" << 4 << 1 << int(Qt::Key_Right) << false << 4 << 1;
    QTest::newRow("izquierda en la columna 1") << "Salidas" << 5 << 1 << int(Qt::Key_Left) << false << 4 << 14;
    QTest::newRow("izquierda al final del texto") << "Tree" << 4 << 2 << int(Qt::Key_Left) << true << 4 << 2;
    QTest::newRow("abajo en la ultima fila") << "Entradas" << 10 << 8 << int(Qt::Key_Down) << false << 3 << 8;
    QTest::newRow("arriba en la primera fila") << "Tree" << 3 << 3 << int(Qt::Key_Up) << false << 11 << 3;
    QTest::newRow("arriba") << "Salidas" << 5 << 4 << int(Qt::Key_Up) << false << 4 << 4;
  }
  void navegacionConVuelta() {
    QFETCH(QString, cual);
    QFETCH(int, fila);
    QFETCH(int, col);
    QFETCH(int, tecla);
    QFETCH(bool, alFinal);
    QFETCH(int, filaEsperada);
    QFETCH(int, colEsperada);
    Banco b;
    TablaGrilla& g = abrir(b, cual)->grilla();
    editar(g, fila, col);
    QVERIFY(g.editor()->hasFocus());
    if (alFinal) QTest::keyClick(g.editor(), Qt::Key_End);
    QTest::keyClick(g.editor(), static_cast<Qt::Key>(tecla));
    QCOMPARE(g.fila(), filaEsperada);
    QCOMPARE(g.columna(), colEsperada);
    const bool seMovio = filaEsperada != fila || colEsperada != col;
    if (seMovio && g.editorAbierto()) {
      QVERIFY(g.editor()->hasFocus());
      QCOMPARE(g.filaEditada(), filaEsperada);
      QCOMPARE(g.editor()->text(), celda(g, filaEsperada, colEsperada));
      QCOMPARE(g.editor()->selectedText(), g.editor()->text());
    }
    QVERIFY(b.dialogos.mostrados.empty());
  }

  // A move in a window smaller than the table both ways scrolls both ways and
  // lays the editor exactly over the new cell, in view.
  void moverDesplazaHastaLaCelda_data() {
    QTest::addColumn<int>("fila");
    QTest::addColumn<int>("col");
    QTest::addColumn<QList<int>>("teclas");
    QTest::addColumn<int>("filaEsperada");
    QTest::addColumn<int>("colEsperada");
    QTest::newRow("inicio e izquierda en la primera celda") << 3 << 1 << QList<int>{Qt::Key_Home, Qt::Key_Left} << 10 << 40;
    QTest::newRow("derecha al final de la ultima celda") << 10 << 40 << QList<int>{Qt::Key_End, Qt::Key_Right} << 3 << 1;
    QTest::newRow("enter al final de una fila") << 4 << 40 << QList<int>{Qt::Key_Return} << 5 << 1;
  }
  void moverDesplazaHastaLaCelda() {
    QFETCH(int, fila);
    QFETCH(int, col);
    QFETCH(QList<int>, teclas);
    QFETCH(int, filaEsperada);
    QFETCH(int, colEsperada);
    Banco b;
    TablaGrilla& g = abrir(b, "Entradas", {420, 130})->grilla();
    QVERIFY(g.geometria().filasEnVista() < 8);
    g.irA(fila, 1);  // one scroll at a time on the way there
    editar(g, fila, col);
    for (int t : teclas) QTest::keyClick(g.editor(), static_cast<Qt::Key>(t));
    QCOMPARE(g.fila(), filaEsperada);
    QCOMPARE(g.columna(), colEsperada);
    QVERIFY(g.editor()->isVisible() && g.editor()->hasFocus());
    QCOMPARE(g.editor()->geometry(), g.rectCelda(filaEsperada, colEsperada).adjusted(1, 1, 0, 0));
    QVERIFY(g.viewport()->rect().contains(g.editor()->geometry()));
    QVERIFY(g.editor()->geometry().left() >= g.geometria().anchoFijo());
    QVERIFY(g.editor()->geometry().top() >= g.geometria().altoFijo());
  }

  // Scrolling the edited cell out of view keeps what was typed.
  void desplazarConservaLaEdicion() {
    Banco b;
    auto* v = static_cast<Entradas*>(abrir(b, "Entradas", {420, 300}));
    TablaGrilla& g = v->grilla();
    QScrollBar* barra = g.horizontalScrollBar();
    editar(g, 3, 1);
    escribir(g, "porton");
    barra->setValue(barra->maximum());
    QVERIFY(!g.editor()->isVisible());
    QVERIFY(g.editorAbierto());
    barra->setValue(0);
    QVERIFY(g.editor()->isVisible());
    QCOMPARE(g.editor()->text(), QString("porton"));
    barra->setValue(barra->maximum());
    QVERIFY(v->TablaEntradas_LeaveCell());
    QCOMPARE(celda(g, 3, 1), QString("PORTON"));
  }

  void escapeRestauraYOculta() {
    Banco b;
    TablaGrilla& g = abrir(b, "Tree")->grilla();
    editar(g, 11, 1);
    escribir(g, "otro nombre");
    QTest::keyClick(g.editor(), Qt::Key_Escape);
    QVERIFY(!g.editorAbierto());
    QVERIFY(!g.editor()->isVisible());
    QCOMPARE(celda(g, 11, 1), QString("SERV TECNICO"));
    QCOMPARE(g.editor()->text(), QString("SERV TECNICO"));
    // Leaving the cell afterwards writes nothing.
    QTest::keyClick(&g, Qt::Key_Down);
    QTest::keyClick(&g, Qt::Key_Up);
    QCOMPARE(celda(g, 11, 1), QString("SERV TECNICO"));
  }

  void espacioYF2SegunLaColumna() {
    Banco b;
    TablaGrilla& g = abrir(b, "Entradas")->grilla();
    g.setFocus();
    // Space on a text cell does nothing.
    QTest::keyClick(&g, Qt::Key_Space);
    QCOMPARE(celda(g, 3, 1), QString("ENTRADA1"));
    QCOMPARE(g.tabla().imagen(3, 1), std::string());
    // F2 on a mark hides the editor; Space toggles the mark.
    editar(g, 3, 1);
    QVERIFY(g.editorAbierto());
    QTest::keyClick(g.editor(), Qt::Key_Right);
    QTest::keyClick(g.editor(), Qt::Key_Right);  // onto the first group mark
    QCOMPARE(g.columna(), 2);
    QVERIFY(!g.editorAbierto());
    QTest::keyClick(&g, Qt::Key_F2);
    QVERIFY(!g.editorAbierto());
    QVERIFY(g.hasFocus());
    QCOMPARE(b.ultimoEstado(), QString());
    QTest::keyClick(&g, Qt::Key_Space);
    QVERIFY(g.tabla().marcada(3, 2));
    // The trigger enable goes round its four pictures.
    g.irA(3, config::colEntradas::kHabDisparo);
    QStringList vistos;
    for (int i = 0; i < 4; ++i) {
      QTest::keyClick(&g, Qt::Key_Space);
      vistos << QString::fromStdString(g.tabla().imagen(3, config::colEntradas::kHabDisparo));
    }
    QCOMPARE(vistos, QStringList({"OKG", "OKGRG", "OKG24", "NOG2"}));
  }

  void escribirSeDetieneEnElMaximo() {
    Banco b;
    TablaGrilla& g = abrir(b, "Entradas")->grilla();
    editar(g, 5, config::colEntradas::kAlias);
    QCOMPARE(b.ultimoEstado(), QString("Caracteres restantes: 4"));  // "ENTRADA3"
    escribir(g, "abcdefghijklmnop");
    QCOMPARE(g.editor()->text(), QString("abcdefghijkl"));
    QCOMPARE(b.ultimoEstado(), QString("Caracteres restantes: 0"));
    QTest::keyClick(g.editor(), Qt::Key_Backspace);
    QCOMPARE(b.ultimoEstado(), QString("Caracteres restantes: 1"));
  }

  // The record number and the headers are not cells to edit.
  void clicEnLasCeldasFijas_data() {
    QTest::addColumn<QString>("cual");
    QTest::addColumn<int>("filaClic");
    QTest::addColumn<int>("colClic");
    QTest::addColumn<int>("fila");
    QTest::addColumn<int>("col");
    QTest::newRow("numero de entrada") << "Entradas" << 6 << 0 << 6 << 1;
    QTest::newRow("encabezado 1") << "Salidas" << 1 << 3 << 3 << 3;
    QTest::newRow("encabezado 2") << "Tree" << 2 << 4 << 3 << 4;
    QTest::newRow("esquina") << "Tree" << 1 << 0 << 3 << 1;
  }
  void clicEnLasCeldasFijas() {
    QFETCH(QString, cual);
    QFETCH(int, filaClic);
    QFETCH(int, colClic);
    QFETCH(int, fila);
    QFETCH(int, col);
    Banco b;
    TablaGrilla& g = abrir(b, cual)->grilla();
    g.irA(5, 2);
    clicEnCelda(g, filaClic, colClic);
    QCOMPARE(g.fila(), fila);
    QCOMPARE(g.columna(), col);
  }

  void clicDebajoDeLaUltimaEntradaEligeLaNueve() {
    Banco b;
    TablaGrilla& g = abrir(b, "Tree", {700, 600})->grilla();
    const QRect ultima = g.rectCelda(11, 2);
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, ultima.center() + QPoint(0, 3 * ultima.height()));
    QCOMPARE(g.fila(), 11);
    QCOMPARE(g.columna(), 2);
    QVERIFY(g.editor()->hasFocus());
  }

  void clicAlternaMarcasYTipo() {
    Banco b;
    TablaGrilla& g = abrir(b, "Entradas", {1400, 420})->grilla();
    clicEnCelda(g, 4, config::colEntradas::kSmsDisparo);
    QVERIFY(g.tabla().marcada(4, config::colEntradas::kSmsDisparo));
    clicEnCelda(g, 4, config::colEntradas::kSmsDisparo);
    QVERIFY(!g.tabla().marcada(4, config::colEntradas::kSmsDisparo));
    clicEnCelda(g, 4, config::colEntradas::kTipo);
    QCOMPARE(celda(g, 4, config::colEntradas::kTipo), QString("Activa en alto"));
    QCOMPARE(celda(g, 4, config::colEntradas::kComparacionSuperior), QString("2.50"));
  }

  // Clicking another cell while editing commits the edit through the table's check.
  void clicEnOtraCeldaConfirma() {
    Banco b;
    TablaGrilla& g = abrir(b, "Salidas")->grilla();
    editar(g, 4, 1);
    escribir(g, "bomba");
    clicEnCelda(g, 6, 5);
    QCOMPARE(celda(g, 4, 1), QString("BOMBA"));
    QCOMPARE(g.fila(), 6);
    QVERIFY(g.editor()->hasFocus());
    escribir(g, "25:00");
    clicEnCelda(g, 3, 1);
    QCOMPARE(b.ultimoAviso(), QString::fromUtf8(config::kAvisoHora));
    QCOMPARE(g.fila(), 6);  // the refused cell stays current
    QCOMPARE(g.columna(), 5);
    QVERIFY(g.editor()->hasFocus());
    QCOMPARE(g.editor()->selectedText(), QString("00:00"));
  }

  // The values each column takes are the core's (validacion_test): here one
  // of each outcome per table, with Enter. Accepted: written, the editor moves
  // on. Refused: the warning, the editor stays on the cell with its whole text
  // selected (for a time, the cell's previous one).
  void enterSegunLaTabla_data() {
    QTest::addColumn<QString>("cual");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("escrito");
    QTest::addColumn<QString>("celda");  // the cell afterwards
    QTest::addColumn<QString>("aviso");  // empty: accepted
    const QString ok;
    QTest::newRow("alias en mayusculas") << "Entradas" << 1 << "pórtico" << "PÓRTICO" << ok;
    QTest::newRow("voltaje rechazado") << "Entradas" << 37 << "3.31" << "1.20" << config::kAvisoVoltaje;
    QTest::newRow("hora con punto") << "Salidas" << 4 << "12.30" << "12.30" << ok;
    QTest::newRow("hora rechazada") << "Salidas" << 7 << "24:00" << "00:00" << config::kAvisoHora;
    QTest::newRow("nombre en mayusculas") << "Tree" << 1 << "ana" << "ANA" << ok;
    QTest::newRow("numero con letra") << "Tree" << 3 << "01234a6789" << "**********" << config::kAvisoNumero;
    QTest::newRow("numero borrado") << "Tree" << 3 << "" << "**********" << ok;
  }
  void enterSegunLaTabla() {
    QFETCH(QString, cual);
    QFETCH(int, col);
    QFETCH(QString, escrito);
    QFETCH(QString, celda);
    QFETCH(QString, aviso);
    Banco b;
    TablaGrilla& g = abrir(b, cual)->grilla();
    editar(g, 4, col);
    escribir(g, escrito);
    QTest::keyClick(g.editor(), Qt::Key_Return);
    QCOMPARE(orda::gui::celda(g, 4, col), celda);
    if (aviso.isEmpty()) {
      QVERIFY(b.dialogos.mostrados.empty());
      QVERIFY(g.fila() != 4 || g.columna() != col);
      return;
    }
    QCOMPARE(b.dialogos.mostrados.size(), std::size_t{1});
    QCOMPARE(b.dialogos.mostrados[0].texto, aviso);
    QCOMPARE(b.dialogos.mostrados[0].titulo, QString("Sistema"));
    QCOMPARE(b.dialogos.mostrados[0].icono, Icono::Exclamacion);
    QCOMPARE(g.fila(), 4);
    QCOMPARE(g.columna(), col);
    QVERIFY(g.editorAbierto() && g.editor()->hasFocus());
    QCOMPARE(g.editor()->text(), cual == "Salidas" ? celda : escrito);
    QCOMPARE(g.editor()->selectedText(), g.editor()->text());
  }

  // A number cell left unchanged, or passed through, raises nothing.
  void pasarSinEscribirNoAvisa() {
    Banco b;
    TablaGrilla& g = abrir(b, "Tree")->grilla();
    editar(g, 3, 3);
    for (int i = 0; i < 12; ++i) QTest::keyClick(g.editor(), Qt::Key_Down);
    QVERIFY(b.dialogos.mostrados.empty());
    QCOMPARE(celda(g, 3, 3), QString("**********"));
  }

  // Losing the focus writes through the table's own check, without a box.
  void perderElFocoEscribeSegunLaTabla_data() {
    QTest::addColumn<QString>("cual");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("escrito");
    QTest::addColumn<QString>("celda");
    QTest::addColumn<QString>("estado");
    const QString sinAviso;
    QTest::newRow("alias de entrada") << "Entradas" << 1 << "norte" << "NORTE" << sinAviso;
    QTest::newRow("voltaje rechazado") << "Entradas" << 37 << "3.31" << "1.20" << config::kAvisoVoltaje;
    QTest::newRow("hora de salida no se escribe") << "Salidas" << 4 << "12:00" << "00:00" << sinAviso;
  }
  void perderElFocoEscribeSegunLaTabla() {
    QFETCH(QString, cual);
    QFETCH(int, col);
    QFETCH(QString, escrito);
    QFETCH(QString, celda);
    QFETCH(QString, estado);
    Banco b;
    TablaGrilla& g = abrir(b, cual, {1200, 420})->grilla();
    editar(g, 4, col);
    escribir(g, escrito);
    QTest::mouseClick(b.otro, Qt::LeftButton);
    QVERIFY(b.otro->hasFocus());
    QCOMPARE(orda::gui::celda(g, 4, col), celda);
    QVERIFY(!g.editorAbierto());
    if (!estado.isEmpty()) QCOMPARE(b.ultimoEstado(), estado);
    QVERIFY(b.dialogos.mostrados.empty());
  }

  // While a real warning box is up the edit stays pending; once the box is
  // closed, the next edit is written when the focus leaves, as any other.
  void trasUnaCajaRealPerderElFocoConfirma() {
    Banco b;
    TablaGrilla& g = abrir(b, "Tree")->grilla();
    b.dialogos.reales = true;
    b.dialogos.ponerPadre(b.anfitrion.get());
    const int col = config::colTree::kPrivilegio;
    editar(g, 3, col);
    escribir(g, "7");
    bool pendiente = false;
    cerrarLaProximaCaja(b.anfitrion.get(), [&](QMessageBox*) { pendiente = g.editorAbierto() && celda(g, 3, col) == "0"; });
    QTest::keyClick(g.editor(), Qt::Key_Return);
    QCOMPARE(b.ultimoAviso(), QString::fromUtf8(config::kAvisoPrivilegio));
    QVERIFY(pendiente);
    QCoreApplication::processEvents();  // the console active again
    QVERIFY(g.editor()->hasFocus());
    escribir(g, "3");
    QTest::mouseClick(b.otro, Qt::LeftButton);
    QCOMPARE(celda(g, 3, col), QString("3"));
    QVERIFY(!g.editorAbierto());
  }

  // An editor the grid's arrows opened, the focus still on the grid, goes
  // as well when the focus leaves the grid.
  void perderElFocoCierraElEditorDeLasFlechas() {
    Banco b;
    TablaGrilla& g = abrir(b, "Salidas")->grilla();
    g.setFocus(Qt::MouseFocusReason);
    QTest::keyClick(&g, Qt::Key_Down);
    QVERIFY(g.editor()->isVisible() && g.hasFocus());
    QTest::mouseClick(b.otro, Qt::LeftButton);
    QVERIFY(!g.editor()->isVisible());
  }

  void recargarMuestraLaTablaNueva() {
    Banco b;
    auto* v = abrir(b, "Tree");
    editar(v->grilla(), 3, 1);
    escribir(v->grilla(), "pendiente");
    b.config.tree.ponerTexto(3, 1, "LEIDO");
    v->recargar();
    QVERIFY(!v->grilla().editorAbierto());
    QCOMPARE(celda(v->grilla(), 3, 1), QString("LEIDO"));
  }
};

QTEST_MAIN(PruebaGrilla)
#include "grilla_test.moc"
