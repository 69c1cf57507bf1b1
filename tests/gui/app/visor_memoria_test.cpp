// The memory viewer: its lines at the first and the last scroll position.
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "gui/app/visor_memoria.h"

using namespace orda;
using namespace orda::gui;

class PruebaVisorMemoria : public QObject {
  Q_OBJECT

  imagen::ImagenMemoria img_{};

 private slots:
  void init() {
    for (std::size_t i = 0; i < img_.size(); ++i) img_[i] = static_cast<std::uint8_t>(i * 7);
    img_[0] = 0x05;  // a leading zero
    img_[12287] = 0xAB;
    img_[12288] = 0xCD;  // past the panel's memory: never shown
  }

  void lineas() {
    QCOMPARE(lineaMemoria(img_, 0), QStringLiteral("1C000H  05 07 0E 15 1C 23 2A 31 38 3F 46 4D 54 5B 62 69"));
    const QStringList primera = textoMemoria(img_, 0).split(QStringLiteral("\r\n"));
    QCOMPARE(primera.size(), 17);  // sixteen lines, each ended by CR LF
    QVERIFY(primera.last().isEmpty());
    QVERIFY(primera[15].startsWith(QStringLiteral("1C0F0H  ")));

    const QStringList ultima = textoMemoria(img_, kUltimaPrimeraLinea).split(QStringLiteral("\r\n"));
    QVERIFY(ultima[0].startsWith(QStringLiteral("1EF00H  ")));
    QVERIFY(ultima[15].startsWith(QStringLiteral("1EFF0H  ")));
    QVERIFY(ultima[15].endsWith(QStringLiteral(" AB")));
    QCOMPARE(ultima[15].size(), 7 + 16 * 3);
  }

  void ventana() {
    Form1 f(img_);
    f.show();
    QCOMPARE(f.windowTitle(), QStringLiteral("Memoria interna"));
    QCOMPARE(f.sb()->minimum(), 0);
    QCOMPARE(f.sb()->maximum(), 752);
    QStringList l = f.Text1()->toPlainText().split('\n');
    QCOMPARE(l.size(), 16);
    QCOMPARE(l[0], lineaMemoria(img_, 0));

    f.sb()->setValue(752);  // the scroll bar's change redraws
    l = f.Text1()->toPlainText().split('\n');
    QCOMPARE(l[0], lineaMemoria(img_, 752));
    QCOMPARE(l[15], lineaMemoria(img_, 767));

    img_[12287] = 0x01;  // a transfer changed the image: redrawn on request
    f.sb_Change();
    QVERIFY(f.Text1()->toPlainText().endsWith(QStringLiteral(" 01")));

    // The sixteen lines fit the box, and the longest of them.
    const QFontMetrics m(f.Text1()->font());
    QVERIFY(f.Text1()->height() >= 16 * m.height());
    QVERIFY(f.Text1()->width() >= m.horizontalAdvance(l[15]));
  }
};

QTEST_MAIN(PruebaVisorMemoria)
#include "visor_memoria_test.moc"
