#pragma once
// Lays widgets side by side from left to right, going on in a new line when
// the window is too narrow for all of them, so that none is cut off.
#include <QLayout>
#include <QList>

namespace orda::gui {

class DisposicionFluida : public QLayout {
 public:
  explicit DisposicionFluida(QWidget* padre, int espacioH, int espacioV);
  ~DisposicionFluida() override;

  void addItem(QLayoutItem* item) override { items_.append(item); }
  int count() const override { return static_cast<int>(items_.size()); }
  QLayoutItem* itemAt(int i) const override { return items_.value(i); }
  QLayoutItem* takeAt(int i) override;
  Qt::Orientations expandingDirections() const override { return {}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int ancho) const override { return colocar(QRect(0, 0, ancho, 0), false); }
  void setGeometry(const QRect& r) override;
  QSize sizeHint() const override { return minimumSize(); }
  QSize minimumSize() const override;

 private:
  // Places the items inside `r` (or only measures); returns the height used.
  int colocar(const QRect& r, bool aplicar) const;

  QList<QLayoutItem*> items_;
  int espacioH_;
  int espacioV_;
};

}  // namespace orda::gui
