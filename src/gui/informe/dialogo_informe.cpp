#include "gui/informe/dialogo_informe.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orda::gui {

DialogoInforme::DialogoInforme(const PedidoInforme& inicial, QWidget* padre)
    : QDialog(padre),
      soloDistintos_(new QCheckBox(QStringLiteral("Solo valores distintos de los de fábrica"))),
      ocultarTelefonos_(new QCheckBox(QStringLiteral("Ocultar números de teléfono"))),
      instalador_(new QLineEdit(inicial.instalador)),
      cliente_(new QLineEdit(inicial.cliente)) {
  setWindowTitle(QStringLiteral("Informe"));
  setObjectName(QStringLiteral("DialogoInforme"));
  soloDistintos_->setChecked(inicial.opciones.soloDistintos);
  ocultarTelefonos_->setChecked(inicial.opciones.ocultarTelefonos);
  // Left blank, the report leaves a line to write on.
  for (QLineEdit* e : {instalador_, cliente_}) {
    e->setPlaceholderText(QStringLiteral("opcional"));
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QString(32, QLatin1Char('n'))));
  }

  auto* datos = new QFormLayout;
  datos->addRow(QStringLiteral("Instalador"), instalador_);
  datos->addRow(QStringLiteral("Cliente"), cliente_);
  auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  botones->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
  botones->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
  connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* v = new QVBoxLayout(this);
  v->addWidget(soloDistintos_);
  v->addWidget(ocultarTelefonos_);
  v->addLayout(datos);
  v->addWidget(botones);
}

PedidoInforme DialogoInforme::pedido() const {
  return {{soloDistintos_->isChecked(), ocultarTelefonos_->isChecked()}, instalador_->text().trimmed(),
          cliente_->text().trimmed()};
}

}  // namespace orda::gui
