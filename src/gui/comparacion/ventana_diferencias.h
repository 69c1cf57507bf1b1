#pragma once
// "Diferencias": what a comparison found, in a table grouped by window
// (Ventana, Fila, Campo, Antes, Después). A double click on a row asks to be
// taken to that cell or box; "Sin diferencias" when there is none.
#include <QWidget>
#include <vector>

#include "core/compare/comparar.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace orda::gui {

class Diferencias : public QWidget {
  Q_OBJECT

 public:
  explicit Diferencias(QWidget* padre = nullptr);

  // Shows a new list; `queSeCompara` says what is before and what after.
  void mostrar(const QString& queSeCompara, std::vector<compare::Diferencia> lista);

  const std::vector<compare::Diferencia>& lista() const { return lista_; }
  QTreeWidget* arbol() const { return arbol_; }
  QLabel* sinDiferencias() const { return vacio_; }
  // The row of lista()[i] in the table.
  QTreeWidgetItem* fila(std::size_t i) const;

 signals:
  void irA(const compare::Diferencia& d);

 private:
  QLabel* titulo_;
  QLabel* vacio_;
  QTreeWidget* arbol_;
  std::vector<compare::Diferencia> lista_;
  std::vector<QTreeWidgetItem*> filas_;
};

}  // namespace orda::gui
