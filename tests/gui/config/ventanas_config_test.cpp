// The configuration windows in the console as a user drives them: the cell
// editor shared by the three table windows, with keys and clicks, and the
// global options form. The values each field takes are the core's
// (validacion_test); here, one of each outcome per window. The special
// functions window is driven by the command tests (acciones_test,
// comparar_test).
#include <QCheckBox>
#include <QMdiArea>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "acciones/banco_acciones.h"
#include "gui/monitoring/info.h"

using namespace orda;
using namespace orda::gui;
namespace caja = config::caja;

namespace {

// The console on the simulated panel; a click on Info's command field takes
// the focus away, as a click anywhere else in the console does.
struct Banco : ConsolaComandos {
  QLineEdit* otro = ventana<Info>(Vista::Info).Text1();

  Banco() { QCoreApplication::processEvents(); }  // the console active again once the link window goes
};

// The table window in front, laid out at `tam`.
VentanaTabla* abrir(Banco& b, const QString& cual, QSize tam = {900, 420}) {
  const Vista v = cual == "Entradas" ? Vista::Entradas : cual == "Salidas" ? Vista::Salidas : Vista::Tree;
  QMdiSubWindow* s = b.main->subventana(v);
  b.main->area().setActiveSubWindow(s);
  s->resize(tam);
  return dynamic_cast<VentanaTabla*>(s->widget());
}

// Opens the editor on a cell the way a user does: the cell, then F2.
void editar(TablaGrilla& g, int fila, int col) {
  g.irA(fila, col);
  g.setFocus(Qt::OtherFocusReason);
  QTest::keyClick(&g, Qt::Key_F2);
}

void clicEnCelda(TablaGrilla& g, int fila, int col) {
  QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.rectCelda(fila, col).center());
}

QString celda(const TablaGrilla& g, int fila, int col) { return QString::fromStdString(g.tabla().texto(fila, col)); }

}  // namespace

class PruebaVentanasConfig : public QObject {
  Q_OBJECT

 private slots:
  // Enter, Right at the end, Left at the start, Down and Up, with their
  // wrapping, in a window smaller than the table both ways: each move
  // scrolls and lays the editor exactly over the new cell, in view.
  void navegacionConVuelta() {
    struct Caso {
      const char* cual;
      int fila, col;
      QList<int> teclas;
      int filaEsperada, colEsperada;
    };
    const Caso casos[] = {
        {"Tree", 11, 4, {Qt::Key_Enter}, 3, 1},                    // Enter on the last cell
        {"Entradas", 4, 40, {Qt::Key_Return}, 5, 1},               // Enter at the end of a row
        {"Tree", 4, 1, {Qt::Key_End, Qt::Key_Right}, 4, 2},        // Right at the end of the text
        {"Entradas", 4, 1, {Qt::Key_Right}, 4, 1},                 // Right on the text selected
        {"Entradas", 3, 1, {Qt::Key_Home, Qt::Key_Left}, 10, 40},  // Left on the first cell
        {"Salidas", 5, 1, {Qt::Key_Left}, 4, 14},                  // Left in column 1
        {"Tree", 4, 2, {Qt::Key_End, Qt::Key_Left}, 4, 2},         // Left at the end of the text
        {"Entradas", 10, 8, {Qt::Key_Down}, 3, 8},                 // Down on the last row
        {"Tree", 3, 3, {Qt::Key_Up}, 11, 3},                       // Up on the first row
        {"Salidas", 5, 4, {Qt::Key_Up}, 4, 4},
    };
    Banco b;
    b.cfg().entradas.ponerTexto(10, 8, "327676");  // refused if typed; passed through, not checked
    for (const auto& [cual, fila, col, teclas, filaEsperada, colEsperada] : casos) {
      TablaGrilla& g = abrir(b, cual, {420, 130})->grilla();
      QVERIFY(g.geometria().filasEnVista() < 8);
      g.irA(fila, 1);  // one scroll at a time on the way there
      editar(g, fila, col);
      QVERIFY(g.editor()->hasFocus());
      for (int t : teclas) QTest::keyClick(g.editor(), static_cast<Qt::Key>(t));
      QCOMPARE(g.fila(), filaEsperada);
      QCOMPARE(g.columna(), colEsperada);
      if ((filaEsperada == fila && colEsperada == col) || !g.editorAbierto()) continue;
      QVERIFY(g.editor()->isVisible() && g.editor()->hasFocus());
      QCOMPARE(g.editor()->text(), celda(g, filaEsperada, colEsperada));
      QCOMPARE(g.editor()->selectedText(), g.editor()->text());
      QCOMPARE(g.editor()->geometry(), g.rectCelda(filaEsperada, colEsperada).adjusted(1, 1, 0, 0));
      QVERIFY(g.viewport()->rect().contains(g.editor()->geometry()));
      QVERIFY(g.editor()->geometry().left() >= g.geometria().anchoFijo());
      QVERIFY(g.editor()->geometry().top() >= g.geometria().altoFijo());
    }
  }

