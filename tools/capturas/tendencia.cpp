// Draws the trending window after the simulated panel's configuration was
// read and one input plotted for a while.
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "acciones/banco_acciones.h"
#include "capturas.h"
#include "gui/monitoring/lampara.h"
#include "gui/monitoring/pantalla_tendencia.h"
#include "gui/monitoring/ventana_tendencia.h"

using namespace orda;
using namespace orda::gui;

namespace orda::capturas {

class CapturasTendencia : public QObject {
  Q_OBJECT

  static void guardar(QWidget& w, const QString& nombre) {
    QVERIFY2(capturas::guardar(w.grab(), nombre), qPrintable(nombre));
  }

 private slots:
  void seguimiento() {
    ConsolaComandos c;
    c.accion("tbLeer")->trigger();
    c.esperar(30000);
    Trending& t = *dynamic_cast<Trending*>(c.main->cargar(Vista::Seguimiento));
    QCOMPARE(t.labelLedEntrada(0)->text(), QStringLiteral("PUERTA PPAL"));

    c.accion("tbVerSeguimiento")->trigger();  // it starts hidden
    QMdiSubWindow* s = c.main->subventana(Vista::Seguimiento);
    s->resize(s->size() - t.size() + QSize(800, 430));
    QVERIFY(QTest::qWaitForWindowExposed(&t));
    t.opcionCanal(3)->click();
    c.esperar(45000);
    const double H = t.pantalla()->height();
    QVERIFY(t.moverCursor(monitoring::Cursor::Superior, H * 0.22));
    QVERIFY(t.moverCursor(monitoring::Cursor::Inferior, H * 0.45));
    QTest::mouseMove(t.ledSalida(1));
    guardar(t, QStringLiteral("seguimiento"));

    t.opcionCanal(6)->click();
    c.esperar(30000);
    guardar(t, QStringLiteral("seguimiento_presion"));

    t.opcionCanal(0)->click();
    guardar(t, QStringLiteral("seguimiento_sin_canal"));
  }
};

std::unique_ptr<QObject> tendencia() { return std::make_unique<CapturasTendencia>(); }

}  // namespace orda::capturas

#include "tendencia.moc"
