// The image library: keys from file names, what gets in, and the log that
// every start rewrites.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "app/carpetas.h"
#include "comun/imagenes_aplicacion.h"

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
  void clavesDeArchivo_data() {
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("clave");
    QTest::newRow("svg") << "filenew.svg" << "FILENEW";
    QTest::newRow("mayúsculas") << "FILENEW.BMP" << "FILENEW";
    QTest::newRow("cuatro letras de extensión") << "logo.jpeg" << "LOGO.";
    QTest::newRow("sin extensión") << "orda" << "";
    QTest::newRow("corto") << "a.c" << "";
    QTest::newRow("cursor") << "a.cur" << "A";
  }
  void clavesDeArchivo() {
    QFETCH(QString, nombre);
    QFETCH(QString, clave);
    QCOMPARE(claveDeArchivo(nombre), clave);
  }

  void cargaYRegistro() {
    QTemporaryDir dir;
    const QString imagenes = dir.filePath("images");
    QVERIFY(QDir().mkpath(imagenes));
    escribir(imagenes + "/okg.svg", kSvg);
    png(imagenes + "/logo.jpeg", QSize(8, 4));  // a PNG under another name: read by its content
    escribir(imagenes + "/OKG.png", "no es una imagen, y la clave ya está");
    escribir(dir.filePath("leame.txt"), "texto");
    const QString log = dir.filePath("imagenes.log");

    ImagenesAplicacion lib;
    const auto r = lib.cargar({imagenes, dir.path(), dir.filePath("no-existe")}, log);
    QVERIFY(r.registroEscrito);
    QCOMPARE(r.agregadas, 2);
    QVERIFY(lib.contiene("OKG"));
    QVERIFY(lib.contiene("LOGO."));
    QCOMPARE(lib.tamano("LOGO."), QSize(8, 4));
    QCOMPARE(lib.tamano("OKG"), QSize(16, 16));
    QVERIFY(!lib.imagen("OKG", QSize(24, 24)).isNull());
    QCOMPARE(lib.imagen("OKG", QSize(24, 24), 2.0).size(), QSize(48, 48));
    QVERIFY(lib.imagen("NADA", QSize(16, 16)).isNull());
    QVERIFY(lib.icono("NADA").isNull());

    // One line per file, numbered in the order the folders list them; the
    // pictures come first, then the folder's own files.
    const QStringList l = lineas(log);
    QCOMPARE(l.size(), 4);
    QMultiMap<QString, QString> por;  // key -> "Agregado" or the error number
    for (int i = 0; i < l.size(); ++i) {
      const QRegularExpressionMatch m =
          QRegularExpression("^ (\\d+)\t(?:Agregado: (.*)|Error: (.*)\t(\\d+))$").match(l[i]);
      QVERIFY2(m.hasMatch(), qPrintable(l[i]));
      QCOMPARE(m.captured(1).toInt(), i + 1);
      if (m.captured(2).isEmpty()) {
        por.insert(m.captured(3), m.captured(4));
      } else {
        por.insert(m.captured(2), "Agregado");
      }
    }
    QCOMPARE(por.values("LOGO."), QStringList{"Agregado"});
    QCOMPARE(por.values("LEAME"), QStringList{"481"});
    QCOMPARE(l.last(), QStringLiteral(" 4\tError: LEAME\t481"));
    // okg.svg and OKG.png: one gets in; the other is a repeated key, or (when
    // it came first) not a picture.
    QStringList okg = por.values("OKG");
    okg.sort();
    QVERIFY2(okg == QStringList({"35602", "Agregado"}) || okg == QStringList({"481", "Agregado"}), qPrintable(okg.join(',')));

    // The next start finds the log in the application folder and tries it too.
    lib.cargar({imagenes, dir.path()}, log);
    QVERIFY(lineas(log).contains(QStringLiteral(" 5\tError: IMAGENES\t481")) ||
            lineas(log).contains(QStringLiteral(" 4\tError: IMAGENES\t481")));
  }

  void dosNombresConLaMismaClave() {
    QTemporaryDir dir;
    escribir(dir.filePath("nog2.svg"), kSvg);
    escribir(dir.filePath("NOG2.SVG"), kSvg);
    ImagenesAplicacion lib;
    const auto r = lib.cargar({dir.path()}, dir.filePath("../registro-" + QFileInfo(dir.path()).fileName()));
    QCOMPARE(r.agregadas, 1);
    QCOMPARE(r.errores, 1);
    QVERIFY(lib.contiene("NOG2"));
  }

  void cadaArranqueReescribeElRegistro() {
    QTemporaryDir dir;
    const QString imagenes = dir.filePath("images");
    QVERIFY(QDir().mkpath(imagenes));
    escribir(imagenes + "/l1.svg", kSvg);
    escribir(imagenes + "/l2.svg", kSvg);
    const QString log = dir.filePath("otro.log");
    ImagenesAplicacion lib;
    lib.cargar({imagenes}, log);
    QCOMPARE(lineas(log).size(), 2);
    QVERIFY(QFile::remove(imagenes + "/l2.svg"));
    lib.cargar({imagenes}, log);
    QCOMPARE(lineas(log), QStringList{" 1\tAgregado: L1"});
    QVERIFY(!lib.contiene("L2"));
  }

  void registroNoEscribible() {
    QTemporaryDir dir;
    escribir(dir.filePath("l1.svg"), kSvg);
    ImagenesAplicacion lib;
    const auto r = lib.cargar({dir.path()}, dir.filePath("no/existe/imagenes.log"));
    QVERIFY(!r.registroEscrito);
    QVERIFY(lib.contiene("L1"));  // the pictures load all the same
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
  }
};

QTEST_MAIN(PruebaImagenes)
#include "imagenes_test.moc"
