#include "gui/comparacion/ventana_diferencias.h"

#include <QHeaderView>
#include <algorithm>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/comun/texto_qt.h"

namespace orda::gui {

namespace {

enum Columna { kVentana, kFila, kCampo, kAntes, kDespues };
constexpr int kRolIndice = Qt::UserRole;

}  // namespace

Diferencias::Diferencias(QWidget* padre) : QWidget(padre) {
  setObjectName(QStringLiteral("Diferencias"));
  setWindowTitle(QStringLiteral("Diferencias"));
  titulo_ = new QLabel(this);
  titulo_->setObjectName(QStringLiteral("queSeCompara"));
  vacio_ = new QLabel(QStringLiteral("Sin diferencias"), this);
  vacio_->setObjectName(QStringLiteral("sinDiferencias"));
  vacio_->setAlignment(Qt::AlignCenter);
  arbol_ = new QTreeWidget(this);
  arbol_->setObjectName(QStringLiteral("listaDiferencias"));
  arbol_->setHeaderLabels({QStringLiteral("Ventana"), QStringLiteral("Fila"), QStringLiteral("Campo"),
                           QStringLiteral("Antes"), QStringLiteral("Después")});
  arbol_->setRootIsDecorated(true);
  arbol_->setUniformRowHeights(true);
  arbol_->setAlternatingRowColors(true);
  arbol_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  arbol_->header()->setStretchLastSection(true);
  connect(arbol_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    const QVariant i = item->data(kVentana, kRolIndice);
    if (i.isValid()) emit irA(lista_.at(i.value<std::size_t>()));
  });

  auto* marco = new QVBoxLayout(this);
  marco->addWidget(titulo_);
  marco->addWidget(vacio_);
  marco->addWidget(arbol_, 1);
  mostrar(QString(), {});
}

void Diferencias::mostrar(const QString& queSeCompara, std::vector<compare::Diferencia> lista) {
  lista_ = std::move(lista);
  filas_.clear();
  arbol_->clear();
  titulo_->setText(queSeCompara);
  titulo_->setVisible(!queSeCompara.isEmpty());
  // The comparison lists each window's fields together, in window order.
  QTreeWidgetItem* grupo = nullptr;
  for (std::size_t i = 0; i < lista_.size(); ++i) {
    const compare::Diferencia& d = lista_[i];
    const QString ventana = q(compare::tituloVentana(d.ventana));
    if (grupo == nullptr || grupo->text(kVentana) != ventana) {
      grupo = new QTreeWidgetItem(arbol_, {ventana});
      grupo->setFirstColumnSpanned(true);
      QFont negrita = grupo->font(kVentana);
      negrita.setBold(true);
      grupo->setFont(kVentana, negrita);
      grupo->setExpanded(true);
    }
    auto* fila = new QTreeWidgetItem(grupo, {QString(), q(d.fila), q(d.campo), q(d.antes), q(d.despues)});
    fila->setData(kVentana, kRolIndice, QVariant::fromValue(i));
    for (int c = kFila; c <= kDespues; ++c) fila->setToolTip(c, fila->text(c));
    filas_.push_back(fila);
  }
  vacio_->setVisible(lista_.empty());
  arbol_->setVisible(!lista_.empty());
  // Long texts (the SMS messages) are cut at a width; the tooltip has them whole.
  arbol_->setColumnWidth(kVentana, arbol_->indentation() + fontMetrics().horizontalAdvance(QStringLiteral("Ventana")));
  for (int c = kFila; c < kDespues; ++c) {
    arbol_->resizeColumnToContents(c);
    if (c != kCampo) arbol_->setColumnWidth(c, std::min(arbol_->columnWidth(c), fontMetrics().averageCharWidth() * 36));
  }
}

QTreeWidgetItem* Diferencias::fila(std::size_t i) const { return filas_.at(i); }

}  // namespace orda::gui
