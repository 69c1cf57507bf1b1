// Start-up of the console: the windows it shows and where, and the simulated
// panel reaching the status bar.
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTextEdit>
#include <cmath>

#include "gui/app/avisos.h"
#include "gui/app/opciones.h"
#include "gui/app/visor_memoria.h"
#include "gui/history/historico.h"
#include "gui/comun/twips.h"
#include "consola_prueba.h"

using namespace orda;
using namespace orda::gui;

class PruebaArranque : public QObject {
  Q_OBJECT

 private slots:
  void estadoTrasArranque() {
    ConsolaPrueba c;
    QVERIFY(c.main->isVisible());
    QVERIFY(!c.main->comunicacion()->isVisible());
    QVERIFY(c.main->motor().conectado());
    QCOMPARE(c.main->windowTitle(), QStringLiteral("OrDA - Ordavix - V2.02"));
    QVERIFY(c.main->teclasTomadas());
    QVERIFY(!c.main->cerrandoPrograma());
    for (Vista v : {Vista::Entradas, Vista::Salidas, Vista::Especiales, Vista::Tree, Vista::Seguimiento,
                    Vista::Globales, Vista::Info}) {
      const QMdiSubWindow* s = c.main->subventana(v);
      QVERIFY(s != nullptr);  // Trending is loaded although hidden
      QCOMPARE(s->isVisible(), v != Vista::Seguimiento);
      QCOMPARE(c.main->menuMarcado(v), v != Vista::Seguimiento);
      QVERIFY(!s->windowIcon().isNull());
    }
    QVERIFY(c.main->subventana(Vista::Historicos) == nullptr);  // not loaded until asked for
    QVERIFY(!c.main->menuMarcado(Vista::Historicos));
    QVERIFY(c.main->subventanaMemoria() == nullptr);  // the memory viewer, too
    c.main->visorMemoria();
    QVERIFY(!c.main->subventanaMemoria()->isVisible());
    QCOMPARE(c.main->subventanaMemoria()->windowTitle(), QStringLiteral("Memoria interna"));
    // The last window shown is the active one.
    QCOMPARE(c.main->area().activeSubWindow(), c.main->subventana(Vista::Globales));
  }

  // Globales W/3 wide and H high; the three tables 2W/3 wide and 2H/9 high at
  // W/3 + 2 (twips), tops 0, 2H/9, 4H/9; Tree and Info W/3 wide and H/3 high
  // at 2H/3, at W/3 and 2W/3.
  void disposicionAlArrancar() {
    ConsolaPrueba c(false);
    c.main->resize(1500, 1000);
    c.main->arrancar();
    const QSize a = c.main->area().viewport()->size();
    const double t = twipsPorPixel();
    const double W = a.width() * t;
    const double H = a.height() * t;
    auto px = [t](double tw) { return static_cast<int>(std::lround(tw / t)); };
    auto geo = [&](Vista v) { return c.main->subventana(v)->geometry(); };
    QCOMPARE(geo(Vista::Globales), QRect(0, 0, px(W / 3), px(H)));
    const int izq = px(W / 3 + 2);
    QCOMPARE(geo(Vista::Entradas), QRect(izq, 0, px(2 * W / 3), px(2 * H / 9)));
    QCOMPARE(geo(Vista::Salidas), QRect(izq, px(2 * H / 9), px(2 * W / 3), px(2 * H / 9)));
    QCOMPARE(geo(Vista::Especiales), QRect(izq, px(4 * H / 9), px(2 * W / 3), px(2 * H / 9)));
    QCOMPARE(geo(Vista::Tree), QRect(px(W / 3), px(2 * H / 3), px(W / 3), px(H / 3)));
    QCOMPARE(geo(Vista::Info), QRect(px(2 * W / 3), px(2 * H / 3), px(W / 3), px(H / 3)));
  }

