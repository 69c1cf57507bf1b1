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
#include <iterator>

#include "capturas.h"
#include "core/history/memoria.h"
#include "dialogos_grabados.h"
#include "gui/informe/dialogo_informe.h"
#include "gui/instalaciones/ventana_instalaciones.h"
#include "sites/trabajador.h"

using namespace orda;
using namespace orda::gui;

namespace orda::capturas {

class CapturasInstalaciones : public QObject {
  Q_OBJECT

  static std::uint8_t bcd(int v) { return static_cast<std::uint8_t>(((v / 10) << 4) | (v % 10)); }

  // 300 records, one a minute from 2025-03-01 00:00; every third a zone trigger.
  static std::vector<std::uint8_t> volcado() {
    std::vector<std::uint8_t> m(history::kTamanoHistorial, 0);
    m[8] = 301 % history::kRegistrosPorBloque;
    m[9] = 301 / history::kRegistrosPorBloque;
    for (int i = 1; i <= 300; ++i) {
      const std::uint8_t r[10] = {bcd(25), bcd(3), bcd(1), bcd(i / 60), bcd(i % 60), 0,
                                  static_cast<std::uint8_t>(i % 3 == 0 ? 10 : 8), 0, 0, 0};
      std::copy(std::begin(r), std::end(r), m.begin() + static_cast<std::ptrdiff_t>(history::direccionRegistro(i)));
    }
    return m;
  }

  static sites::Sitio sitio(const char* nombre, std::optional<std::string> serie = std::nullopt) {
    sites::Sitio s;
    s.nombre = nombre;
    s.serie = std::move(serie);
    return s;
  }

 private slots:
  void instalaciones() {
    QTemporaryDir carpeta;
    sites::Destino d;
    d.ruta = carpeta.filePath(QStringLiteral("instalaciones.sqlite")).toStdString();
    {
      sites::Biblioteca b(d);
      const std::int64_t casa = b.crearSitio(sitio("Casa", "12345"));
      b.crearSitio(sitio("Oficina"));
      b.crearSitio(sitio("Depósito"));
      b.crearSitio(sitio("Galpón", "54321"));
      b.archivarVersion(casa, imagen::ImagenMemoria{}, sites::Origen::Leida);
      b.fusionarHistorial(casa, volcado(), config::Configuracion{});
    }
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
