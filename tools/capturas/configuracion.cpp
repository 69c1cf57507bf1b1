// Draws the five configuration windows at the sizes the start-up tiling gives
// them on a 1600 × 900 client area.
#include <QLineEdit>
#include <QTest>

#include "gui/comun/biblioteca_imagenes.h"
#include "core/config/configuracion.h"
#include "gui/config/grilla.h"
#include "gui/config/ventana_especiales.h"
#include "gui/config/ventana_globales.h"
#include "gui/config/ventanas_tablas.h"
#include "capturas.h"
#include "dialogos_grabados.h"

using namespace orda;
using namespace orda::gui;

namespace orda::capturas {

class CapturasConfiguracion : public QObject {
  Q_OBJECT

  config::Configuracion config_;
  DialogosGrabados dialogos_;
  BibliotecaSvg imagenes_{BibliotecaSvg::carpetaPorDefecto()};

  void capturar(QWidget* w, QSize tam, const QString& nombre) {
    w->resize(tam);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const bool guardada = guardar(w->grab(), nombre);
    delete w;
    QVERIFY2(guardada, qPrintable(nombre));
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

std::unique_ptr<QObject> configuracion() { return std::make_unique<CapturasConfiguracion>(); }

}  // namespace orda::capturas

#include "configuracion.moc"