  // Escape, or the table read again behind the grid, drops the edit. A click
  // below the last record is on the last record. While a real warning box is
  // up the edit stays pending; once the box is closed, the next edit is
  // written when the focus leaves, as any other.
  void descartarYCajaReal() {
    Banco b;
    auto* v = abrir(b, "Tree");
    TablaGrilla& g = v->grilla();
    for (const QString queda : {"SERV TECNICO", "LEIDO"}) {
      dejarEscrito(g, 11, 1, "otro nombre");
      if (queda == "LEIDO") {
        b.cfg().tree.ponerTexto(11, 1, "LEIDO");
        v->recargar();
      } else {
        QTest::keyClick(g.editor(), Qt::Key_Escape);
        QCOMPARE(g.editor()->text(), queda);
      }
      QVERIFY(!g.editorAbierto());
      QVERIFY(!g.editor()->isVisible());
      QCOMPARE(celda(g, 11, 1), queda);
    }
    // (over the hidden rows after it)
    const QRect r = g.rectCelda(11, 2);
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, r.center() + QPoint(0, 3 * r.height()));
    QCOMPARE(g.fila(), 11);
    b.dialogos.reales = true;
    b.dialogos.ponerPadre(b.main.get());
    const int col = config::colTree::kPrivilegio;
    dejarEscrito(g, 3, col, "7");
    bool pendiente = false;
    cerrarLaProximaCaja(b.main.get(), [&](QMessageBox*) { pendiente = g.editorAbierto() && celda(g, 3, col) == "0"; });
    QTest::keyClick(g.editor(), Qt::Key_Return);
    QCOMPARE(b.dialogos.mostrados.back().texto, QString::fromUtf8(config::kAvisoPrivilegio));
    QVERIFY(pendiente);
    QCoreApplication::processEvents();  // the console active again
    QVERIFY(g.editor()->hasFocus());
    dejarEscrito(g, 3, col, "3");
    QTest::mouseClick(b.otro, Qt::LeftButton);
    QCOMPARE(celda(g, 3, col), QString("3"));
    QVERIFY(!g.editorAbierto());
    // An editor the grid's arrows opened, the focus still on the grid, goes as well.
    g.setFocus(Qt::MouseFocusReason);
    QTest::keyClick(&g, Qt::Key_Down);
    QVERIFY(g.editor()->isVisible() && g.hasFocus());
    QTest::mouseClick(b.otro, Qt::LeftButton);
    QVERIFY(!g.editor()->isVisible());
  }

  // The grid opens on the first cell without an editor. On a mark F2 opens
  // nothing and Space or a click toggles it; the record number and the
  // headers are not cells to edit. In a narrower window the editor stops at
  // the cell's maximum, counting what is left; scrolling the edited cell out
  // of view keeps what was typed.
  void marcasClicsYDesplazamiento() {
    Banco b;
    auto* v = static_cast<Entradas*>(abrir(b, "Entradas"));
    TablaGrilla& g = v->grilla();
    QCOMPARE(g.fila(), 3);
    QCOMPARE(g.columna(), 1);
    QVERIFY(!g.editorAbierto());
    editar(g, 3, 1);
    QVERIFY(g.editorAbierto());
    QTest::keyClick(g.editor(), Qt::Key_Right);
    QTest::keyClick(g.editor(), Qt::Key_Right);  // onto the first group mark
    QCOMPARE(g.columna(), 2);
    QTest::keyClick(&g, Qt::Key_F2);
    QVERIFY(!g.editorAbierto());
    QVERIFY(g.hasFocus());
    QCOMPARE(b.panel2(), QString());
    QTest::keyClick(&g, Qt::Key_Space);
    QVERIFY(g.tabla().marcada(3, 2));
    clicEnCelda(g, 3, 2);  // a click toggles as well
    QVERIFY(!g.tabla().marcada(3, 2));
    clicEnCelda(g, 3, config::colEntradas::kTipo);
    QCOMPARE(celda(g, 3, config::colEntradas::kTipo), QString("Activa en alto"));

    struct Clic {
      int fila, col, filaEsperada, colEsperada;
    };
    for (const Clic c : {Clic{6, 0, 6, 1}, Clic{1, 3, 3, 3}, Clic{2, 4, 3, 4}, Clic{1, 0, 3, 1}}) {
      g.irA(5, 2);
      clicEnCelda(g, c.fila, c.col);
      QCOMPARE(g.fila(), c.filaEsperada);
      QCOMPARE(g.columna(), c.colEsperada);
    }

    abrir(b, "Entradas", {420, 300});
    QScrollBar* barra = g.horizontalScrollBar();
    editar(g, 5, config::colEntradas::kAlias);
    QCOMPARE(b.panel2(), QString("Caracteres restantes: 4"));  // "ENTRADA3"
    dejarEscrito(g, 5, config::colEntradas::kAlias, "abcdefghijklmnop");
    QCOMPARE(g.editor()->text(), QString("abcdefghijkl"));
    QCOMPARE(b.panel2(), QString("Caracteres restantes: 0"));
    barra->setValue(barra->maximum());
    QVERIFY(!g.editor()->isVisible());
    barra->setValue(0);
    QVERIFY(g.editor()->isVisible());
    QCOMPARE(g.editor()->text(), QString("abcdefghijkl"));
    barra->setValue(barra->maximum());
    QVERIFY(v->TablaEntradas_LeaveCell());
    QCOMPARE(celda(g, 5, 1), QString("ABCDEFGHIJKL"));
  }

  // One of each outcome per table, the cell left with Enter, a click on
  // another cell, or a click outside the grid. Enter or a cell: accepted,
  // written and the editor moves on; refused, the warning and the editor
  // stays on the cell with its whole text selected (for a time, the cell's
  // previous one). Outside: written by the table's focus-loss rule, its
  // warning in the status bar and no box.
  void dejarLaCeldaSegunLaTabla() {
    struct Caso {
      const char* cual;
      int col;
      QString escrito, como, celda;  // como: "enter", "celda" or "fuera"; celda: the cell afterwards
      const char* aviso;             // null: accepted
    };
    const Caso casos[] = {
        {"Entradas", 1, "pórtico", "enter", "PÓRTICO", nullptr},
        {"Entradas", 37, "3.31", "enter", "1.20", config::kAvisoVoltaje},
        {"Salidas", 7, "24:00", "celda", "00:00", config::kAvisoHora},
        {"Tree", 3, "01234a6789", "enter", "**********", config::kAvisoNumero},
        {"Tree", 3, "", "enter", "**********", nullptr},  // an emptied number
        {"Salidas", 1, "bomba", "celda", "BOMBA", nullptr},
        {"Entradas", 1, "norte", "fuera", "NORTE", nullptr},
        {"Entradas", 37, "3.31", "fuera", "1.20", config::kAvisoVoltaje},
        {"Salidas", 4, "12:00", "fuera", "00:00", nullptr},  // an output's time is not written
    };
    Banco b;
    for (const auto& [cual, col, escrito, como, celda, aviso] : casos) {
      TablaGrilla& g = abrir(b, cual, {1200, 420})->grilla();
      b.dialogos.mostrados.clear();
      dejarEscrito(g, 4, col, escrito);
      if (como == "fuera") {
        QTest::mouseClick(b.otro, Qt::LeftButton);
        QVERIFY(b.otro->hasFocus());
      } else if (como == "celda") {
        clicEnCelda(g, 6, 5);
      } else {
        QTest::keyClick(g.editor(), Qt::Key_Return);
      }
      QCOMPARE(::celda(g, 4, col), celda);
      QCOMPARE(b.dialogos.mostrados.size(), std::size_t(aviso != nullptr && como != "fuera"));
      if (como == "fuera") {
        QVERIFY(!g.editorAbierto());
        if (aviso != nullptr) QCOMPARE(b.panel2(), QString(aviso));
        continue;
      }
      if (aviso == nullptr) {
        QVERIFY(g.fila() != 4 || g.columna() != col);
        QVERIFY(!g.editorAbierto() || g.editor()->hasFocus());
        continue;
      }
      QCOMPARE(b.dialogos.mostrados[0].texto, QString(aviso));
      QCOMPARE(g.fila(), 4);
      QCOMPARE(g.columna(), col);
      QVERIFY(g.editorAbierto() && g.editor()->hasFocus());
      QCOMPARE(g.editor()->text(), QString(cual) == "Salidas" ? celda : escrito);
      QCOMPARE(g.editor()->selectedText(), g.editor()->text());
      QTest::keyClick(g.editor(), Qt::Key_Escape);  // the edit dropped for the next case
    }
  }

  // The balance number is kept numeric while typed; the SMS message counts
  // what is left and stops at its maximum. A click sets the option and names
  // it in the status bar; a reload shows the data as it is, a text longer
  // than its box whole, and changes nothing.
  void cajasOpcionesRecargarYRevisar() {
    Banco b;
    Globales* v = &b.globales();
    escribirCaja(v->texto(caja::kNumeroSaldo), "012ab");
    QCOMPARE(v->texto(caja::kNumeroSaldo)->text(), QString("12"));
    escribirCaja(v->texto(caja::kMensajeSms), QString(35, 'a'));
    QCOMPARE(v->texto(caja::kMensajeSms)->text().size(), 31);
    QCOMPARE(b.panel2(), QString("Caracteres restantes: 0"));
    v->opcion(config::opcion::kArmadoAlResetear)->click();
    QCOMPARE(b.panel2(), QString("OpcionesGlobales 5"));
    QVERIFY(v->opcion(config::opcion::kCoAdministrador)->isHidden());

    b.cfg().globales.opciones.fill(1);
    b.cfg().globales.text[caja::kMensajeSms] = std::string(40, 'X');  // longer than the box allows
    int cambios = 0;
    connect(v, &Globales::cambiado, [&] { ++cambios; });
    v->recargar();
    QCOMPARE(cambios, 0);
    for (int i = 0; i < config::opcion::kCantidad; ++i) QVERIFY(v->opcion(i)->isChecked());
    QCOMPARE(v->texto(caja::kMensajeSms)->text().size(), 40);  // shown whole, not cut

    // A box is checked as the focus leaves it: accepted with its numeric
    // rewrite; refused with the warning, the focus and the selection taken
    // back. A box set but not typed in is not checked on the way, and a
    // message box or a popup taking the focus checks nothing.
    QLineEdit* hora = v->texto(caja::kHoraLlamada);
    QLineEdit* duracion = v->texto(caja::kDuracionLlamada);
    escribirCaja(duracion, "012seg");
    QTest::mouseClick(b.otro, Qt::LeftButton);
    QCoreApplication::processEvents();  // the check runs once the focus has settled
    QCOMPARE(duracion->text(), QString("12"));
    QVERIFY(b.dialogos.mostrados.empty());
    QVERIFY(b.otro->hasFocus());

    duracion->setText("999");
    escribirCaja(hora, "99:99");
    QTest::mouseClick(duracion, Qt::LeftButton);
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    const MensajeMostrado aviso{config::kAvisoHora, "Sistema", Icono::Exclamacion, Botones::Aceptar};
    QCOMPARE(b.dialogos.mostrados, std::vector<MensajeMostrado>{aviso});
    QVERIFY(hora->hasFocus());
    QCOMPARE(hora->selectedText(), QString("99:99"));
    for (Qt::FocusReason m : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
      QFocusEvent salida(QEvent::FocusOut, m);
      QApplication::sendEvent(hora, &salida);
    }
    QCoreApplication::processEvents();
    QCOMPARE(b.dialogos.mostrados.size(), std::size_t{1});
  }
};

QTEST_MAIN(PruebaVentanasConfig)
#include "ventanas_config_test.moc"
