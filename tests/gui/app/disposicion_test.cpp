// The start-up layout of the child windows, every case of its table, and a
// cascade too large for its area.
#include <QTest>

#include "gui/app/disposicion.h"
#include "gui/app/mosaico.h"

using namespace orda::gui;

namespace {

// "GESXTI" (globales, entradas, salidas, especiales, tree, info) and R for
// the trending window.
Visibles vis(const QString& cuales) {
  Visibles v;
  v.globales = cuales.contains('G');
  v.entradas = cuales.contains('E');
  v.salidas = cuales.contains('S');
  v.especiales = cuales.contains('X');
  v.tree = cuales.contains('T');
  v.info = cuales.contains('I');
  v.seguimiento = cuales.contains('R');
  return v;
}

// Each window placed, as "E left top width height", "-" for an unchanged
// coordinate; the windows left alone do not appear.
QString describir(const Disposicion& d) {
  const std::pair<char, const std::optional<Caja>*> ventanas[] = {
      {'E', &d.entradas}, {'S', &d.salidas}, {'X', &d.especiales}, {'G', &d.globales}, {'T', &d.tree}, {'I', &d.info}};
  auto n = [](std::optional<double> x) { return x ? QString::number(*x) : QStringLiteral("-"); };
  QStringList r;
  for (const auto& [letra, c] : ventanas) {
    if (*c) r << QStringLiteral("%1 %2 %3 %4 %5").arg(letra).arg(n((*c)->izquierda), n((*c)->arriba)).arg((*c)->ancho).arg((*c)->alto);
  }
  return r.join(QStringLiteral(", "));
}

}  // namespace

class PruebaDisposicion : public QObject {
  Q_OBJECT

 private slots:
  // W = H = 900.
  void casos_data() {
    QTest::addColumn<QString>("visibles");
    QTest::addColumn<QString>("cajas");
    // Start-up (all six) is drawn through the console itself (main_arranque_test).
    // Right column.
    QTest::newRow("sin globales, sin banda") << "ESX" << "E 0 0 900 300, S 0 300 900 300, X 0 600 900 300";
    QTest::newRow("dos tablas, sin banda") << "GES" << "E 302 0 600 450, S 302 450 600 450, G - - 300 900";
    QTest::newRow("una tabla, sin banda") << "GS" << "S 302 0 600 900, G - - 300 900";
    QTest::newRow("dos tablas con banda") << "GEXT" << "E 302 0 600 300, X 302 300 600 300, G - - 300 900, T 300 600 600 300";
    QTest::newRow("seguimiento ocupa la banda") << "ESR" << "E 0 0 900 300, S 0 300 900 300";
    QTest::newRow("solo globales") << "G" << "G - - 900 900";
    QTest::newRow("globales y banda") << "GTI" << "G - - 900 900, T 300 600 300 300, I 600 600 300 300";
    // The bottom band: globales, seguimiento and the partner.
    QTest::newRow("G, sin R, solo Info") << "GI" << "G - - 900 900, I 300 600 600 300";
    QTest::newRow("G, R, solo") << "GRT" << "G - - 900 900, T 450 600 450 300";
    QTest::newRow("G, R, ambos") << "GRTI" << "G - - 900 900, T 300 600 300 300, I 600 600 300 300";
    QTest::newRow("sin G, sin R, solo") << "T" << "T 0 0 900 900";
    QTest::newRow("sin G, sin R, ambos") << "TI" << "T 0 0 450 900, I 450 0 450 900";
    QTest::newRow("sin G, R, solo Info") << "RI" << "I 450 0 450 900";
    QTest::newRow("sin G, R, ambos") << "RTI" << "T 300 0 300 900, I 600 0 300 900";
    QTest::newRow("sin G, tablas y banda") << "ETI" << "E 0 0 900 600, T 0 600 450 300, I 450 600 450 300";
  }

  void casos() {
    QFETCH(QString, visibles);
    QFETCH(QString, cajas);
    QCOMPARE(describir(disponer(vis(visibles), 900, 900)), cajas);
  }

  // Many windows in a small area: three quarters of it each, and the
  // staircase starts again before leaving it.
  void cascadaQueNoCabe() {
    const QRect area(0, 0, 400, 300);
    const auto cajas = cascada(8, area.size(), 25);
    QList<int> arribas;
    for (const QRect& r : cajas) {
      QCOMPARE(r.size(), QSize(300, 225));
      QVERIFY(area.contains(r));
      arribas << r.y();
    }
    QCOMPARE(arribas, (QList<int>{0, 25, 50, 75, 0, 25, 50, 75}));
  }
};

QTEST_MAIN(PruebaDisposicion)
#include "disposicion_test.moc"
