// End to end on the simulated panel: every configuration window edited
// through its editors and controls, then programmed and read back, or saved
// and opened again. What comes back is what was edited, except the values
// the panel's memory keeps less precisely and, from the panel, the password.
#include <QFileInfo>

#include "banco_acciones.h"
#include "gui/app/carpetas.h"

using namespace orda;
using namespace orda::gui;

namespace {

struct Edicion {
  int fila, col;
  QString texto;
};
struct Alternado {
  int fila, col;
  bool clic;  // the mouse, or Space
};

// A few edits in each of the five windows, through their editors and controls.
void editarTodo(ConsolaComandos& c) {
  const Edicion entradas[] = {{3, 1, "pórtico"}, {3, 8, "603"}, {4, 28, "Disparo en cocina, ñandú"}, {3, 37, "1.234"}};
  const Alternado marcasEntradas[] = {{3, 6, true}, {4, 6, false}, {3, 2, true}, {5, 17, false}};
  const Edicion salidas[] = {{3, 1, "riego"}, {4, 5, "12.30"}, {6, 14, "23:59"}};
  const Edicion tree[] = {{3, 1, "ana"}, {3, 3, "0123456789"}, {11, 4, "14"}};
  // The input type first: changing it resets both thresholds.
  for (const auto& a : marcasEntradas) alternar(c.entradas(), a.fila, a.col, a.clic);
  for (const auto& e : entradas) editarCelda(c.entradas(), e.fila, e.col, e.texto);
  for (const auto& e : salidas) editarCelda(c.salidas(), e.fila, e.col, e.texto);
  alternar(c.salidas(), 3, 2, true);
  for (const auto& e : tree) editarCelda(c.tree(), e.fila, e.col, e.texto);
  const std::pair<int, QString> textos[] = {{1, "07:30"}, {4, "Todo en orden"}, {6, "12.5"}, {7, "0555"}, {9, "CLAVE12"}};
  for (const auto& [n, t] : textos) escribirCaja(c.globales().texto(n), t);
  for (int i : {1, 30}) clicEnBoton(c.globales().opcion(i));
  clicEnBoton(c.especiales().opcion(8));
  // The last box is checked as the focus leaves it.
  c.entradas().setFocus(Qt::MouseFocusReason);
  QCoreApplication::processEvents();
}

// What the panel's memory keeps of the edits above in its own way.
const QStringList kPerdidas = {
    "Entradas 3,8: 603 → 600",      // milliseconds in steps of 5
    "Entradas 3,37: 1.234 → 1.23",  // volts to 2 decimals
    "Salidas 4,5: 12.30 → 12:30",   // times always with a colon
    "Text6: 12.5 → 12",             // whole minutes
};

void leerPanel(ConsolaComandos& c) {
  c.accion("tbLeer")->trigger();
  c.esperar(30000);
}

}  // namespace

class PruebaIdaYVuelta : public QObject {
  Q_OBJECT

 private slots:
  void programarYLeer() {
    ConsolaComandos c;
    leerPanel(c);  // start from what the panel holds
    const config::Configuracion delPanel = c.cfg();
    editarTodo(c);
    QVERIFY(c.dialogos.mostrados.empty());
    const config::Configuracion editada = c.cfg();
    QVERIFY(diferencias(delPanel, editada).size() >= 21);  // every edit took
    QCOMPARE(editada.tree.texto(config::colTree::kFilaSaldo, config::colTree::kTelefono), std::string("555"));

    QTest::keyClick(c.main.get(), Qt::Key_P, Qt::AltModifier);
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});
    QCOMPARE(c.dialogos.mostrados[0].texto, QStringLiteral("¿Está seguro que desea programar?"));
    QCOMPARE(c.dialogos.mostrados[0].titulo, QStringLiteral("OrDA"));
    QCOMPARE(c.dialogos.mostrados[0].icono, Icono::Exclamacion);
    QCOMPARE(c.dialogos.mostrados[0].botones, Botones::SiNo);
    c.esperar(20);
    QVERIFY2(c.panel2().startsWith("Programando ") && c.panel2() != "Programando 54/54", qPrintable(c.panel2()));
    c.esperar(60000);
    QVERIFY2(c.panel2().startsWith(QStringLiteral("Programación terminada ")), qPrintable(c.panel2()));
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});  // every record acknowledged: no box

    c.olvidarConfiguracion();
    const int historiales = c.cuantos("lh");
    QTest::keyClick(c.main.get(), Qt::Key_L, Qt::AltModifier);
    c.esperar(30000);
    QCOMPARE(diferencias(editada, c.cfg()), kPerdidas + QStringList{"Text9: CLAVE12 → "});
    QCOMPARE(c.estado(3).texto(), QStringLiteral("V2.02"));
    QCOMPARE(c.estado(4).texto(), QStringLiteral("SN: 12345"));
    QCOMPARE(c.cuantos("lh"), historiales + 1);
    // The windows show it.
    QCOMPARE(c.globales().texto(4)->text(), QStringLiteral("Todo en orden"));
    QVERIFY(c.globales().opcion(30)->isChecked());
    QVERIFY(c.especiales().opcion(8)->isChecked());
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});
  }

  void guardarYAbrir() {
    ConsolaComandos c;
    leerPanel(c);
    editarTodo(c);
    const config::Configuracion editada = c.cfg();
    const QString ruta = c.carpeta.filePath(QStringLiteral("casa.dat"));
    const int relojes = c.cuantos("cH");
    const std::size_t enviados = c.enviados.size();

    c.dialogos.archivos = {ruta};
    QTest::keyClick(c.main.get(), Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(c.dialogos.pedidos.size(), std::size_t{1});
    QCOMPARE(c.dialogos.pedidos[0].carpeta, dirInicial());
    QCOMPARE(QFileInfo(ruta).size(), 12289);
    QVERIFY2(c.panel2().startsWith("Archivo " + ruta + " guardado - "), qPrintable(c.panel2()));
    QCOMPARE(c.main->windowTitle(), QStringLiteral("Ordavix - casa.dat"));
    c.esperar(5000);
    // The panel got its clock and nothing else.
    QCOMPARE(c.cuantos("cH"), relojes + 1);
    QCOMPARE(c.cuantos("cF"), 1);
    for (std::size_t i = enviados; i < c.enviados.size(); ++i) QVERIFY(c.enviados[i][0] >= 'a');

    c.olvidarConfiguracion();
    c.estado(3).ponerTexto(QString());
    c.dialogos.archivos = {ruta};
    QTest::keyClick(c.main.get(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(c.dialogos.pedidos.back().titulo, QStringLiteral("Abrir"));
    QCOMPARE(c.dialogos.pedidos.back().nombre, ruta);
    QCOMPARE(diferencias(editada, c.cfg()), kPerdidas);  // the password comes back from a file
    QCOMPARE(c.globales().texto(9)->text(), QStringLiteral("CLAVE12"));
    QCOMPARE(c.estado(3).texto(), QStringLiteral("V2.02"));  // the file's panel
    QVERIFY2(c.panel2().startsWith("Archivo " + ruta + " abierto - "), qPrintable(c.panel2()));
    QCOMPARE(c.main->windowTitle(), QStringLiteral("Ordavix - casa.dat"));
    QVERIFY(c.dialogos.mostrados.empty());
  }
};

QTEST_MAIN(PruebaIdaYVuelta)
#include "ida_y_vuelta_test.moc"
