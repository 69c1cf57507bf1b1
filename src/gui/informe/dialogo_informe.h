#pragma once
// The small dialog that "Informe…" and "Imprimir…" open first: the two
// options and, if the user wants them printed, the installer and customer.
#include <QDialog>
#include <QString>

#include "report/modelo_informe.h"

class QCheckBox;
class QLineEdit;

namespace orda::gui {

struct PedidoInforme {
  report::OpcionesInforme opciones;
  QString instalador;
  QString cliente;
};

class DialogoInforme : public QDialog {
 public:
  DialogoInforme(const PedidoInforme& inicial, QWidget* padre);
  PedidoInforme pedido() const;

 private:
  QCheckBox* soloDistintos_;
  QCheckBox* ocultarTelefonos_;
  QLineEdit* instalador_;
  QLineEdit* cliente_;
};

}  // namespace orda::gui
