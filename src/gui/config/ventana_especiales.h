#pragma once
// The special functions window: five groups of option buttons, one choice per
// group, bound to the core's special functions.
#include <QWidget>
#include <array>

#include "core/config/especiales.h"

class QButtonGroup;
class QRadioButton;

namespace orda::gui {

class Especiales : public QWidget {
  Q_OBJECT

 public:
  explicit Especiales(config::Especiales& datos, QWidget* padre = nullptr);

  // Option1(i).
  QRadioButton* opcion(int i) const { return opciones_.at(static_cast<std::size_t>(i)); }
  // Shows the choices again after a read or a file opened.
  void recargar();

 signals:
  void cambiado();

 private:
  config::Especiales& datos_;
  std::array<QRadioButton*, config::kCantidadOpciones> opciones_{};
  std::array<QButtonGroup*, config::kGruposEspeciales.size()> grupos_{};
  bool cargando_ = false;
};

}  // namespace orda::gui
