// Draws the trending window after the simulated panel's configuration was
// read and one input plotted for a while. With ORDA_CAPTURAS set to a
// folder, the pictures are saved there (for the manual and for looking at
// them).
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "banco_tendencia.h"
#include "gui/monitoring/lampara.h"
#include "gui/monitoring/pantalla_tendencia.h"

using namespace orda;
using namespace orda::gui;

class PruebaCapturasTendencia : public QObject {
  Q_OBJECT

  void guardar(QWidget& w, const QString& nombre) {
    const QPixmap p = w.grab();
    QVERIFY(!p.isNull());
    const QString carpeta = qEnvironmentVariable("ORDA_CAPTURAS");
    if (carpeta.isEmpty()) return;
    QDir().mkpath(carpeta);
    QVERIFY(p.save(QDir(carpeta).filePath(nombre + QStringLiteral(".png"))));
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

QTEST_MAIN(PruebaCapturasTendencia)
#include "capturas_tendencia_test.moc"
