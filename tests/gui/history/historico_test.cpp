// The history window: the grid filled from the image, its error boxes, its
// layout, the export, and the retrieval from the simulated panel.
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
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

QString celda(const Historico& h, int fila, int columna) {
  return h.modelo().index(fila, columna).data().toString();
}

QStringList fila(const Historico& h, int f) {
  QStringList l;
  for (int c = 0; c < historico::kColumnas; ++c) l << celda(h, f, c);
  return l;
}

}  // namespace

class PruebaHistorico : public QObject {
  Q_OBJECT

 private slots:
  void cientoTresRegistrosLleganAlSegundoBloque() {
    BancoEnlace b;
    ponerReferencia(b.imagen, 103);
    ponerRegistro(b.imagen, 101, {0x25, 0x02, 0x28, 0x23, 0x59, 0x58, 2, 0, 0, 0});
    ponerRegistro(b.imagen, 102, {0x24, 0x03, 0x07, 0x13, 0x45, 0x09, 0x0A, 0x02, 0x00, 0x00});
    b.cfg.entradas.ponerTexto(5, 1, "PORTON");  // input 3
    b.historico->mActualizar();
    const Historico& h = *b.historico;
    QCOMPARE(h.cantidadRegistros(), 103);
    QCOMPARE(h.modelo().rowCount(), 103);
    QCOMPARE(celda(h, 0, 3), QStringLiteral("Registro de referencia:  103 registros"));
    QCOMPARE(fila(h, 101).mid(0, 4), QStringList({"101", "28/02/25", "23:59:58", "Registro de prueba"}));
    QCOMPARE(fila(h, 102), QStringList({"102", "07/03/24", "13:45:09", "Disparo por zona 3: PORTON", "0A", "02", "00", "00"}));
    QVERIFY(b.dialogos.mostrados.empty());
    QVERIFY(b.panel2.isEmpty());
  }

  void zonaInexistenteDaALoSumoDieciseisAvisos() {
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
    // Record 1 (input 8) exists; the failing ones keep every cell but the description.
    QCOMPARE(celda(*b.historico, 1, 3), QStringLiteral("Disparo por zona 8: ENTRADA8"));
    QCOMPARE(fila(*b.historico, 20), QStringList({"20", "01/01/25", "00:00:00", "", "0A", "1A", "00", "00"}));
    for (int i = 0; i < 5; ++i) b.historico->mActualizar();
    QCOMPARE(b.dialogos.mostrados.size(), std::size_t(16));
    QCOMPARE(b.historico->erroresMostrados(), 16);
  }

