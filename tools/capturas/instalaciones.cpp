// Draws the Instalaciones window over a small SQLite library (four sites, one
// with a version and 300 events), on its Datos and Eventos tabs, and the
// options dialog of "Informe…".
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "capturas.h"
#include "dialogos_grabados.h"
#include "instalaciones/biblioteca_ejemplo.h"
#include "gui/informe/dialogo_informe.h"
#include "gui/instalaciones/ventana_instalaciones.h"
#include "sites/trabajador.h"

using namespace orda;
using namespace orda::gui;

namespace orda::capturas {

class CapturasInstalaciones : public QObject {
  Q_OBJECT

 private slots:
  void instalaciones() {
    QTemporaryDir carpeta;
    sites::Destino d;
    d.ruta = carpeta.filePath(QStringLiteral("instalaciones.sqlite")).toStdString();
    ejemplo::llenar(d, {ejemplo::sitio("Galpón", "54321")});
    sites::Trabajador t(d);
    DialogosGrabados dialogos;
    VentanaInstalaciones w(t, dialogos);
    w.resize(900, 560);
    w.show();
    QTRY_COMPARE(w.lista()->count(), 4);
    w.filtro(2)->setText(QStringLiteral("zona"));
    w.lista()->setCurrentRow(0);
    QTRY_COMPARE(w.campo(0)->text(), QStringLiteral("Casa"));
    w.boton(QStringLiteral("filtrar"))->click();
    QTRY_VERIFY(w.eventos()->rowCount() > 0);
    QVERIFY(guardar(w.grab(), QStringLiteral("instalaciones-datos")));
    w.findChild<QTabWidget*>()->setCurrentIndex(2);
    QTest::qWait(50);
    QVERIFY(guardar(w.grab(), QStringLiteral("instalaciones-eventos")));
  }

  void informe() {
    DialogoInforme dialogo(PedidoInforme{}, nullptr);
    dialogo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialogo));
    QVERIFY(guardar(dialogo.grab(), QStringLiteral("informe-dialogo")));
  }
};

std::unique_ptr<QObject> instalaciones() { return std::make_unique<CapturasInstalaciones>(); }

}  // namespace orda::capturas

#include "instalaciones.moc"
