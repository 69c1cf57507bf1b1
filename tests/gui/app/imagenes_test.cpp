// The image library: keys from file names (the name less its last four
// characters), what gets in, and the log that every start rewrites; the
// console's folders and Qt's own texts.
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "gui/app/carpetas.h"
#include "gui/app/traducciones.h"
#include "gui/comun/imagenes_aplicacion.h"

using namespace orda::gui;

namespace {

const QByteArray kSvg =
    "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16' viewBox='0 0 16 16'>"
    "<rect x='1' y='1' width='14' height='14' fill='#2e9d48'/></svg>";

void escribir(const QString& ruta, const QByteArray& datos) {
  QFile f(ruta);
  QVERIFY(f.open(QIODevice::WriteOnly));
  QCOMPARE(f.write(datos), datos.size());
}

void png(const QString& ruta, QSize tam) {
  QImage i(tam, QImage::Format_ARGB32);
  i.fill(Qt::red);
  QVERIFY(i.save(ruta, "PNG"));
}

QStringList lineas(const QString& ruta) {
  QFile f(ruta);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QStringList l = QString::fromUtf8(f.readAll()).split('\n');
  if (!l.isEmpty() && l.last().isEmpty()) l.removeLast();
  return l;
}

}  // namespace

class PruebaImagenes : public QObject {
  Q_OBJECT

 private slots:
  // One file per folder, so that the log follows the folders' order.
  void cargaYRegistro() {
    QTemporaryDir dir;
    QStringList carpetas;
    for (const char* nombre : {"a/okg.svg", "b/logo.jpeg", "c/OKG.SVG", "d/leame.txt", "e/a.c"}) {
      carpetas << QFileInfo(dir.filePath(nombre)).path();
      QVERIFY(QDir().mkpath(carpetas.last()));
    }
    carpetas.insert(2, dir.filePath("no-existe"));
    escribir(dir.filePath("a/okg.svg"), kSvg);
    png(dir.filePath("b/logo.jpeg"), QSize(8, 4));  // a PNG under another name: read by its content
    escribir(dir.filePath("c/OKG.SVG"), kSvg);       // the key again
    escribir(dir.filePath("d/leame.txt"), "texto");  // not a picture
    escribir(dir.filePath("e/a.c"), "x");            // too short for a key
    const QString log = dir.filePath("imagenes.log");

    ImagenesAplicacion lib;
    const auto r = lib.cargar(carpetas, log);
    QVERIFY(r.registroEscrito);
    QCOMPARE(r.agregadas, 2);
    QCOMPARE(r.errores, 3);
    QCOMPARE(lineas(log), QStringList({" 1\tAgregado: OKG", " 2\tAgregado: LOGO.", " 3\tError: OKG\t35602",
                                       " 4\tError: LEAME\t481", " 5\tError: \t5"}));
    QCOMPARE(lib.tamano("LOGO."), QSize(8, 4));
    QCOMPARE(lib.tamano("OKG"), QSize(16, 16));
    QCOMPARE(lib.imagen("OKG", QSize(24, 24), 2.0).size(), QSize(48, 48));
    QVERIFY(lib.imagen("NADA", QSize(16, 16)).isNull());
    QVERIFY(lib.icono("NADA").isNull());

    // Every start rewrites the log; the log in a folder of pictures is tried too.
    lib.cargar({carpetas[0], dir.path()}, log);
    QCOMPARE(lineas(log), QStringList({" 1\tAgregado: OKG", " 2\tError: IMAGENES\t481"}));
    QVERIFY(!lib.contiene("LOGO."));

    // A log that cannot be written: the pictures load all the same.
    QVERIFY(!lib.cargar({carpetas[0]}, dir.filePath("no/existe/imagenes.log")).registroEscrito);
    QVERIFY(lib.contiene("OKG"));
  }

  void carpetaDeLaAplicacion() {
    QTemporaryDir dir;
    const QString bin = dir.filePath("usr/bin");
    QVERIFY(QDir().mkpath(bin));
    QCOMPARE(carpetaAplicacion(bin), QDir::cleanPath(bin));  // no share/orda: a portable folder
    QVERIFY(QDir().mkpath(dir.filePath("usr/share/orda")));
    QCOMPARE(carpetaAplicacion(bin), QDir::cleanPath(dir.filePath("usr/share/orda")));
    QCOMPARE(carpetaAplicacion(dir.filePath("build/src/gui")), QDir::cleanPath(dir.filePath("build/src/gui")));
    QCOMPARE(rutaRegistroImagenes(dir.path()), QDir(dir.path()).filePath("imagenes.log"));

    // The file dialogs start in the documents folder, or at home without one.
    const QByteArray casa = qgetenv("HOME");
    qputenv("HOME", dir.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    const QString inicial = dirInicial();
    QVERIFY(QDir().mkpath(dir.filePath("Documents")));
    const QString documentos = dirInicial();
    qputenv("HOME", casa);
    QCOMPARE(inicial, dir.path());
    QCOMPARE(documentos, dir.filePath("Documents"));
  }

  // Qt's own texts in Spanish: standard buttons, a text box's context menu.
  void textosDeQtEnEspanol() {
    QVERIFY(instalarTraduccionesQt(*QCoreApplication::instance()));
    QDialogButtonBox botones(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    QCOMPARE(botones.button(QDialogButtonBox::Cancel)->text().remove('&'), QStringLiteral("Cancelar"));
    QLineEdit caja;
    std::unique_ptr<QMenu> menu(caja.createStandardContextMenu());
    QCOMPARE(menu->actions().constFirst()->text().remove('&').section('\t', 0, 0), QStringLiteral("Deshacer"));
  }
};

QTEST_MAIN(PruebaImagenes)
#include "imagenes_test.moc"
