#include "report/documento_informe.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDateTime>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <numeric>

namespace orda::report {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

const QColor kSombra(239, 239, 239);
const QColor kGrisEncabezado(209, 209, 209);

QFont fuente(qreal puntos, bool negrita = false) {
  QFont f(QStringLiteral("Tahoma"));
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(puntos);
  f.setBold(negrita);
  // No ligatures: the PDF's text must read back letter by letter.
  f.setStyleStrategy(QFont::PreferNoShaping);
  return f;
}

QTextCharFormat formato(qreal puntos, bool negrita = false) {
  QTextCharFormat c;
  c.setFont(fuente(puntos, negrita));
  return c;
}

Qt::Alignment alineacion(Alineacion a) {
  switch (a) {
    case Alineacion::Izquierda: return Qt::AlignLeft;
    case Alineacion::Derecha: return Qt::AlignRight;
    default: return Qt::AlignHCenter;
  }
}

void escribirCelda(QTextTable* t, int fila, int col, const std::string& texto, Qt::Alignment al,
                   const QTextCharFormat& cf, const QColor* fondo) {
  QTextTableCell celda = t->cellAt(fila, col);
  if (fondo != nullptr) {
    QTextCharFormat f = celda.format();
    f.setBackground(*fondo);
    celda.setFormat(f);
  }
  QTextCursor c = celda.firstCursorPosition();
  QTextBlockFormat b = c.blockFormat();
  b.setAlignment(al);
  c.setBlockFormat(b);
  c.insertText(q(texto), cf);
}

QTextTableFormat formatoTabla(const std::vector<int>& anchos, int filasEncabezado) {
  QTextTableFormat tf;
  tf.setBorderCollapse(true);
  tf.setBorder(0.5);
  tf.setBorderBrush(QColor(150, 150, 150));
  tf.setCellPadding(2);
  tf.setCellSpacing(0);
  tf.setBottomMargin(8);
  tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
  tf.setHeaderRowCount(filasEncabezado);
  const double total = std::accumulate(anchos.begin(), anchos.end(), 0.0);
  QList<QTextLength> columnas;
  for (int a : anchos) columnas.append(QTextLength(QTextLength::PercentageLength, 100.0 * a / total));
  tf.setColumnWidthConstraints(columnas);
  return tf;
}

void insertarTabla(QTextCursor& c, const TablaInforme& t) {
  const int encabezados = static_cast<int>(t.encabezados.size());
  const int filas = encabezados + static_cast<int>(t.filas.size());
  const int columnas = static_cast<int>(t.anchos.size());
  QTextTable* tabla = c.insertTable(filas, columnas, formatoTabla(t.anchos, encabezados));
  const QTextCharFormat negrita = formato(7, true), normal = formato(7);
  for (int f = 0; f < encabezados; ++f) {
    int col = 0;
    for (const Encabezado& e : t.encabezados[static_cast<std::size_t>(f)]) {
      if (e.columnas > 1) tabla->mergeCells(f, col, 1, e.columnas);
      escribirCelda(tabla, f, col, e.texto, Qt::AlignHCenter, negrita, &kGrisEncabezado);
      col += e.columnas;
    }
  }
  // Every second data row shaded, as in the windows.
  for (std::size_t f = 0; f < t.filas.size(); ++f) {
    const QColor* fondo = f % 2 == 1 ? &kSombra : nullptr;
    for (int col = 0; col < columnas; ++col) {
      escribirCelda(tabla, encabezados + static_cast<int>(f), col, t.filas[f][static_cast<std::size_t>(col)],
                    alineacion(t.alineaciones[static_cast<std::size_t>(col)]), normal, fondo);
    }
  }
  c.movePosition(QTextCursor::End);
}

void parrafo(QTextCursor& c, const std::string& texto, const QTextCharFormat& cf, qreal arriba = 0) {
  QTextBlockFormat b;
  b.setTopMargin(arriba);
  b.setBottomMargin(4);
  c.insertBlock(b, cf);
  c.insertText(q(texto), cf);
}

// The header's data: a blank entry gets a line to write on.
void insertarDatos(QTextCursor& c, const Informe& inf) {
  TablaInforme t;
  t.anchos = {1, 4};
  t.alineaciones = {Alineacion::Izquierda, Alineacion::Izquierda};
  for (const Dato& d : inf.datos) {
    t.filas.push_back({d.etiqueta, d.valor.empty() ? std::string(40, '_') : d.valor});
  }
  insertarTabla(c, t);
}

void construir(QTextDocument& doc, const Informe& inf) {
  doc.setDefaultFont(fuente(8));
  doc.setDocumentMargin(0);
  QTextCursor c(&doc);
  c.setCharFormat(formato(16, true));
  c.insertText(q(inf.titulo));
  parrafo(c, "", formato(4));
  insertarDatos(c, inf);
  for (const std::string& a : inf.avisos) parrafo(c, a, formato(8, true), 4);
  for (const Seccion& s : inf.secciones) {
    parrafo(c, s.titulo, formato(12, true), 14);
    if (s.tablas.empty()) parrafo(c, s.nota, formato(8));
    for (const TablaInforme& t : s.tablas) insertarTabla(c, t);
  }
}

}  // namespace

