// The start-up layout of the child windows, every case of its table, and the
// two tilings of our own.
#include <QTest>

#include "app/disposicion.h"
#include "app/mosaico.h"

using namespace orda::gui;

Q_DECLARE_METATYPE(Visibles)

namespace {

constexpr double W = 900;
constexpr double H = 900;

// {left, top, width, height}; NaN for "unchanged"; an empty list for "not touched".
using Esperada = QList<double>;

Esperada comoLista(const std::optional<Caja>& c) {
  if (!c) return {};
  return {c->izquierda.value_or(qQNaN()), c->arriba.value_or(qQNaN()), c->ancho, c->alto};
}

bool igual(const Esperada& a, const Esperada& b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i) {
    if (qIsNaN(a[i]) != qIsNaN(b[i])) return false;
    if (!qIsNaN(a[i]) && std::abs(a[i] - b[i]) > 1e-9) return false;
  }
  return true;
}

Visibles vis(const char* cuales) {
  Visibles v;
  const QByteArray s(cuales);
  v.globales = s.contains('G');
  v.entradas = s.contains('E');
  v.salidas = s.contains('S');
  v.especiales = s.contains('X');
  v.tree = s.contains('T');
  v.info = s.contains('I');
  v.seguimiento = s.contains('R');
  return v;
}

const double N = qQNaN();

}  // namespace

class PruebaDisposicion : public QObject {
  Q_OBJECT

 private slots:
  void casos_data() {
    QTest::addColumn<Visibles>("v");
    QTest::addColumn<Esperada>("entradas");
    QTest::addColumn<Esperada>("salidas");
    QTest::addColumn<Esperada>("especiales");
    QTest::addColumn<Esperada>("globales");
    QTest::addColumn<Esperada>("tree");
    QTest::addColumn<Esperada>("info");
    const Esperada no;

    // Start-up.
    QTest::newRow("arranque") << vis("GESXTI") << Esperada{302, 0, 600, 200} << Esperada{302, 200, 600, 200}
                              << Esperada{302, 400, 600, 200} << Esperada{N, N, 300, 900}
                              << Esperada{300, 600, 300, 300} << Esperada{600, 600, 300, 300};
    // Right column.
    QTest::newRow("sin globales, sin banda") << vis("ESX") << Esperada{0, 0, 900, 300} << Esperada{0, 300, 900, 300}
                                             << Esperada{0, 600, 900, 300} << no << no << no;
    QTest::newRow("una tabla, sin banda") << vis("GS") << no << Esperada{302, 0, 600, 900} << no
                                          << Esperada{N, N, 300, 900} << no << no;
    QTest::newRow("dos tablas con banda") << vis("GEXT") << Esperada{302, 0, 600, 300} << no
                                          << Esperada{302, 300, 600, 300} << Esperada{N, N, 300, 900}
                                          << Esperada{300, 600, 600, 300} << no;
    QTest::newRow("seguimiento ocupa la banda") << vis("ESR") << Esperada{0, 0, 900, 300}
                                                << Esperada{0, 300, 900, 300} << no << no << no << no;
    QTest::newRow("solo globales") << vis("G") << no << no << no << Esperada{N, N, 900, 900} << no << no;
    QTest::newRow("globales y banda") << vis("GTI") << no << no << no << Esperada{N, N, 900, 900}
                                      << Esperada{300, 600, 300, 300} << Esperada{600, 600, 300, 300};

    // The bottom band: globales, seguimiento and the partner.
    QTest::newRow("G, sin R, solo") << vis("GT") << no << no << no << Esperada{N, N, 900, 900}
                                    << Esperada{300, 600, 600, 300} << no;
    QTest::newRow("G, sin R, solo Info") << vis("GI") << no << no << no << Esperada{N, N, 900, 900} << no
                                         << Esperada{300, 600, 600, 300};
    QTest::newRow("G, R, solo") << vis("GRT") << no << no << no << Esperada{N, N, 900, 900}
                                << Esperada{450, 600, 450, 300} << no;
    QTest::newRow("G, R, ambos") << vis("GRTI") << no << no << no << Esperada{N, N, 900, 900}
                                 << Esperada{300, 600, 300, 300} << Esperada{600, 600, 300, 300};
    QTest::newRow("sin G, sin R, solo") << vis("T") << no << no << no << no << Esperada{0, 0, 900, 900} << no;
    QTest::newRow("sin G, sin R, ambos") << vis("TI") << no << no << no << no << Esperada{0, 0, 450, 900}
                                         << Esperada{450, 0, 450, 900};
    QTest::newRow("sin G, R, solo Info") << vis("RI") << no << no << no << no << no << Esperada{450, 0, 450, 900};
    QTest::newRow("sin G, R, ambos") << vis("RTI") << no << no << no << no << Esperada{300, 0, 300, 900}
                                     << Esperada{600, 0, 300, 900};
    QTest::newRow("sin G, tablas y banda") << vis("ETI") << Esperada{0, 0, 900, 600} << no << no << no
                                           << Esperada{0, 600, 450, 300} << Esperada{450, 600, 450, 300};
    QTest::newRow("nada visible") << vis("") << no << no << no << no << no << no;
  }

  void casos() {
    QFETCH(Visibles, v);
    const Disposicion d = disponer(v, W, H);
    const std::pair<const char*, const std::optional<Caja>*> ventanas[] = {
        {"entradas", &d.entradas}, {"salidas", &d.salidas}, {"especiales", &d.especiales},
        {"globales", &d.globales}, {"tree", &d.tree},       {"info", &d.info}};
    for (const auto& [nombre, caja] : ventanas) {
      const Esperada esperada = *static_cast<const Esperada*>(QTest::qData(nombre, qMetaTypeId<Esperada>()));
      const Esperada obtenida = comoLista(*caja);
      QVERIFY2(igual(obtenida, esperada), nombre);
    }
  }

  void mosaicosCubrenElAreaExacta() {
    const QSize area(1000, 700);
    const auto lado = mosaico(Mosaico::Horizontal, 3, area);
    QCOMPARE(lado.size(), std::size_t{3});
    QCOMPARE(lado[0], QRect(0, 0, 333, 700));
    QCOMPARE(lado[1], QRect(333, 0, 333, 700));
    QCOMPARE(lado[2], QRect(666, 0, 334, 700));
    const auto encima = mosaico(Mosaico::Vertical, 3, area);
    QCOMPARE(encima[0], QRect(0, 0, 1000, 233));
    QCOMPARE(encima[2].bottom(), 699);
    QVERIFY(mosaico(Mosaico::Vertical, 0, area).empty());
  }
};

QTEST_MAIN(PruebaDisposicion)
#include "disposicion_test.moc"
