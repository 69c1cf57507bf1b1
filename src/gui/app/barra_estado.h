#pragma once
// The status bar "StatusBar1": six panels, each a picture and a text.
//   1 signal level (tag "Señal"; a click switches the signal poll)
//   2 messages and transfer progress (panelMensajes), fills the width
//   3, 4 the panel's version and serial number
//   5 connection state
//   6 the clock
#include <QFrame>
#include <QString>
#include <array>

class QLabel;
class QStatusBar;
class QTimer;

namespace orda::gui {

class ImagenesAplicacion;

class PanelEstado : public QFrame {
  Q_OBJECT

 public:
  PanelEstado(int numero, Qt::Alignment alineacion, const ImagenesAplicacion& imagenes, QWidget* padre = nullptr);

  int numero() const { return numero_; }
  QString texto() const;
  void ponerTexto(const QString& t);
  // The picture of this key, or none for an empty key or a missing picture.
  QString imagen() const { return clave_; }
  void ponerImagen(const QString& clave);
  QString etiqueta() const { return etiqueta_; }
  void ponerEtiqueta(const QString& e) { etiqueta_ = e; }
  Qt::Alignment alineacion() const { return alineacion_; }

 signals:
  void pulsado();

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  int numero_;
  Qt::Alignment alineacion_;
  const ImagenesAplicacion& imagenes_;
  QLabel* dibujo_;
  QLabel* texto_;
  QString clave_;
  QString etiqueta_;
};

struct DatosPanel {
  Qt::Alignment alineacion;
  int anchoMinimoTwips;
  bool reloj;
};
inline constexpr int kCantidadPaneles = 6;
extern const std::array<DatosPanel, kCantidadPaneles> kPaneles;

class BarraEstado {
 public:
  // Builds the panels into `barra` (named "StatusBar1").
  BarraEstado(QStatusBar& barra, const ImagenesAplicacion& imagenes);

  // Panels 1..6.
  PanelEstado& panel(int numero) const { return *paneles_.at(static_cast<std::size_t>(numero - 1)); }
  PanelEstado& panelMensajes() const { return panel(2); }

 private:
  void marcarHora();

  std::array<PanelEstado*, kCantidadPaneles> paneles_{};
  QTimer* reloj_ = nullptr;
};

}  // namespace orda::gui