std::string fechaHoraInforme(const QDateTime& momento) {
  return momento.toString(QStringLiteral("dd/MM/yyyy HH:mm")).toStdString();
}

QPageSize tamanoPagina(const QLocale& locale) {
  return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

bool pintarInforme(const Informe& inf, QPagedPaintDevice& dispositivo) {
  QPainter p;
  if (!p.begin(&dispositivo)) return false;
  const QFont chica = fuente(7);
  const qreal linea = QFontMetricsF(chica, &dispositivo).height();
  const qreal ancho = dispositivo.width();
  const QRectF cuerpo(0, 2 * linea, ancho, dispositivo.height() - 4 * linea);

  // Filled first and laid out once on the device: a layout attached while
  // filling would be redone for every cell.
  QTextDocument doc;
  construir(doc, inf);
  doc.documentLayout()->setPaintDevice(&dispositivo);
  doc.setPageSize(cuerpo.size());
  const int paginas = doc.pageCount();

  for (int i = 0; i < paginas; ++i) {
    if (i > 0 && !dispositivo.newPage()) return false;
    p.save();
    p.translate(0, cuerpo.top() - i * cuerpo.height());
    QAbstractTextDocumentLayout::PaintContext ctx;
    ctx.clip = QRectF(0, i * cuerpo.height(), cuerpo.width(), cuerpo.height());
    p.setClipRect(ctx.clip);
    doc.documentLayout()->draw(&p, ctx);
    p.restore();

    p.setFont(chica);
    const QRectF arriba(0, 0, ancho, linea);
    p.drawText(arriba, Qt::AlignLeft | Qt::AlignVCenter, q(inf.encabezadoPagina));
    p.drawText(arriba, Qt::AlignRight | Qt::AlignVCenter, q(inf.titulo));
    p.drawLine(QPointF(0, 1.3 * linea), QPointF(ancho, 1.3 * linea));
    const QRectF abajo(0, cuerpo.bottom() + linea, ancho, linea);
    p.drawText(abajo, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Página %1 de %2").arg(i + 1).arg(paginas));
  }
  return p.end();
}

QByteArray pdfInforme(const Informe& inf, const QPageSize& tamano) {
  QByteArray pdf;
  QBuffer buffer(&pdf);
  if (!buffer.open(QIODevice::WriteOnly)) return {};
  QPdfWriter w(&buffer);
  w.setPageSize(tamano);
  w.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
  w.setResolution(600);
  w.setTitle(q(inf.titulo));
  w.setCreator(QStringLiteral("orda"));
  if (!pintarInforme(inf, w)) return {};
  return pdf;
}

}  // namespace orda::report
