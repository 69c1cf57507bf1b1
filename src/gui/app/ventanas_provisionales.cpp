#include "app/ventanas_provisionales.h"

#include <QLabel>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "comun/texto_qt.h"

namespace orda::gui {

InfoProvisional::InfoProvisional(QWidget* padre) : QWidget(padre) {
  mRT_ = new QTextEdit(this);
  mRT_->setObjectName(QStringLiteral("mRT"));
  mRT_->setReadOnly(true);
  auto* col = new QVBoxLayout(this);
  col->setContentsMargins(0, 0, 0, 0);
  col->addWidget(mRT_);
}

void InfoProvisional::agregarAlRegistro(const std::string& texto, link::Color color) {
  // The panel's line ends (LF CR pairs) read as plain line breaks here.
  QString t = q(texto);
  t.remove(QLatin1Char('\r'));
  QTextCursor c(mRT_->document());
  c.movePosition(QTextCursor::Start);
  QTextCharFormat f;
  f.setForeground(QColor(color.r, color.g, color.b));
  c.insertText(t, f);
}

VistaProvisional::VistaProvisional(const QString& aviso, QWidget* padre) : QWidget(padre) {
  auto* col = new QVBoxLayout(this);
  auto* l = new QLabel(aviso, this);
  l->setAlignment(Qt::AlignCenter);
  l->setWordWrap(true);
  l->setStyleSheet(QStringLiteral("color: #5f6b73;"));
  col->addWidget(l);
}

}  // namespace orda::gui
