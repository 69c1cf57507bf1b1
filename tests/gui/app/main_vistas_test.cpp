// Showing and hiding the child windows (menu, toolbar, hot keys, close box),
// the commands each hot key runs, the arrangement commands and the help.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QToolBar>

#include "consola_prueba.h"

using namespace orda;
using namespace orda::gui;

namespace {

struct Estado {
  bool visible, marcado, pulsado;
  bool operator==(const Estado&) const = default;
};

Estado estado(ConsolaPrueba& c, Vista v) { return {c.visible(v), c.main->menuMarcado(v), c.main->botonPulsado(v)}; }

char* aTexto(const Estado& e) {
  return qstrdup(QStringLiteral("visible=%1 marcado=%2 pulsado=%3").arg(e.visible).arg(e.marcado).arg(e.pulsado).toLatin1());
}

}  // namespace

namespace QTest {
template <>
char* toString(const Estado& e) {
  return aTexto(e);
}
}  // namespace QTest

class PruebaVistas : public QObject {
  Q_OBJECT

  static void activar(ConsolaPrueba& c) {
    c.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(c.main.get()));
  }

 private slots:
  void f3DosVeces() {
    ConsolaPrueba c;
    activar(c);
    QCOMPARE(estado(c, Vista::Entradas), (Estado{true, true, true}));
    QTest::keyClick(c.main.get(), Qt::Key_F3);
    QCOMPARE(estado(c, Vista::Entradas), (Estado{false, false, false}));
    QVERIFY(c.main->subventana(Vista::Entradas) != nullptr);  // hidden, not destroyed
    QTest::keyClick(c.main.get(), Qt::Key_F3);
    QCOMPARE(estado(c, Vista::Entradas), (Estado{true, true, true}));
  }

  void teclasDeVista_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("vista");
    QTest::newRow("F4") << 8 << int(Vista::Salidas);
    QTest::newRow("F3") << 9 << int(Vista::Entradas);
    QTest::newRow("F5") << 5 << int(Vista::Globales);
    QTest::newRow("F9") << 10 << int(Vista::Info);
    QTest::newRow("F7") << 11 << int(Vista::Especiales);
    QTest::newRow("F8") << 6 << int(Vista::Seguimiento);
    QTest::newRow("F6") << 7 << int(Vista::Tree);
  }
  void teclasDeVista() {
    QFETCH(int, id);
    QFETCH(int, vista);
    ConsolaPrueba c;
    const Vista v = static_cast<Vista>(vista);
    const bool antes = c.visible(v);
    QVERIFY(c.main->teclaRapida(id));
    QCOMPARE(c.visible(v), !antes);
    QCOMPARE(c.main->menuMarcado(v), !antes);
    QCOMPARE(c.main->botonPulsado(v), !antes);
  }

  void teclasDeComandos() {
    ConsolaPrueba c;
    QStringList corridos;
    Ganchos& g = c.main->ganchos();
    g.guardar = [&] { corridos << "guardar"; return ResultadoGuardado::Guardado; };
    g.guardarComo = [&] { corridos << "guardarComo"; return ResultadoGuardado::Guardado; };
    g.abrir = [&] { corridos << "abrir"; };
    g.programar = [&] { corridos << "programar"; };
    g.leer = [&] { corridos << "leer"; };
    for (int id : {1, 2, 3, 12, 13}) QVERIFY(c.main->teclaRapida(id));
    QCOMPARE(corridos, QStringList({"guardar", "guardarComo", "abrir", "programar", "leer"}));
    QVERIFY(!c.main->teclaRapida(4));  // never taken
    QVERIFY(!c.main->teclaRapida(15));

    // The same commands from the toolbar; "tbNew" does nothing.
    corridos.clear();
    for (const char* b : {"tbOpen", "tbSave", "tbSaveAs", "tbLeer", "tbProgramar", "tbNew"}) c.accion(b)->trigger();
    QCOMPARE(corridos, QStringList({"abrir", "guardar", "guardarComo", "leer", "programar"}));
  }

  void lasTeclasMandanSobreUnaCajaDeTexto() {
    ConsolaPrueba c;
    int abiertos = 0;
    c.main->ganchos().abrir = [&] { ++abiertos; };
    activar(c);
    auto* caja = c.main->contenido(Vista::Globales)->findChild<QLineEdit*>();
    QVERIFY(caja != nullptr);
    caja->setText(QStringLiteral("texto"));
    caja->setFocus();
    QTRY_VERIFY(caja->hasFocus());
    QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(abiertos, 1);
    QCOMPARE(caja->selectedText(), QString());  // Ctrl+A opened a file, it did not select
  }

  // Pressed at start-up although hidden: the first click shows the window and
  // leaves the button pressed.
  void seguimientoPulsadoAlArrancar() {
    ConsolaPrueba c;
    QCOMPARE(estado(c, Vista::Seguimiento), (Estado{false, false, true}));
    c.accion("tbVerSeguimiento")->trigger();
    QCOMPARE(estado(c, Vista::Seguimiento), (Estado{true, true, true}));
    c.accion("tbVerSeguimiento")->trigger();
    QCOMPARE(estado(c, Vista::Seguimiento), (Estado{false, false, false}));
  }

  void menuDeVista() {
    ConsolaPrueba c;
    c.accion("menuVerInfo")->trigger();
    QCOMPARE(estado(c, Vista::Info), (Estado{false, false, false}));
    c.accion("menuVerInfo")->trigger();
    QCOMPARE(estado(c, Vista::Info), (Estado{true, true, true}));
  }

  void historico() {
    ConsolaPrueba c;
    QStringList pasos;
    auto visibleAhora = [&] { return c.visible(Vista::Historicos) ? "visible" : "oculto"; };
    c.main->ganchos().refrescarHistorial = [&] { pasos << QStringLiteral("Refrescar %1").arg(visibleAhora()); };
    c.main->ganchos().actualizarHistorial = [&] { pasos << QStringLiteral("mActualizar %1").arg(visibleAhora()); };

    // The view command: shown first, then asked for and filled.
    c.accion("tbVerHistoricos")->trigger();
    QCOMPARE(pasos, QStringList({"Refrescar visible", "mActualizar visible"}));
    QCOMPARE(estado(c, Vista::Historicos), (Estado{true, true, true}));
    QCOMPARE(c.main->subventana(Vista::Historicos)->windowTitle(), QStringLiteral("Histórico"));

    // Alt+H asks again and never hides.
    pasos.clear();
    QVERIFY(c.main->teclaRapida(14));
    QVERIFY(c.main->teclaRapida(14));
    QCOMPARE(pasos, QStringList({"Refrescar visible", "mActualizar visible", "Refrescar visible",
                                 "mActualizar visible"}));
    QCOMPARE(estado(c, Vista::Historicos), (Estado{true, true, true}));

    // Its close box closes it for good; it comes back new.
    QPointer<QMdiSubWindow> antes = c.main->subventana(Vista::Historicos);
    antes->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(antes.isNull());
    QCOMPARE(estado(c, Vista::Historicos), (Estado{false, false, false}));
    pasos.clear();
    QVERIFY(c.main->teclaRapida(14));  // Alt+H on a closed history: asked for, then shown
    QCOMPARE(pasos, QStringList({"Refrescar oculto", "mActualizar oculto"}));
    QVERIFY(c.visible(Vista::Historicos));
  }

  void laCruzOcultaSinCerrar() {
    ConsolaPrueba c;
    for (Vista v : {Vista::Entradas, Vista::Salidas, Vista::Especiales, Vista::Tree, Vista::Globales, Vista::Info}) {
      QMdiSubWindow* s = c.main->subventana(v);
      QVERIFY(!s->close());
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QCOMPARE(c.main->subventana(v), s);
      QCOMPARE(estado(c, v), (Estado{false, false, false}));
    }
    c.main->ejecutar(Comando::VerGlobales);
    QVERIFY(c.visible(Vista::Globales));
  }

  void organizar() {
    ConsolaPrueba c;
    const QSize area = c.main->area().viewport()->size();
    c.main->ejecutar(Comando::OrganizarHorizontal);
    QList<QMdiSubWindow*> visibles;
    for (QMdiSubWindow* s : c.main->area().subWindowList()) {
      if (s->isVisible()) visibles << s;
    }
    QCOMPARE(visibles.size(), 6);
    int anchos = 0;
    for (QMdiSubWindow* s : visibles) {
      QCOMPARE(s->y(), 0);
      QCOMPARE(s->height(), area.height());
      anchos += s->width();
    }
    QCOMPARE(anchos, area.width());

    c.main->ejecutar(Comando::OrganizarVertical);
    int altos = 0;
    for (QMdiSubWindow* s : visibles) {
      QCOMPARE(s->x(), 0);
      QCOMPARE(s->width(), area.width());
      altos += s->height();
    }
    QCOMPARE(altos, area.height());

    c.main->ejecutar(Comando::Cascada);
    QSet<int> arribas;
    for (QMdiSubWindow* s : visibles) arribas << s->y();
    QCOMPARE(arribas.size(), 6);
  }

  void ayuda() {
    ConsolaPrueba c;
    c.main->ejecutar(Comando::Ayuda);
    QVERIFY(c.abiertas.empty());
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});
    QVERIFY(c.dialogos.mostrados[0].texto.startsWith(QStringLiteral("No se encontró el manual")));

    QVERIFY(QDir(c.carpeta.path()).mkpath(QStringLiteral("manual")));
    QFile indice(c.carpeta.filePath(QStringLiteral("manual/index.html")));
    QVERIFY(indice.open(QIODevice::WriteOnly));
    indice.close();
    c.accion("tbAyuda")->trigger();
    QCOMPARE(c.abiertas.size(), std::size_t{1});
    QCOMPARE(c.abiertas[0], QUrl::fromLocalFile(indice.fileName()));
  }
};

QTEST_MAIN(PruebaVistas)
#include "main_vistas_test.moc"
