// Draws Info after a few commands and Histórico after a retrieval from the
// simulated panel, at the sizes the console gives them on a 1600 × 900
// client area. With ORDA_CAPTURAS set to a folder, the pictures are saved
// there (for the manual and for looking at them).
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "info/banco_enlace.h"
#include "gui/history/modelo_historico.h"

using namespace orda;
using namespace orda::gui;

class PruebaCapturasHistorial : public QObject {
  Q_OBJECT

  void capturar(QWidget& w, const QString& nombre) {
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPixmap p = w.grab();
    QVERIFY(!p.isNull());
    const QString carpeta = qEnvironmentVariable("ORDA_CAPTURAS");
    if (!carpeta.isEmpty()) {
      QDir().mkpath(carpeta);
      QVERIFY(p.save(QDir(carpeta).filePath(nombre + QStringLiteral(".png"))));
    }
  }

 private slots:
  void ventanas() {
    BancoEnlace b;
    for (const char* c : {"S!10482", "V!202", "ts1", "cH"}) {
      b.info->Text1()->setText(QString::fromLatin1(c));
      b.info->Command2_Click();
      b.esperar(3000);
    }
    b.info->Text1()->setText(QStringLiteral("va"));
    b.info->resize(Info::geometriaEn({1600, 900}).size());
    capturar(*b.info, QStringLiteral("info"));

    b.historico->mSincro()->click();
    b.esperar(5000);
    QVERIFY(b.historico->modelo().rowCount() > 2);
    b.historico->TablaHistorico()->selectRow(2);
    capturar(*b.historico, QStringLiteral("historico"));
  }
};

QTEST_MAIN(PruebaCapturasHistorial)
#include "capturas_historial_test.moc"
