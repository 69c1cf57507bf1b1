// The device information window on the simulated panel: the log, what the
// field keeps after a command, the console's own commands and the refusals.
// What each typed command puts on the wire is tested in the core.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "core/link/textos.h"
#include "info/banco_enlace.h"

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

  // The date button sends the date of the computer's clock.
  void fechaDelPanel() {
    BancoEnlace b;
    QVERIFY(b.info->Command4_Click());
    b.esperar(100);
    const link::BufferReporte& r = b.escritos.back();
    QCOMPARE(std::string(r.begin() + 1, r.begin() + 3), std::string("cF"));
    QCOMPARE(int(r[3]), 0x31);
    QCOMPARE(int(r[5]), 0x25);
  }

  void comandosDeLaConsola() {
    struct Caso {
      const char* texto;
      void (Info::*senal)();
    };
    BancoEnlace b;
    for (const Caso& c : {Caso{"mi", &Info::mostrarMemoria}, Caso{"mh", &Info::mostrarHistorial},
                          Caso{"mH", &Info::actualizarHistorial}}) {
      QSignalSpy espia(b.info.get(), c.senal);
      const std::size_t antes = b.escritos.size();
      escribir(*b.info, QString::fromLatin1(c.texto));
      QCOMPARE(espia.count(), 1);
      QCOMPARE(b.escritos.size(), antes);  // nothing to the panel
    }
  }

  // After Enter or "Enviar" the command stays, as the console completed it,
  // selected in the focused field, so the next one typed replaces it.
  void comandoSiguiente() {
    BancoEnlace b;
    Info& info = *b.info;
    info.show();
    QVERIFY(QTest::qWaitForWindowActive(&info));
    b.cfg.globales.text[config::caja::kClave] = "4321";
    escribir(info, QStringLiteral("V!203"));
    QCOMPARE(b.cfg.versionPanel, std::string("203"));  // three digits
    QTest::keyClicks(info.Text1(), QStringLiteral("Hc"));
    QTest::mouseClick(info.Command2(), Qt::LeftButton);
    QCOMPARE(info.Text1()->text(), QStringLiteral("Hc4321"));  // the password stays in view
    QCOMPARE(info.Text1()->selectedText(), QStringLiteral("Hc4321"));
    QCOMPARE(QApplication::focusWidget(), info.Text1());
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
  }
};

QTEST_MAIN(PruebaInfo)
#include "info_test.moc"
