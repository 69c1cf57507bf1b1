// Draws the trending window after the simulated panel's configuration was
// read and one input plotted for a while.
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "capturas.h"
#include "monitoring/banco_tendencia.h"
#include "gui/monitoring/lampara.h"
#include "gui/monitoring/pantalla_tendencia.h"

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
    BancoTendencia b;
    QVERIFY(b.consola.leerProgramacion(b.ahora, false));
    b.avanzar(b.ahora + 20000);
    b.ventana->recargar();
    QCOMPARE(b.ventana->labelLedEntrada(0)->text(), QStringLiteral("PUERTA PPAL"));

    Trending& t = *b.ventana;
    t.resize(800, 430);
    t.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t));
    t.opcionCanal(3)->click();
    b.avanzar(b.ahora + 45000);
    const double H = t.pantalla()->height();
    QVERIFY(t.moverCursor(monitoring::Cursor::Superior, H * 0.22));
    QVERIFY(t.moverCursor(monitoring::Cursor::Inferior, H * 0.45));
    QTest::mouseMove(t.ledSalida(1));
    guardar(t, QStringLiteral("seguimiento"));

    t.opcionCanal(6)->click();
    b.avanzar(b.ahora + 30000);
    guardar(t, QStringLiteral("seguimiento_presion"));

    t.opcionCanal(0)->click();
    guardar(t, QStringLiteral("seguimiento_sin_canal"));
  }
};

std::unique_ptr<QObject> tendencia() { return std::make_unique<CapturasTendencia>(); }

}  // namespace orda::capturas

#include "tendencia.moc"
