// Draws the five configuration windows at the sizes the start-up tiling gives
// them on a 1600 × 900 client area. With ORDA_CAPTURAS set to a folder, the
// pictures are saved there (for the manual and for looking at them).
#include <QDir>
#include <QLineEdit>
#include <QTest>

#include "gui/comun/biblioteca_imagenes.h"
#include "core/config/configuracion.h"
#include "gui/config/grilla.h"
#include "gui/config/ventana_especiales.h"
#include "gui/config/ventana_globales.h"
#include "gui/config/ventanas_tablas.h"
#include "dialogos_grabados.h"

using namespace orda;
using namespace orda::gui;

class PruebaCapturas : public QObject {
  Q_OBJECT

  config::Configuracion config_;
  DialogosGrabados dialogos_;
  BibliotecaSvg imagenes_{BibliotecaSvg::carpetaPorDefecto()};

  void capturar(QWidget* w, QSize tam, const QString& nombre) {
    w->resize(tam);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QPixmap p = w->grab();
    QVERIFY(!p.isNull());
    const QString carpeta = qEnvironmentVariable("ORDA_CAPTURAS");
    if (!carpeta.isEmpty()) {
      QDir().mkpath(carpeta);
      QVERIFY(p.save(QDir(carpeta).filePath(nombre + QStringLiteral(".png"))));
    }
    delete w;
  }

 private slots:
  void initTestCase() {
    // Something in every kind of cell, the editor open on one.
    config_.entradas.marcar(4, 2, true);
    config_.entradas.ponerImagen(5, 7, "OKGRG");
    config_.entradas.ponerTexto(3, 18, "PUERTA ABIERTA EN EL DEPOSITO");
    config_.salidas.marcar(3, 3, true);
    config_.tree.ponerTexto(3, 1, "ADMINISTRADOR");
    config_.tree.ponerTexto(3, 3, "1155554444");
  }

  void ventanas() {
    auto* e = new Entradas(config_.entradas, dialogos_, imagenes_);
    e->grilla().irA(4, 1);
    capturar(e, {1067, 200}, "entradas");
    auto* s = new Salidas(config_.salidas, dialogos_, imagenes_);
    s->grilla().irA(3, 4);
    capturar(s, {1067, 200}, "salidas");
    capturar(new Tree(config_.tree, dialogos_, imagenes_), {533, 300}, "tree");
    capturar(new Especiales(config_.especiales), {1067, 200}, "especiales");
    capturar(new Globales(config_, dialogos_), {533, 900}, "globales");
    capturar(new Entradas(config_.entradas, dialogos_, imagenes_), {1500, 260}, "entradas_ancha");
  }
};

QTEST_MAIN(PruebaCapturas)
#include "capturas_test.moc"
