#pragma once
// The pieces of a trending cursor outside the plot: its arrow, which the
// user drags, and its two readouts with the grey line between them.
#include <QColor>
#include <QWidget>

class QLabel;

namespace orda::gui {

class FlechaCursor : public QWidget {
  Q_OBJECT

 public:
  // haciaDerecha: the arrow stands left of the plot and points into it.
  FlechaCursor(bool haciaDerecha, QColor color, QWidget* padre = nullptr);
  void ponerColor(QColor color);

 signals:
  // The mouse moved with the left button held; its screen position.
  void arrastrada(QPoint global);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;

 private:
  bool haciaDerecha_;
  QColor color_;
};

class LecturaCursor : public QWidget {
  Q_OBJECT

 public:
  static constexpr QColor kSeparador{200, 200, 200};
  static constexpr QColor kEscalada{0, 0, 150};

  // nombreA, nombreB: the labels' object names ("LabelSupA", "LabelSupB").
  LecturaCursor(const QString& nombreA, const QString& nombreB, QColor colorA, QWidget* padre = nullptr);

  void ponerTextos(const QString& voltios, const QString& escalada);
  QLabel* etiquetaA() const { return a_; }
  QLabel* etiquetaB() const { return b_; }
  // Height of the separator line inside the widget.
  int alturaSeparador() const { return separador_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  void ajustar();

  QLabel* a_;
  QLabel* b_;
  int separador_ = 0;
};

}  // namespace orda::gui
