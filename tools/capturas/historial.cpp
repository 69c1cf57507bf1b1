// Draws Info after a few commands and Histórico after a retrieval from the
// simulated panel, at the sizes the console gives them on a 1600 × 900
// client area.
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "acciones/banco_acciones.h"
#include "gui/history/historico.h"
#include "gui/history/modelo_historico.h"
#include "gui/monitoring/info.h"
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
  // The two windows on their own, listening to the console's link; the
  // computer's clock at 09:05:07 for "cH".
  void ventanas() {
    ConsolaPrueba c;
    Info info(c.main->motor(), [] { return programming::FechaHora{2025, 12, 31, 9, 5, 7}; });
    Historico historico(c.main->imagenMemoria(), c.main->configuracion(), c.dialogos);
    historico.ponerInfo(&info);
    c.main->agregarOyente(&info, &info);
    c.main->agregarOyente(&historico, &historico);
    c.avanzar(2000);  // the panel is plugged in and settled
    for (const char* texto : {"S!10482", "V!202", "ts1", "cH"}) {
      info.Text1()->setText(QString::fromLatin1(texto));
      info.Command2_Click();
      c.avanzar(c.ahora + 3000);
    }
    info.Text1()->setText(QStringLiteral("va"));
    info.resize(Info::geometriaEn({1600, 900}).size());
    capturar(info, QStringLiteral("info"));

    historico.mSincro()->click();
    c.avanzar(c.ahora + 5000);
    QVERIFY(historico.modelo().rowCount() > 2);
    historico.TablaHistorico()->selectRow(2);
    capturar(historico, QStringLiteral("historico"));
  }
};

std::unique_ptr<QObject> historial() { return std::make_unique<CapturasHistorial>(); }

}  // namespace orda::capturas

#include "historial.moc"
