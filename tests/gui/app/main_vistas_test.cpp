// Showing and hiding the child windows (menu, toolbar, hot keys, close box),
// the arrangement commands and the help.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QToolBar>
#include <algorithm>

#include "consola_prueba.h"
#include "gui/history/historico.h"

using namespace orda;
using namespace orda::gui;

namespace {

// Window shown, menu item checked, toolbar button pressed: "1" or "0" each.
QString estado(ConsolaPrueba& c, Vista v) {
  return QStringLiteral("%1%2%3").arg(c.visible(v)).arg(c.main->menuMarcado(v)).arg(c.main->botonPulsado(v));
}

}  // namespace

class PruebaVistas : public QObject {
  Q_OBJECT

  static void activar(ConsolaPrueba& c) {
    c.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(c.main.get()));
  }

 private slots:
  // Each view's key, pressed twice: hidden (not destroyed), then shown again.
  void teclaDeVistaDosVeces_data() {
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("vista");
    const std::pair<Qt::Key, Vista> teclas[] = {{Qt::Key_F3, Vista::Entradas}, {Qt::Key_F4, Vista::Salidas},
                                                {Qt::Key_F5, Vista::Globales},  {Qt::Key_F6, Vista::Tree},
                                                {Qt::Key_F7, Vista::Especiales}, {Qt::Key_F8, Vista::Seguimiento},
                                                {Qt::Key_F9, Vista::Info}};
    for (const auto& [t, v] : teclas) QTest::addRow("%s", qPrintable(QKeySequence(t).toString())) << int(t) << int(v);
  }
  void teclaDeVistaDosVeces() {
    QFETCH(int, tecla);
    QFETCH(int, vista);
    ConsolaPrueba c;
    activar(c);
    const Vista v = static_cast<Vista>(vista);
    const QString antes = estado(c, v);
    QCOMPARE(antes, QString(v == Vista::Seguimiento ? "001" : "111"));
    QTest::keyClick(c.main.get(), static_cast<Qt::Key>(tecla));
    QCOMPARE(estado(c, v), QString(v == Vista::Seguimiento ? "111" : "000"));
    QVERIFY(c.main->subventana(v) != nullptr);
    QTest::keyClick(c.main.get(), static_cast<Qt::Key>(tecla));
    QCOMPARE(estado(c, v), QString(v == Vista::Seguimiento ? "000" : "111"));
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
    QCOMPARE(estado(c, Vista::Seguimiento), QString("001"));
    c.accion("tbVerSeguimiento")->trigger();
    QCOMPARE(estado(c, Vista::Seguimiento), QString("111"));
    // Two thirds of the inner width, again when the windows are laid out.
    QWidget* interior = c.main->area().viewport();
    QCOMPARE(c.main->subventana(Vista::Seguimiento)->width(), interior->width() * 2 / 3);
    const int antes = interior->width();
    c.main->resize(c.main->width() - 300, c.main->height());
    QTRY_VERIFY(interior->width() < antes);
    c.main->disponerVentanas();
    QCOMPARE(c.main->subventana(Vista::Seguimiento)->width(), interior->width() * 2 / 3);
    c.accion("tbVerSeguimiento")->trigger();
    QCOMPARE(estado(c, Vista::Seguimiento), QString("000"));
  }

  void menuDeVista() {
    ConsolaPrueba c;
    c.accion("menuVerInfo")->trigger();
    QCOMPARE(estado(c, Vista::Info), QString("000"));
    c.accion("menuVerInfo")->trigger();
    QCOMPARE(estado(c, Vista::Info), QString("111"));
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
    QCOMPARE(estado(c, Vista::Historicos), QString("111"));
    QCOMPARE(c.main->subventana(Vista::Historicos)->windowTitle(), QStringLiteral("Histórico"));
    const auto* h = qobject_cast<Historico*>(c.main->contenido(Vista::Historicos));
    QCOMPARE(h->width(), h->anchoVentana());  // the sub-window's frame around it: every column shows

    // Alt+H asks again and never hides.
    pasos.clear();
    QVERIFY(c.main->teclaRapida(14));
    QVERIFY(c.main->teclaRapida(14));
    QCOMPARE(pasos, QStringList({"Refrescar visible", "mActualizar visible", "Refrescar visible",
                                 "mActualizar visible"}));
    QCOMPARE(estado(c, Vista::Historicos), QString("111"));

    // Its close box closes it for good; it comes back new.
    QPointer<QMdiSubWindow> antes = c.main->subventana(Vista::Historicos);
    antes->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(antes.isNull());
    QCOMPARE(estado(c, Vista::Historicos), QString("000"));
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
      QCOMPARE(estado(c, v), QString("000"));
    }
    c.main->ejecutar(Comando::VerGlobales);
    QVERIFY(c.visible(Vista::Globales));
  }

  // Each command reaches the six visible windows. "Mosaico horizontal"
  // stacks them full width, "Mosaico vertical" puts them side by side full
  // height, each covering the area to the pixel; "Cascada" staggers them by a
  // title bar, each at least three quarters of the area and inside it.
  void organizar() {
    ConsolaPrueba c;
    const QRect area(QPoint(0, 0), c.main->area().viewport()->size());
    QList<QMdiSubWindow*> visibles;
    for (QMdiSubWindow* s : c.main->area().subWindowList(QMdiArea::StackingOrder)) {
      if (s->isVisible()) visibles << s;
    }
    QCOMPARE(visibles.size(), 6);
    for (Comando comando : {Comando::OrganizarHorizontal, Comando::OrganizarVertical}) {
      c.main->ejecutar(comando);
      const bool apiladas = comando == Comando::OrganizarHorizontal;
      QList<QRect> cajas;
      for (QMdiSubWindow* s : visibles) cajas << s->geometry();
      std::sort(cajas.begin(), cajas.end(), [](const QRect& a, const QRect& b) { return a.x() + a.y() < b.x() + b.y(); });
      int borde = 0;
      for (const QRect& r : cajas) {
        QCOMPARE(r, apiladas ? QRect(0, borde, area.width(), r.height()) : QRect(borde, 0, r.width(), area.height()));
        borde += apiladas ? r.height() : r.width();
      }
      QCOMPARE(borde, apiladas ? area.height() : area.width());
    }
    c.main->ejecutar(Comando::Cascada);
    const int paso = visibles[1]->y() - visibles[0]->y();
    QCOMPARE(paso, visibles[0]->widget()->y());  // a whole title bar shows
    for (qsizetype i = 0; i < visibles.size(); ++i) {
      const QRect r = visibles[i]->geometry();
      QCOMPARE(r.topLeft(), QPoint(int(i) * paso, int(i) * paso));
      QVERIFY(area.contains(r));
      QVERIFY(r.width() * 4 >= area.width() * 3 && r.height() * 4 >= area.height() * 3);
    }
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
