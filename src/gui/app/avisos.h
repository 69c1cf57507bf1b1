#pragma once
// The two small windows around start-up and shut-down: the splash
// "Comunicacion" with its progress texts, and the notice "Notificados" shown
// while the console closes after a save.
#include <QWidget>

class QLabel;
class QProgressBar;

namespace orda::gui {

class ImagenesAplicacion;

class Comunicacion : public QWidget {
 public:
  explicit Comunicacion(QWidget* padre = nullptr);
  // The picture is taken once the image library is loaded.
  void ponerImagen(const ImagenesAplicacion& imagenes);
  // The progress text, painted at once.
  void informar(const QString& texto);
  QString texto() const;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QLabel* image1_;
  QLabel* mInfo_;
};

class Notificados : public QWidget {
 public:
  explicit Notificados(QWidget* padre = nullptr);
  QProgressBar* ProgressBar1() const { return barra_; }

 private:
  QProgressBar* barra_;
};

}  // namespace orda::gui
