#include "gui/app/ventanas_provisionales.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orda::gui {

VistaProvisional::VistaProvisional(const QString& aviso, QWidget* padre) : QWidget(padre) {
  auto* col = new QVBoxLayout(this);
  auto* l = new QLabel(aviso, this);
  l->setAlignment(Qt::AlignCenter);
  l->setWordWrap(true);
  l->setStyleSheet(QStringLiteral("color: #5f6b73;"));
  col->addWidget(l);
}

}  // namespace orda::gui
