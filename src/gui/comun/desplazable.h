#pragma once
// A form window's content in a frameless scroll area that fills the window,
// so that nothing is clipped when the sub-window is smaller than the form.
#include <QFrame>
#include <QScrollArea>
#include <QVBoxLayout>

namespace orda::gui {

inline void llenarConDesplazable(QWidget* ventana, QWidget* contenido) {
  auto* desplazable = new QScrollArea(ventana);
  desplazable->setWidget(contenido);
  desplazable->setWidgetResizable(true);
  desplazable->setFrameShape(QFrame::NoFrame);
  auto* marco = new QVBoxLayout(ventana);
  marco->setContentsMargins(0, 0, 0, 0);
  marco->addWidget(desplazable);
}

}  // namespace orda::gui
