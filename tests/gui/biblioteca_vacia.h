#pragma once
// A picture library with no pictures at all: cells show their texts only.
#include "gui/comun/biblioteca_imagenes.h"

namespace orda::gui {

class BibliotecaVacia : public BibliotecaImagenes {
 public:
  QPixmap imagen(const QString&, QSize, qreal) const override { return {}; }
  QSize tamano(const QString&) const override { return {}; }
};

}  // namespace orda::gui
