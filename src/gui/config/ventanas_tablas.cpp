#include "gui/config/ventanas_tablas.h"

#include <QResizeEvent>

namespace orda::gui {

VentanaTabla::VentanaTabla(config::Tabla& tabla, Dialogos& dialogos, const BibliotecaImagenes& imagenes,
                           const QString& titulo, bool anchosProporcionales, QWidget* padre)
    : QWidget(padre), grilla_(new TablaGrilla(tabla, dialogos, imagenes, this)) {
  setWindowTitle(titulo);
  grilla_->ponerAnchosProporcionales(anchosProporcionales);
  connect(grilla_, &TablaGrilla::mensajeEstado, this, &VentanaTabla::mensajeEstado);
  connect(grilla_, &TablaGrilla::tablaCambiada, this, &VentanaTabla::tablaCambiada);
  setFocusProxy(grilla_);
  // Built with editing off, so that placing the first cell opens nothing.
  grilla_->ponerEdicionHabilitada(false);
  grilla_->irA(config::Tabla::kPrimeraFila, 1);
  dibujar();
  grilla_->ponerEdicionHabilitada(true);
}

void VentanaTabla::dibujar() {
  grilla_->setGeometry(rect());
  grilla_->ajustarAnchos();
}

void VentanaTabla::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  grilla_->setGeometry(rect());
}

QSize VentanaTabla::sizeHint() const { return grilla_->sizeHint(); }

Entradas::Entradas(config::Tabla& entradas, Dialogos& dialogos, const BibliotecaImagenes& imagenes, QWidget* padre)
    : VentanaTabla(entradas, dialogos, imagenes, QStringLiteral("Programación de Entradas"), false, padre) {
  setObjectName(QStringLiteral("Entradas"));
}

Salidas::Salidas(config::Tabla& salidas, Dialogos& dialogos, const BibliotecaImagenes& imagenes, QWidget* padre)
    : VentanaTabla(salidas, dialogos, imagenes, QStringLiteral("Programación de Salidas"), false, padre) {
  setObjectName(QStringLiteral("Salidas"));
}

Tree::Tree(config::Tabla& tree, Dialogos& dialogos, const BibliotecaImagenes& imagenes, QWidget* padre)
    : VentanaTabla(tree, dialogos, imagenes, QStringLiteral("Listado de números telefónicos habilitados"), true,
                   padre) {
  setObjectName(QStringLiteral("Tree"));
}

}  // namespace orda::gui