  void memoriaBorradaSeLimitaYLoDice() {
    BancoEnlace b;
    std::fill(b.imagen.begin(), b.imagen.end(), 0xFF);
    b.historico->mActualizar();
    QCOMPARE(b.historico->modelo().rowCount(), history::kMaxRegistros);
    QCOMPARE(fila(*b.historico, 407).mid(0, 4), QStringList({"407", "165/165/165", "165:165:165", "Reservado"}));
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
    QCOMPARE(h.anchoVentana() - h.anchoBaseVentana(), aPixeles(260));
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

  void exportarComoCsv() {
    BancoEnlace b;
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("h.csv"));
    b.historico->mExportar()->click();  // nothing shown yet: nothing to export
    QCOMPARE(b.dialogos.mostrados.back().texto, QStringLiteral("No hay registros para exportar."));
    QVERIFY(b.dialogos.pedidos.empty());

    ponerReferencia(b.imagen, 3);
    ponerRegistro(b.imagen, 1, {0x24, 0x01, 0x15, 0x10, 0x31, 0x05, 10, 1, 0, 0});
    ponerRegistro(b.imagen, 2, {0x24, 0x01, 0x16, 0x08, 0x01, 0x00, 10, 20, 0, 0});
    b.cfg.entradas.ponerTexto(4, 1, "PATIO, FONDO");  // input 2
    b.historico->mActualizar();
    b.dialogos.archivos.push_back(ruta);
    b.historico->mExportar()->click();
    QCOMPARE(b.dialogos.pedidos.back().extension, QStringLiteral("csv"));
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()),
             QStringLiteral("Nº,Fecha,Hora,Descripción,Código 1,Código 2,Código 3,Código 4\r\n"
                            "0,15/01/24,10:30:00,Registro de referencia:  3 registros,00,00,03,00\r\n"
                            "1,15/01/24,10:31:05,\"Disparo por zona 2: PATIO, FONDO\",0A,01,00,00\r\n"
                            "2,16/01/24,08:01:00,,0A,14,00,00\r\n"));
    f.close();

    // An existing file is replaced only when the user says so.
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

    // Only a regular file is replaced: a pipe is refused by name and left alone.
    const QString tubo = carpeta.filePath(QStringLiteral("tubo.csv"));
    QCOMPARE(::mkfifo(QFile::encodeName(tubo).constData(), 0600), 0);
    b.dialogos.archivos.push_back(tubo);
    b.dialogos.respuestas.push_back(Respuesta::Si);
    b.historico->mExportar()->click();
    QVERIFY2(b.dialogos.mostrados.back().texto.contains(tubo), qPrintable(b.dialogos.mostrados.back().texto));
    QVERIFY(QFileInfo(tubo).exists() && !QFileInfo(tubo).isFile());
  }

  void sincronizarTraeElHistorialDelPanel() {
    BancoEnlace b;
    b.historico->mSincro()->click();
    QVERIFY(b.historico->esperandoHistorial());
    QCOMPARE(b.info->mRT()->document()->firstBlock().text(), QStringLiteral("lh"));
    QCOMPARE(b.letras().back(), std::string("lh"));
    QCOMPARE(b.historico->modelo().rowCount(), 0);  // nothing until the transfer is complete
    b.esperar(5000);
    QVERIFY(!b.historico->esperandoHistorial());
    const int cantidad = b.imagen[8] + 102 * b.imagen[9];
    QVERIFY(cantidad > 2);
    QCOMPARE(b.historico->modelo().rowCount(), cantidad);
    QCOMPARE(celda(*b.historico, 0, 3), QStringLiteral("Registro de referencia:  %1 registros").arg(cantidad));
    QVERIFY(b.dialogos.mostrados.empty());
  }

  // While a read fills the image nothing is asked and nothing decoded.
  void conElEnlaceOcupadoNoSeDecodifica() {
    BancoEnlace b;
    ponerReferencia(b.imagen, 3);
    QVERIFY(b.motor->consola().leerProgramacion(b.ahora));
    QVERIFY(!b.historico->Refrescar());
    b.historico->mActualizar();
    QCOMPARE(b.historico->modelo().rowCount(), 0);
    QVERIFY(b.panel2.contains(QString::fromUtf8(link::textos::kOperacionEnCurso)));
  }

  // A request the panel never answers, or a transfer cut short, keeps the
  // rows shown and the link's own box is the only one.
  void sinRespuestaOInterrumpidaConservaLasFilas() {
    struct Caso {
      const char* como;
      bool silencio;
      const char* aviso;
    };
    for (const Caso& c : {Caso{"sin respuesta", true, link::textos::kHistorialSinRespuesta},
                          Caso{"interrumpida", false, link::textos::kHistorialInterrumpido}}) {
      BancoEnlace b;
      ponerReferencia(b.imagen, 3);
      b.historico->mActualizar();
      ponerReferencia(b.imagen, 50);  // what a stale image would show
      if (c.silencio) {
        b.panel().fallas.silencio = true;
      } else {
        b.panel().fallas.desenchufarTrasReportes = b.panel().reportesEscritos() + 10;
      }
      b.historico->mSincro()->click();
      b.esperar(10000);
      QVERIFY2(!b.historico->esperandoHistorial(), c.como);
      QCOMPARE(b.historico->modelo().rowCount(), 3);
      QCOMPARE(b.dialogos.mostrados.size(), std::size_t(1));
      QCOMPARE(b.dialogos.mostrados[0].texto, QString::fromUtf8(c.aviso));
      QCOMPARE(b.dialogos.mostrados[0].titulo, QStringLiteral("OrDA"));
    }
  }
};

QTEST_MAIN(PruebaHistorico)
#include "historico_test.moc"
