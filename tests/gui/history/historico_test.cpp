// The history window: the grid filled from the image, its error boxes, its
// layout, the export, and the retrieval from the simulated panel.
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

#include "gui/comun/twips.h"
#include "gui/history/columnas_historico.h"
#include "core/history/memoria.h"
#include "gui/history/modelo_historico.h"
#include "info/banco_enlace.h"
#include "core/link/textos.h"

using namespace orda;
using namespace orda::gui;

namespace {

using Bytes = std::array<std::uint8_t, 10>;

void ponerRegistro(imagen::ImagenMemoria& img, std::size_t n, const Bytes& b) {
  std::copy(b.begin(), b.end(), img.begin() + static_cast<std::ptrdiff_t>(history::direccionRegistro(n)));
}

void ponerReferencia(imagen::ImagenMemoria& img, int cantidad) {
  ponerRegistro(img, 0, {0x24, 0x01, 0x15, 0x10, 0x30, 0x00, 0, 0, std::uint8_t(cantidad % 102), std::uint8_t(cantidad / 102)});
}

QStringList fila(const Historico& h, int f) {
  QStringList l;
  for (int c = 0; c < historico::kColumnas; ++c) l << h.modelo().index(f, c).data().toString();
  return l;
}

}  // namespace

class PruebaHistorico : public QObject {
  Q_OBJECT

 private slots:
  // Which rows fail and how is the core's (memoria_test): here at most 16
  // boxes for them, and panel 2 for a memory that announces too many rows.
  void avisosAlDecodificar() {
    BancoEnlace b;
    ponerReferencia(b.imagen, 21);
    for (std::size_t n = 1; n <= 20; ++n) ponerRegistro(b.imagen, n, {0x25, 1, 1, 0, 0, 0, 10, std::uint8_t(6 + n), 0, 0});
    b.historico->mActualizar();
    QCOMPARE(b.dialogos.mostrados.size(), std::size_t(16));
    const MensajeMostrado& primero = b.dialogos.mostrados.front();
    QCOMPARE(primero.texto, QStringLiteral("Error en Historico.mActualizar: Fila 11 inexistente en la tabla de entradas - "
                                           "Antes de los hex, línea 2"));
    QCOMPARE(primero.titulo, QStringLiteral("ORDA"));
    QCOMPARE(primero.icono, Icono::Exclamacion);
    QCOMPARE(b.historico->modelo().rowCount(), 21);  // the failing rows are shown all the same
    for (int i = 0; i < 5; ++i) b.historico->mActualizar();
    QCOMPARE(b.dialogos.mostrados.size(), std::size_t(16));
    QVERIFY(b.panel2.isEmpty());

    // An erased memory is cut to what the panel holds, and said.
    std::fill(b.imagen.begin(), b.imagen.end(), 0xFF);
    b.historico->mActualizar();
    QCOMPARE(b.historico->modelo().rowCount(), history::kMaxRegistros);
    QCOMPARE(b.panel2, QStringList{QString::fromUtf8(history::kAvisoLimite)});
  }

  void rejillaYVentana() {
    BancoEnlace b;
    Historico& h = *b.historico;
    // Inside a sub-window, which takes the widening around its frame.
    QMdiArea area;
    area.resize(1600, 900);
    QMdiSubWindow* s = area.addSubWindow(b.historico.get());
    s->resize(s->sizeHint());
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    const int marco = s->width() - h.width();
    ponerReferencia(b.imagen, 3);
    h.mActualizar();
    QCOMPARE(h.anchoTabla(), h.anchoBaseTabla());  // three rows fit
    ponerReferencia(b.imagen, 103);
    h.mActualizar();
    QCOMPARE(h.anchoTabla() - h.anchoBaseTabla(), aPixeles(260));
    QCOMPARE(s->width(), h.anchoVentana() + marco);
    ponerReferencia(b.imagen, 3);
    h.mActualizar();
    QCOMPARE(h.anchoTabla() - h.anchoBaseTabla(), aPixeles(260));  // stays wide
    h.Form_Load();
    QCOMPARE(h.anchoTabla(), h.anchoBaseTabla());
    QCOMPARE(h.modelo().rowCount(), 0);

    // "Esconder" hides the sub-window.
    h.mEsconder()->click();
    QVERIFY(!s->isVisible());
    b.historico->setParent(nullptr);  // the bench owns it
  }

