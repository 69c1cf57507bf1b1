// Draws Info after a few commands and Histórico after a retrieval from the
// simulated panel, at the sizes the console gives them on a 1600 × 900
// client area.
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "info/banco_enlace.h"
#include "gui/history/modelo_historico.h"
#include "capturas.h"

using namespace orda;
using namespace orda::gui;

namespace orda::capturas {

class CapturasHistorial : public QObject {
  Q_OBJECT

  void capturar(QWidget& w, const QString& nombre) {
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY2(guardar(w.grab(), nombre), qPrintable(nombre));
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

std::unique_ptr<QObject> historial() { return std::make_unique<CapturasHistorial>(); }

}  // namespace orda::capturas

#include "historial.moc"
