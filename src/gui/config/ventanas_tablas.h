#pragma once
// The three table windows: inputs, outputs and the phone list. Each is a grid
// filling the window's client area; the shell puts them in MDI sub-windows.
#include <QWidget>

#include "gui/config/grilla.h"

namespace orda::gui {

class VentanaTabla : public QWidget {
  Q_OBJECT

 public:
  TablaGrilla& grilla() { return *grilla_; }
  // Shows the table again after a read or a file opened.
  void recargar() { grilla_->recargar(); }

 signals:
  void mensajeEstado(const QString& texto);
  void tablaCambiada();

 protected:
  VentanaTabla(config::Tabla& tabla, Dialogos& dialogos, const BibliotecaImagenes& imagenes, const QString& titulo,
               bool anchosProporcionales, QWidget* padre);
  // Fits the grid to the client area and sets the column widths.
  void dibujar();
  void resizeEvent(QResizeEvent* e) override;
  QSize sizeHint() const override;

 private:
  TablaGrilla* grilla_;
};

class Entradas : public VentanaTabla {
 public:
  Entradas(config::Tabla& entradas, Dialogos& dialogos, const BibliotecaImagenes& imagenes, QWidget* padre = nullptr);
  // Commits a pending edit; false when the value was refused.
  bool TablaEntradas_LeaveCell() { return grilla().confirmarEdicion(); }
};

class Salidas : public VentanaTabla {
 public:
  Salidas(config::Tabla& salidas, Dialogos& dialogos, const BibliotecaImagenes& imagenes, QWidget* padre = nullptr);
  bool TablaSalidas_LeaveCell() { return grilla().confirmarEdicion(); }
};

class Tree : public VentanaTabla {
 public:
  Tree(config::Tabla& tree, Dialogos& dialogos, const BibliotecaImagenes& imagenes, QWidget* padre = nullptr);
  bool TablaTree_LeaveCell() { return grilla().confirmarEdicion(); }
};

}  // namespace orda::gui
