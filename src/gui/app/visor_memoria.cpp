#include "gui/app/visor_memoria.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>


namespace orda::gui {

QString lineaMemoria(const imagen::ImagenMemoria& img, int linea) {
  const std::size_t desde = static_cast<std::size_t>(linea) * 16;
  QString s = QStringLiteral("%1H ").arg(imagen::kDireccionBase + desde, 5, 16, QLatin1Char('0')).toUpper();
  for (std::size_t i = desde; i < desde + 16; ++i) {
    s += QStringLiteral(" %1").arg(img.at(i), 2, 16, QLatin1Char('0')).toUpper();
  }
  return s;
}

QString textoMemoria(const imagen::ImagenMemoria& img, int primera) {
  QString s;
  for (int l = primera; l < primera + kLineasVisibles; ++l) s += lineaMemoria(img, l) + QStringLiteral("\r\n");
  return s;
}

Form1::Form1(const imagen::ImagenMemoria& imagenMemoria, QWidget* padre)
    : QWidget(padre), imagenMemoria_(imagenMemoria) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Memoria interna"));

  text1_ = new QPlainTextEdit(this);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setReadOnly(true);
  text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont letra;
  letra.setFamilies({QStringLiteral("OCR A Extended"), QStringLiteral("OCR A"), QStringLiteral("DejaVu Sans Mono"),
                     QStringLiteral("Monospace")});
  letra.setStyleHint(QFont::Monospace);
  letra.setFixedPitch(true);
  letra.setPointSize(10);
  text1_->setFont(letra);
  text1_->clear();

  sb_ = new QScrollBar(Qt::Vertical, this);
  sb_->setObjectName(QStringLiteral("sb"));
  sb_->setRange(0, kUltimaPrimeraLinea);
  sb_->setPageStep(kLineasVisibles);

  // The text box shows the sixteen lines exactly, as the editor lays them
  // out; the scroll bar is as high.
  sb_Change();
  int ancho = 0;
  int alto = 0;
  Obtener_Text_Size(*text1_, lineaMemoria(imagenMemoria_, 0) + QStringLiteral("  "), ancho, alto);
  const QTextBlock primera = text1_->document()->firstBlock();
  const double renglon =
      std::max<double>(alto, text1_->document()->documentLayout()->blockBoundingRect(primera).height());
  const int marco = 2 * (text1_->frameWidth() + static_cast<int>(text1_->document()->documentMargin()));
  text1_->setFixedSize(ancho + marco, static_cast<int>(std::ceil(renglon * kLineasVisibles)) + marco + 2);
  sb_->setFixedHeight(text1_->height());

  auto* fila = new QHBoxLayout(this);
  fila->setContentsMargins(6, 6, 6, 6);
  fila->setSpacing(0);
  fila->addWidget(text1_);
  fila->addWidget(sb_);
  fila->setAlignment(Qt::AlignTop | Qt::AlignLeft);

  connect(sb_, &QScrollBar::valueChanged, this, [this] { sb_Change(); });
}

void Form1::sb_Change() {
  QString t = textoMemoria(imagenMemoria_, sb_->value());
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.chop(1);
  text1_->setPlainText(t);
}

void Form1::Obtener_Text_Size(const QWidget& objeto, const QString& texto, int& ancho, int& alto) {
  const QFontMetrics m(objeto.font());
  ancho = m.horizontalAdvance(texto);
  alto = m.height();
}

}  // namespace orda::gui