  // The rows as decoded, with the tables' names, and their export: nothing
  // to export before them; an existing file replaced only when the user says
  // so; a pipe refused by name and left alone.
  void filasYExportarComoCsv() {
    BancoEnlace b;
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("h.csv"));
    b.historico->mExportar()->click();
    QCOMPARE(b.dialogos.mostrados.back().texto, QStringLiteral("No hay registros para exportar."));
    QVERIFY(b.dialogos.pedidos.empty());

    ponerReferencia(b.imagen, 3);
    ponerRegistro(b.imagen, 1, {0x24, 0x01, 0x15, 0x10, 0x31, 0x05, 10, 1, 0, 0});
    ponerRegistro(b.imagen, 2, {0x24, 0x01, 0x16, 0x08, 0x01, 0x00, 10, 20, 0, 0});
    b.cfg.entradas.ponerTexto(4, 1, "PATIO, FONDO");  // input 2
    b.historico->mActualizar();
    QCOMPARE(fila(*b.historico, 1),
             QStringList({"1", "15/01/24", "10:31:05", "Disparo por zona 2: PATIO, FONDO", "0A", "01", "00", "00"}));
    b.dialogos.archivos.push_back(ruta);
    b.historico->mExportar()->click();
    QCOMPARE(b.dialogos.pedidos.back().extension, QStringLiteral("csv"));
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray csv = f.readAll();
    QVERIFY(csv.startsWith("N\xC2\xBA,Fecha,Hora,Descripci\xC3\xB3n,"));  // the lines are the core's (csv_test)
    QCOMPARE(csv.count('\n'), 4);
    f.close();

    b.historico->mLimpiar()->click();
    QCOMPARE(b.historico->modelo().rowCount(), 0);
    ponerReferencia(b.imagen, 1);
    b.historico->mActualizar();
    b.dialogos.archivos.push_back(ruta);
    b.dialogos.respuestas.push_back(Respuesta::No);
    b.historico->mExportar()->click();
    QCOMPARE(b.dialogos.mostrados.back().botones, Botones::SiNo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll().count('\n'), 4);

    const QString tubo = carpeta.filePath(QStringLiteral("tubo.csv"));
    QCOMPARE(::mkfifo(QFile::encodeName(tubo).constData(), 0600), 0);
    b.dialogos.archivos.push_back(tubo);
    b.dialogos.respuestas.push_back(Respuesta::Si);
    b.historico->mExportar()->click();
    // Left alone is the core's (archivos_test); here, that the refusal is told.
    QVERIFY2(b.dialogos.mostrados.back().texto.contains(tubo), qPrintable(b.dialogos.mostrados.back().texto));
  }

  // A request the panel never answers keeps the rows shown and the link's
  // own box is the only one. (Answered, the rows come once the transfer is
  // complete: main_arranque_test.) While a read fills the image nothing is
  // asked and nothing decoded.
  void sinRespuestaOConElEnlaceOcupadoConservaLasFilas() {
    BancoEnlace b;
    ponerReferencia(b.imagen, 3);
    b.historico->mActualizar();
    ponerReferencia(b.imagen, 50);  // what a stale image would show
    b.panel().fallas.silencio = true;
    b.historico->mSincro()->click();
    b.esperar(10000);
    QVERIFY(!b.historico->esperandoHistorial());
    QCOMPARE(b.historico->modelo().rowCount(), 3);
    QCOMPARE(b.dialogos.mostrados.size(), std::size_t(1));
    QCOMPARE(b.dialogos.mostrados[0].texto, QString::fromUtf8(link::textos::kHistorialSinRespuesta));
    QCOMPARE(b.dialogos.mostrados[0].titulo, QStringLiteral("OrDA"));

    QVERIFY(b.motor->consola().leerProgramacion(b.ahora));
    QVERIFY(!b.historico->Refrescar());
    b.historico->mActualizar();
    QCOMPARE(b.historico->modelo().rowCount(), 3);
    QVERIFY(b.panel2.contains(QString::fromUtf8(link::textos::kOperacionEnCurso)));
  }
};

QTEST_MAIN(PruebaHistorico)
#include "historico_test.moc"
