// The trending window on the simulated panel: channels, the plot's pixels,
// cursor drags and readouts, lamps, hover and output forcing. Where samples
// land, the cursors' limits, the readouts' texts and the lamps' pictures are
// the core's (grafico_test); here, that the window shows them.
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>

#include "banco_tendencia.h"
#include "core/config/tablas.h"
#include "gui/monitoring/cursores_tendencia.h"
#include "gui/monitoring/lampara.h"
#include "gui/monitoring/pantalla_tendencia.h"

using namespace orda;
using namespace orda::gui;
using monitoring::Cursor;
namespace L = monitoring::lamparas;

namespace {

QString k(std::string_view s) { return q(s); }

QStringList lamparas(const Trending& t) {
  QStringList c;
  for (int i = 0; i < 8; ++i) c << t.ledEntrada(i)->clave();
  for (int i = 0; i < 4; ++i) c << t.ledSalida(i)->clave();
  return c;
}

QString lectura(const Trending& t, Cursor c, bool escalada = false) {
  return escalada ? t.lectura(c)->etiquetaB()->text() : t.lectura(c)->etiquetaA()->text();
}

// A drag of an arrow with the left button held to a height of the window.
void arrastrar(Trending& t, Cursor c, int yVentana) {
  QWidget* f = t.flecha(c);
  const QPoint local(f->width() / 2, yVentana - f->y());
  QMouseEvent m(QEvent::MouseMove, local, f->mapToGlobal(local), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(f, &m);
}

}  // namespace

class PruebaTendencia : public QObject {
  Q_OBJECT

 private slots:
  // Loaded without a channel nothing is polled. The first "E8" after
  // choosing one: 400 zeros on the bottom clamp, the new sample at the right
  // end; polling goes on while hidden.
  void primeraRespuestaYLecturasSegunElCanal() {
    BancoTendencia b;
    QVERIFY(b.ventana->opcionCanal(0)->isChecked());
    b.avanzar(3000);
    QCOMPARE(b.cuantos("va") + b.cuantos("vA"), 0);
    QCOMPARE(lamparas(*b.ventana), QStringList(12, k(L::kSinCanal)));
    QCOMPARE(lectura(*b.ventana, Cursor::Superior), QStringLiteral("3.30V"));
    QCOMPARE(lectura(*b.ventana, Cursor::Inferior), QStringLiteral("0.00V"));

    b.ventana->show();
    b.ventana->opcionCanal(3)->click();
    QVERIFY(!b.ventana->pantalla()->dibujada());
    b.avanzar(b.ahora + 60);
    QCOMPARE(b.cuantos("vA"), 1);
    b.avanzar(b.ahora + 50);
    QCOMPARE(b.cuantos("va"), 1);
    QVERIFY(b.ventana->pantalla()->dibujada());
    const auto& h = b.ventana->historial();
    for (int x = 0; x < 400; ++x) QCOMPARE(h[x], std::int16_t{0});
    QCOMPARE(h[400], b.consola.enlace().valoresAnalogicos()[2]);
    QVERIFY(h[400] > 85);

    const QImage img = b.ventana->pantalla()->grab().toImage();
    const int H = img.height();
    QCOMPARE(img.pixelColor(0, H - 1), Pantalla::kMuestras);
    const auto ultimo = monitoring::puntoMuestra(400, h[400], b.ventana->pantalla()->area());
    QCOMPARE(img.pixelColor(int(ultimo.x), int(ultimo.y)), Pantalla::kMuestras);

    b.ventana->close();  // on its own the window only hides
    QVERIFY(b.ventana->isHidden());
    const int antes = b.cuantos("va");
    b.avanzar(b.ahora + 1000);
    QCOMPARE(b.cuantos("va"), antes + 10);
    QVERIFY(h[390] > 85);  // the hidden window still plots

    // The scaled readout follows the channel; a scale that overflows is told
    // once per cursor and the change goes on.
    b.cfg.entradas.ponerTexto(4, config::colEntradas::kEscalaValor, "10");
    b.cfg.entradas.ponerTexto(4, config::colEntradas::kEscalaUnidad, "BAR");
    b.cfg.entradas.ponerTexto(7, config::colEntradas::kEscalaValor, "1E400");
    b.ventana->opcionCanal(2)->click();
    QVERIFY(b.ventana->moverCursor(Cursor::Superior, b.ventana->pantalla()->height() / 2.0));
    QCOMPARE(lectura(*b.ventana, Cursor::Superior), QStringLiteral("1.65V"));
    QCOMPARE(lectura(*b.ventana, Cursor::Superior, true), QStringLiteral("16.50BAR"));
    QCOMPARE(lectura(*b.ventana, Cursor::Inferior, true), QStringLiteral("0.00BAR"));
    QVERIFY(b.mensajes.isEmpty());

    b.ventana->opcionCanal(5)->click();
    QCOMPARE(b.mensajes, QStringList(2, QStringLiteral("Error 6: Desbordamiento")));
    QCOMPARE(b.ventana->canal(), 5);  // the change went on
    b.avanzar(b.ahora + 200);
    QCOMPARE(b.mensajes.size(), 2);  // the answers' redraws say nothing
    QVERIFY(b.ventana->pantalla()->dibujada());
  }

