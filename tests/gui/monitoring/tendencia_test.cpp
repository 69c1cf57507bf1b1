// The trending window in the console on the simulated panel: channels, the
// plot's pixels, cursor drags and readouts, lamps, hover and output forcing.
// Where samples land, the cursors' limits, the readouts' texts and the lamps'
// pictures are the core's (grafico_test); here, that the window shows them.
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>

#include "acciones/banco_acciones.h"
#include "gui/monitoring/cursores_tendencia.h"
#include "gui/monitoring/lampara.h"
#include "gui/monitoring/pantalla_tendencia.h"
#include "gui/monitoring/ventana_tendencia.h"

using namespace orda;
using namespace orda::gui;
using monitoring::Cursor;
namespace L = monitoring::lamparas;

namespace {

QString k(std::string_view s) { return q(s); }

// The console with Seguimiento shown (it starts hidden, its button pressed)
// and what the window puts in the status bar.
struct Banco : ConsolaComandos {
  Trending& t = *dynamic_cast<Trending*>(main->cargar(Vista::Seguimiento));
  QStringList mensajes;
  Banco() {
    QObject::connect(&t, &Trending::mensajeEstado, [this](const QString& m) { mensajes.append(m); });
  }
  void mostrar() { accion("tbVerSeguimiento")->trigger(); }
};

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
  // choosing one: the samples before it on the bottom clamp, the new one at
  // the right end; the hidden window still plots.
  void canalesLecturasLamparasYCursores() {
    Banco b;
    QVERIFY(b.t.opcionCanal(0)->isChecked());
    b.esperar(1000);
    QCOMPARE(b.cuantos("va") + b.cuantos("vA"), 0);
    QCOMPARE(lamparas(b.t), QStringList(12, k(L::kSinCanal)));
    QCOMPARE(lectura(b.t, Cursor::Superior), QStringLiteral("3.30V"));
    QCOMPARE(lectura(b.t, Cursor::Inferior), QStringLiteral("0.00V"));

    b.mostrar();
    b.t.opcionCanal(3)->click();
    QVERIFY(!b.t.pantalla()->dibujada());
    b.esperar(60);
    QCOMPARE(b.cuantos("vA"), 1);
    b.esperar(50);
    QCOMPARE(b.cuantos("va"), 1);
    QVERIFY(b.t.pantalla()->dibujada());
    const auto& h = b.t.historial();
    QCOMPARE(h[400], b.main->motor().consola().enlace().valoresAnalogicos()[2]);
    QVERIFY(h[400] > 85);

    const QImage img = b.t.pantalla()->grab().toImage();
    const int H = img.height();
    QCOMPARE(img.pixelColor(0, H - 1), Pantalla::kMuestras);
    const auto ultimo = monitoring::puntoMuestra(400, h[400], b.t.pantalla()->area());
    QCOMPARE(img.pixelColor(int(ultimo.x), int(ultimo.y)), Pantalla::kMuestras);

    b.mostrar();  // hidden again
    QVERIFY(!b.visible(Vista::Seguimiento));
    b.esperar(1000);
    QVERIFY(h[390] > 85);  // the hidden window still plots

    // The scaled readout follows the channel; a scale that overflows is told
    // once per cursor and the change goes on.
    b.cfg().entradas.ponerTexto(4, config::colEntradas::kEscalaValor, "10");
    b.cfg().entradas.ponerTexto(4, config::colEntradas::kEscalaUnidad, "BAR");
    b.cfg().entradas.ponerTexto(7, config::colEntradas::kEscalaValor, "1E400");
    b.t.opcionCanal(2)->click();
    QCOMPARE(h[390], std::int16_t{0});  // a new channel starts on a clean plot
    QVERIFY(b.t.moverCursor(Cursor::Superior, b.t.pantalla()->height() / 2.0));
    QCOMPARE(lectura(b.t, Cursor::Superior), QStringLiteral("1.65V"));
    QCOMPARE(lectura(b.t, Cursor::Superior, true), QStringLiteral("16.50BAR"));
    QCOMPARE(lectura(b.t, Cursor::Inferior, true), QStringLiteral("0.00BAR"));
    QVERIFY(b.mensajes.isEmpty());

    b.t.opcionCanal(5)->click();
    QCOMPARE(b.mensajes, QStringList(2, QStringLiteral("Error 6: Desbordamiento")));
    QCOMPARE(b.t.canal(), 5);  // the change went on
    b.esperar(200);
    QCOMPARE(b.mensajes.size(), 2);  // the answers' redraws say nothing
    QVERIFY(b.t.pantalla()->dibujada());

    // Channel 0 turns every lamp off at once, and a click then sends nothing;
    // with a channel, an output lamp forces its output and follows the panel.
    // The lamps' names come from the tables on a reload and again with each
    // answer.
    b.cfg().entradas.ponerTexto(3, config::colEntradas::kAlias, "PUERTA PPAL");
    b.cfg().salidas.ponerTexto(6, config::colSalidas::kAlias, "SIRENA");
    b.t.recargar();
    QCOMPARE(b.t.labelLedEntrada(0)->text(), QStringLiteral("PUERTA PPAL"));
    QCOMPARE(b.t.labelLedSalida(3)->text(), QStringLiteral("SIRENA"));
    b.cfg().entradas.ponerTexto(10, config::colEntradas::kAlias, "PANICO");
    b.mostrar();  // shown again
    b.t.opcionCanal(4)->click();
    b.esperar(300);
    QCOMPARE(b.t.labelLedEntrada(7)->text(), QStringLiteral("PANICO"));
    QVERIFY(!lamparas(b.t).contains(k(L::kSinCanal)));
    const bool encendida = b.t.ledSalida(2)->clave() == k(L::kRoja);

    QTest::mouseClick(b.t.ledSalida(2), Qt::LeftButton);
    QCOMPARE(b.cuantos("ts"), 1);
    QCOMPARE(b.t.ledSalida(2)->clave(), k(encendida ? L::kRoja : L::kApagada));  // until the panel says
    b.esperar(300);
    QCOMPARE(b.t.ledSalida(2)->clave(), k(encendida ? L::kApagada : L::kRoja));

    b.t.opcionCanal(0)->click();
    const int antes = b.cuantos("va");
    for (int i = 0; i < 4; ++i) QTest::mouseClick(b.t.ledSalida(i), Qt::LeftButton);
    b.esperar(1500);
    QCOMPARE(b.cuantos("ts") + b.cuantos("va"), 1 + antes);  // no force, no poll
    QCOMPARE(lamparas(b.t), QStringList(12, k(L::kSinCanal)));

    // Dragging an arrow moves its cursor and arrow (where a drag is
    // refused is the core's); a larger window keeps the cursors' voltages.
    Trending& t = b.t;
    QVERIFY(QTest::qWaitForWindowExposed(&t));
    const QRect p = t.pantalla()->geometry();
    const int cuarto = p.top() + p.height() / 4;

    arrastrar(t, Cursor::Superior, cuarto);
    QCOMPARE(t.cursores().superior, double(p.height() / 4));
    QCOMPARE(t.flecha(Cursor::Superior)->geometry().center().y(), cuarto);
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