  void panelSimuladoSeEnchufaYResponde() {
    ConsolaPrueba c;
    auto* info = c.main->contenido(Vista::Info)->findChild<QTextEdit*>(QStringLiteral("mRT"));
    QVERIFY(info != nullptr);
    c.avanzar(400);
    QCOMPARE(c.estado(5).texto(), QString());
    c.avanzar(700);  // plugged about half a second after start-up
    QCOMPARE(c.estado(5).texto(), QStringLiteral("   Conectado"));
    QCOMPARE(c.estado(5).imagen(), QStringLiteral("COMOK_OLD"));
    QVERIFY(info->toPlainText().startsWith(QStringLiteral("Conectado...")));

    QCOMPARE(c.cuantos("sq"), 0);
    c.avanzar(5100);  // the signal poll, five seconds after start-up
    QCOMPARE(c.cuantos("sq"), 1);
    const QMap<QString, QString> niveles{{"Sin señal", "L0_INT"}, {"Mala", "L1"},      {"Regular", "L2"},
                                         {"Buena", "L3"},         {"Muy buena", "L4"}, {"Excelente", "L5"}};
    QVERIFY2(niveles.contains(c.estado(1).texto()), qPrintable(c.estado(1).texto()));
    QCOMPARE(c.estado(1).imagen(), niveles.value(c.estado(1).texto()));

    // A click on panel 1 switches the poll off, another on again.
    QTest::mouseClick(&c.estado(1), Qt::LeftButton);
    QCOMPARE(c.estado(1).imagen(), QStringLiteral("L0X"));
    QCOMPARE(c.estado(1).texto(), QString());
    c.avanzar(20100);
    QCOMPARE(c.cuantos("sq"), 1);
    QTest::mouseClick(&c.estado(1), Qt::LeftButton);
    QCOMPARE(c.estado(1).imagen(), QStringLiteral("L0_INT"));
    c.avanzar(25100);
    QCOMPARE(c.cuantos("sq"), 2);
    QVERIFY(!c.estado(1).texto().isEmpty());

    c.panel().desenchufar();
    c.avanzar(25200);
    QCOMPARE(c.estado(5).texto(), QStringLiteral("No conectado"));
    QCOMPARE(c.estado(5).imagen(), QStringLiteral("NOTCOM2"));
    QVERIFY(info->toPlainText().startsWith(QStringLiteral("Desconectado...")));
  }

  void lecturaConProgresoYVisorDeMemoria() {
    ConsolaPrueba c;
    QSignalSpy leida(c.main.get(), &Main::configuracionLeida);
    c.avanzar(1600);
    QVERIFY(c.main->teclaRapida(13));  // Alt+L
    c.avanzar(30000);
    QCOMPARE(leida.size(), 1);
    QCOMPARE(c.cuantos("lt"), 1);
    QCOMPARE(c.cuantos("lh"), 1);  // the history follows the read
    QCOMPARE(c.estado(2).texto(), QStringLiteral(" 100%"));
    QVERIFY(!c.estado(3).texto().isEmpty());
    QVERIFY(!c.estado(4).texto().isEmpty());
    QCOMPARE(c.main->subventanaMemoria()->windowTitle(),
             QStringLiteral("Memoria interna de registros históricos"));
    QCOMPARE(c.main->visorMemoria().Text1()->toPlainText().split('\n').first(),
             lineaMemoria(c.main->imagenMemoria(), 0));
  }

  // The history window asks through Info (echoed in the log) and fills
  // itself when the transfer ends.
  void historialDelPanelSimulado() {
    ConsolaPrueba c;
    c.avanzar(1600);
    c.accion("tbVerHistoricos")->trigger();
    QCOMPARE(c.cuantos("lh"), 1);
    auto* h = qobject_cast<Historico*>(c.main->contenido(Vista::Historicos));
    QVERIFY(h != nullptr);
    QCOMPARE(h->cantidadRegistros(), 0);
    c.avanzar(10000);
    QVERIFY(h->cantidadRegistros() > 0);
    auto* info = c.main->contenido(Vista::Info)->findChild<QTextEdit*>(QStringLiteral("mRT"));
    QVERIFY(info->toPlainText().contains(QStringLiteral("lh")));

  }

  void opcionesDeLaLineaDeComandos() {
    auto leer = [](QStringList a) {
      a.prepend(QStringLiteral("orda"));
      return leerOpciones(a);
    };
    QVERIFY(!leer({}).opciones->simular);
    const auto sim = leer({"--simulate", "--latency-ms", "25"});
    QVERIFY(sim.opciones && sim.opciones->simular);
    QCOMPARE(sim.opciones->latenciaMs, 25);
    for (const QStringList& malo : {QStringList{"--latency-ms", "5"}, QStringList{"--simulate", "--latency-ms", "x"},
                                    QStringList{"--nada"}, QStringList{"archivo.dat"}}) {
      const auto r = leer(malo);
      QVERIFY2(!r.opciones && r.codigo == 2 && !r.salida.isEmpty(), qPrintable(malo.join(' ')));
    }
    const auto ayuda = leer({"--help"});
    QVERIFY(!ayuda.opciones && ayuda.codigo == 0 && ayuda.salida.contains("--simulate"));
    QVERIFY(pideAyudaOVersion({"orda", "--version"}));
    QVERIFY(!pideAyudaOVersion({"orda", "--simulate"}));
  }
};

QTEST_MAIN(PruebaArranque)
#include "main_arranque_test.moc"