  // Channel 0 turns every lamp off at once, and a click then sends nothing;
  // with a channel, output lamp 3 sends "ts3" and the lamp follows the panel.
  // The lamps' names come from the tables on a reload and again with each answer.
  void forzarSalidasCursoresYLamparas() {
    BancoTendencia b;
    b.cfg.entradas.ponerTexto(3, config::colEntradas::kAlias, "PUERTA PPAL");
    b.cfg.salidas.ponerTexto(6, config::colSalidas::kAlias, "SIRENA");
    b.ventana->recargar();
    QCOMPARE(b.ventana->labelLedEntrada(0)->text(), QStringLiteral("PUERTA PPAL"));
    QCOMPARE(b.ventana->labelLedSalida(3)->text(), QStringLiteral("SIRENA"));
    b.cfg.entradas.ponerTexto(10, config::colEntradas::kAlias, "PANICO");
    b.ventana->show();
    b.ventana->opcionCanal(4)->click();
    b.avanzar(b.ahora + 300);
    QCOMPARE(b.ventana->labelLedEntrada(7)->text(), QStringLiteral("PANICO"));
    QVERIFY(!lamparas(*b.ventana).contains(k(L::kSinCanal)));
    const bool encendida = b.ventana->ledSalida(2)->clave() == k(L::kRoja);

    QTest::mouseClick(b.ventana->ledSalida(2), Qt::LeftButton);
    QCOMPARE(b.enviados.back(), std::string("ts3"));
    QCOMPARE(b.ventana->ledSalida(2)->clave(), k(encendida ? L::kRoja : L::kApagada));  // until the panel says
    b.avanzar(b.ahora + 300);
    QCOMPARE(b.ventana->ledSalida(2)->clave(), k(encendida ? L::kApagada : L::kRoja));

    b.ventana->opcionCanal(0)->click();
    const auto antes = b.enviados.size();
    for (int i = 0; i < 4; ++i) QTest::mouseClick(b.ventana->ledSalida(i), Qt::LeftButton);
    b.avanzar(b.ahora + 1500);
    QCOMPARE(b.enviados.size(), antes);  // no force, no poll
    QCOMPARE(lamparas(*b.ventana), QStringList(12, k(L::kSinCanal)));

    // Dragging an arrow moves its cursor, readout and arrow (where a drag is
    // refused is the core's); a larger window keeps the cursors' voltages.
    Trending& t = *b.ventana;
    QVERIFY(QTest::qWaitForWindowExposed(&t));
    const QRect p = t.pantalla()->geometry();
    const int cuarto = p.top() + p.height() / 4;

    arrastrar(t, Cursor::Superior, cuarto);
    QCOMPARE(t.cursores().superior, double(p.height() / 4));
    QCOMPARE(t.flecha(Cursor::Superior)->geometry().center().y(), cuarto);
    QCOMPARE(lectura(t, Cursor::Superior),
             q(monitoring::lecturaVoltios(monitoring::voltajeCursor(p.height() / 4, p.height()))));
    arrastrar(t, Cursor::Inferior, cuarto + 1);
    QCOMPARE(t.cursores().inferior, double(p.height() / 4 + 1));

    const QString voltios = lectura(t, Cursor::Inferior);
    t.resize(t.width(), t.height() * 2);
    QCOMPARE(lectura(t, Cursor::Inferior), voltios);

    // The lamps follow the states; the pressed look follows the mouse from
    // lamp to lamp and stays through the answers.
    t.elegirCanal(1);
    t.actLedEntradas(link::EstadoEntradas{0, 1, 2});
    QCOMPARE(t.ledEntrada(2)->clave(), k(L::kAmarilla));
    t.actLedSalidas(link::EstadoSalidas{-1, 0, 0, 0});
    QCOMPARE(t.ledSalida(0)->cursor().shape(), Qt::BitmapCursor);  // the lamp cursor
    QTest::mouseMove(t.ledSalida(0));
    QCOMPARE(t.ledSalida(0)->clave(), k(L::kRojaPresionada));
    QTest::mouseMove(t.ledSalida(1));
    QCOMPARE(t.ledSalida(0)->clave(), k(L::kRoja));
    QCOMPARE(t.ledSalida(1)->clave(), k(L::kApagadaPresionada));
    t.actLedSalidas(link::EstadoSalidas{0, -1, 0, 0});  // the next answer keeps it pressed
    QCOMPARE(t.ledSalida(1)->clave(), k(L::kRojaPresionada));
    QTest::mouseMove(&t, QPoint(2, 2));  // the background
    t.actLedSalidas(link::EstadoSalidas{0, -1, 0, 0});
    QCOMPARE(t.ledSalida(1)->clave(), k(L::kRoja));
  }
};

QTEST_MAIN(PruebaTendencia)
#include "tendencia_test.moc"
