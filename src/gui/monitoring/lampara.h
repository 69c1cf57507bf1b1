#pragma once
// A 16 × 16 lamp of the trending window: one picture of the image library,
// by key. The key it shows is its state: a click is answered or not by
// what the lamp shows.
#include <QString>
#include <QWidget>

namespace orda::gui {

class BibliotecaImagenes;

class Lampara : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kLado = 16;

  Lampara(const BibliotecaImagenes& imagenes, QWidget* padre = nullptr);

  void ponerClave(const QString& clave);
  const QString& clave() const { return clave_; }

 signals:
  void entro();
  void salio();
  void pulsada();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  const BibliotecaImagenes& imagenes_;
  QString clave_;
  bool apretada_ = false;
};

}  // namespace orda::gui
