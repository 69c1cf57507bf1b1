// The device information window on the simulated panel: what a typed command
// puts on the wire, what the console keeps for itself, the log and the layout.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "gui/comun/twips.h"
#include "core/config/globales.h"
#include "info/banco_enlace.h"
#include "core/link/textos.h"

using namespace orda;
using namespace orda::gui;

namespace {

void escribir(Info& info, const QString& texto) {
  info.Text1()->clear();
  QTest::keyClicks(info.Text1(), texto);
  QTest::keyClick(info.Text1(), Qt::Key_Return);
}

QString primeraLinea(const Info& info) { return info.mRT()->document()->firstBlock().text(); }

QColor colorPrimeraLinea(const Info& info) {
  return info.mRT()->document()->firstBlock().begin().fragment().charFormat().foreground().color();
}

}  // namespace

class PruebaInfo : public QObject {
  Q_OBJECT

 private slots:
  void conectadoEnVerdeYRespuestasEnNegroArriba() {
    BancoEnlace b;
    QCOMPARE(primeraLinea(*b.info), QStringLiteral("Conectado..."));
    QCOMPARE(colorPrimeraLinea(*b.info), QColor(0, 100, 0));
    escribir(*b.info, QStringLiteral("zz"));
    QCOMPARE(primeraLinea(*b.info), QStringLiteral("zz"));  // the echo, before the answer comes
    b.esperar(100);
    QCOMPARE(primeraLinea(*b.info), QStringLiteral("Comando no reconocido: zz"));
    QCOMPARE(colorPrimeraLinea(*b.info), QColor(0, 0, 0));
    QVERIFY(b.info->mRT()->toPlainText().endsWith(QStringLiteral("Conectado...\n\n")));
    b.info->Command1()->click();
    QVERIFY(b.info->mRT()->toPlainText().isEmpty());
  }

  void historialPedidoAMano() {
    BancoEnlace b;
    const std::size_t antes = b.escritos.size();
    escribir(*b.info, QStringLiteral("lh"));
    QCOMPARE(b.escritos.size(), antes + 1);
    const link::BufferReporte& r = b.escritos.back();
    QCOMPARE(r[1], 0x6C);
    QCOMPARE(r[2], 0x68);
    QCOMPARE(r[3], 0x0D);
    QCOMPARE(r[5], 0);
    QCOMPARE(primeraLinea(*b.info), QStringLiteral("lh"));
  }

  void relojDelPanel() {
    struct Caso {
      const char* como;
      std::array<int, 5> bytes;
    };
    for (const Caso& c : {Caso{"cH escrito", {'c', 'H', 0x09, 0x05, 0x07}}, Caso{"Command4", {'c', 'F', 0x31, 0x12, 0x25}}}) {
      BancoEnlace b;
      const std::size_t antes = b.escritos.size();
      if (c.bytes[1] == 'H') {
        escribir(*b.info, QStringLiteral("cH"));
        QCOMPARE(primeraLinea(*b.info), QStringLiteral("cH"));
      } else {
        QVERIFY(b.info->Command4_Click());
      }
      b.esperar(100);
      QCOMPARE(b.escritos.size(), antes + 1);  // the clock command, not the typed letters
      for (int i = 0; i < 5; ++i) QCOMPARE(int(b.escritos.back()[static_cast<std::size_t>(i + 1)]), c.bytes[static_cast<std::size_t>(i)]);
    }
  }

  void comandosDeLaConsola() {
    struct Caso {
      const char* texto;
      void (Info::*senal)();
    };
    for (const Caso& c : {Caso{"mi", &Info::mostrarMemoria}, Caso{"mh", &Info::mostrarHistorial},
                          Caso{"mH", &Info::actualizarHistorial}}) {
      BancoEnlace b;
      QSignalSpy espia(b.info.get(), c.senal);
      QSignalSpy otras(b.info.get(), c.senal == &Info::mostrarMemoria ? &Info::mostrarHistorial : &Info::mostrarMemoria);
      const std::size_t antes = b.escritos.size();
      escribir(*b.info, QString::fromLatin1(c.texto));
      QCOMPARE(espia.count(), 1);
      QCOMPARE(otras.count(), 0);
      QCOMPARE(b.escritos.size(), antes);  // nothing to the panel
      QCOMPARE(primeraLinea(*b.info), QString::fromLatin1(c.texto));
    }
  }

  // Version, serial and password; after Enter or "Enviar" the command stays,
  // selected in the focused field, so the next one typed replaces it.
  void identidadClaveYComandoSiguiente() {
    BancoEnlace b;
    Info& info = *b.info;
    info.show();
    QVERIFY(QTest::qWaitForWindowActive(&info));
    b.cfg.globales.text[config::caja::kClave] = "4321";
    escribir(info, QStringLiteral("V!203"));
    QCOMPARE(b.cfg.versionPanel, std::string("203"));
    QCOMPARE(std::string(reinterpret_cast<const char*>(&b.escritos.back()[1]), 6), std::string("V!203\r"));
    QCOMPARE(info.Text1()->text(), QStringLiteral("V!203"));
    QTest::keyClicks(info.Text1(), QStringLiteral("S!12345"));
    QTest::mouseClick(info.Command2(), Qt::LeftButton);
    QCOMPARE(b.cfg.serialPanel, std::string("12345"));
    QCOMPARE(std::string(reinterpret_cast<const char*>(&b.escritos.back()[1]), 8), std::string("S!12345\r"));
    QCOMPARE(info.Text1()->selectedText(), QStringLiteral("S!12345"));
    QCOMPARE(QApplication::focusWidget(), info.Text1());
    escribir(info, QStringLiteral("Hc"));
    QCOMPARE(info.Text1()->text(), QStringLiteral("Hc4321"));  // the password stays in view
    QCOMPARE(std::string(reinterpret_cast<const char*>(&b.escritos.back()[1]), 7), std::string("Hc4321\r"));
  }

  void comandoDemasiadoLargo() {
    QCOMPARE(Info::geometriaEn({900, 600}), QRect(600, 400, 300, 200));  // the bottom right ninth
    BancoEnlace b;
    const QString largo(62, QLatin1Char('x'));
    const std::size_t antes = b.escritos.size();
    escribir(*b.info, largo);
    QCOMPARE(b.escritos.size(), antes);
    QCOMPARE(b.dialogos.mostrados.size(), std::size_t(1));  // the console's box, once
    QCOMPARE(b.dialogos.mostrados[0].texto, QString::fromUtf8(link::textos::kComandoLargo));
    QCOMPARE(b.info->Text1()->text(), largo);  // left to be shortened
    QCOMPARE(primeraLinea(*b.info), largo);
    escribir(*b.info, largo.left(61));
    QCOMPARE(b.escritos.size(), antes + 1);
    QCOMPARE(int(b.escritos.back()[62]), 13);
  }
};

QTEST_MAIN(PruebaInfo)
#include "info_test.moc"
