#include "gui/config/grilla.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <stdexcept>

#include "gui/comun/dialogos.h"
#include "gui/comun/texto_qt.h"
#include "gui/comun/twips.h"
#include "core/config/alternar.h"
#include "gui/config/pintor_grilla.h"
#include "core/config/validacion.h"

namespace orda::gui {

namespace {

using config::CellKind;
using config::Tabla;

constexpr int kAltoFilaTwips = 250;
constexpr int kLineaGrilla = 1;       // pixels of the grid line on each cell's left and top
constexpr int kMargenEncabezado = 8;  // room kept around a header caption
constexpr double kRecorteProporcional = 120;  // twips the phone list leaves for its borders

bool esMotivoReal(Qt::FocusReason m) {
  // A message box or a popup taking the focus is not the user leaving the cell.
  return m == Qt::MouseFocusReason || m == Qt::TabFocusReason || m == Qt::BacktabFocusReason ||
         m == Qt::OtherFocusReason;
}

}  // namespace

TablaGrilla::TablaGrilla(config::Tabla& tabla, Dialogos& dialogos, const BibliotecaImagenes& imagenes, QWidget* padre)
    : QAbstractScrollArea(padre),
      tabla_(tabla),
      dialogos_(dialogos),
      imagenes_(imagenes),
      geo_(Tabla::kPrimeraFila, 1),
      fuente_(QStringLiteral("Tahoma"), 8),
      editor_(new QLineEdit(viewport())) {
  fuente_.setStyleHint(QFont::SansSerif);
  setFont(fuente_);
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::StrongFocus);
  horizontalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setSingleStep(1);

  // The hidden rows (row 0 and the rows after the records) have no height.
  std::vector<int> altos(static_cast<std::size_t>(tabla_.filas()));
  for (int f = 0; f < tabla_.filas(); ++f) {
    altos[static_cast<std::size_t>(f)] = (f == Tabla::kFilaOculta || f > tabla_.ultimaFila()) ? 0 : aPixeles(kAltoFilaTwips);
  }
  geo_.ponerAltos(std::move(altos));
  ajustarAnchos();

  QFont negrita(fuente_);
  negrita.setBold(true);
  editor_->setFont(negrita);
  editor_->setFrame(false);
  editor_->setAlignment(Qt::AlignCenter);
  editor_->setTextMargins(0, 0, 0, 0);
  QPalette paleta = editor_->palette();
  paleta.setColor(QPalette::Base, colores::kEditor);
  paleta.setColor(QPalette::Text, Qt::black);
  editor_->setPalette(paleta);
  editor_->setAutoFillBackground(true);
  editor_->hide();
  editor_->installEventFilter(this);
  connect(editor_, &QLineEdit::textChanged, this, [this](const QString& t) {
    if (editorAbierto_ && !cargando_) contador(t);
  });
}

bool TablaGrilla::esColumnaEditable(int col) const {
  const CellKind k = tabla_.columna(col).tipo;
  return k == CellKind::Text || k == CellKind::Time;
}

void TablaGrilla::ajustarAnchos() {
  const QFontMetrics fm(fuente_);
  const int n = tabla_.columnas();
  int suma = 0;
  for (const config::ColumnSpec& s : tabla_.spec()) suma += s.ancho;
  std::vector<int> anchos(static_cast<std::size_t>(n));
  for (int c = 0; c < n; ++c) {
    const int ancho = tabla_.columna(c).ancho;
    const double twips = proporcional_ ? (aTwips(width()) - kRecorteProporcional) * ancho / suma : 3.0 * ancho;
    // Where the screen font is wider than the panel software's, a caption
    // still fits whole.
    const int texto = fm.horizontalAdvance(q(tabla_.texto(Tabla::kFilaEncabezado2, c))) + kMargenEncabezado;
    anchos[static_cast<std::size_t>(c)] = std::max(aPixeles(twips), texto);
  }
  for (int c = 0; c < n;) {
    const auto [primera, ultima] = tramoEncabezado(tabla_, c, geo_.columnasFijas());
    const int necesario = fm.horizontalAdvance(q(tabla_.texto(Tabla::kFilaEncabezado1, c))) + kMargenEncabezado;
    int tiene = 0;
    for (int i = primera; i <= ultima; ++i) tiene += anchos[static_cast<std::size_t>(i)];
    const int cuantas = ultima - primera + 1;
    for (int i = primera; i <= ultima && tiene < necesario; ++i) {
      anchos[static_cast<std::size_t>(i)] += (necesario - tiene) / cuantas + ((i - primera) < (necesario - tiene) % cuantas);
    }
    c = ultima + 1;
  }
  geo_.ponerAnchos(std::move(anchos));
  actualizarBarras();
  colocarEditor();
  viewport()->update();
}

void TablaGrilla::actualizarBarras() {
  const bool antes = moviendo_;
  moviendo_ = true;
  geo_.ponerVista(viewport()->size());
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  h->setRange(0, geo_.maxPrimeraColumna() - geo_.columnasFijas());
  h->setPageStep(geo_.columnasEnVista());
  v->setRange(0, geo_.maxPrimeraFila() - geo_.filasFijas());
  v->setPageStep(geo_.filasEnVista());
  geo_.ponerPrimeraColumna(h->value() + geo_.columnasFijas());
  geo_.ponerPrimeraFila(v->value() + geo_.filasFijas());
  moviendo_ = antes;
}

QSize TablaGrilla::sizeHint() const {
  const int ancho = std::min(geo_.anchoTotal(), aPixeles(15000)) + 2 * frameWidth() + 1;
  const int alto = geo_.altoTotal() + 2 * frameWidth() + horizontalScrollBar()->sizeHint().height() + 1;
  return {ancho, alto};
}

// ---- moving the current cell -------------------------------------------

bool TablaGrilla::irA(int fila, int col) {
  if (!tabla_.existe(fila, col)) return false;
  if (fila == fila_ && col == col_) return true;
  if (!leaveCell()) return false;
  moverSinConfirmar(fila, col);
  showEditor();
  return true;
}

void TablaGrilla::moverSinConfirmar(int fila, int col) {
  fila_ = fila;
  col_ = col;
  const bool antes = moviendo_;
  moviendo_ = true;
  geo_.asegurarVisible(fila, col);
  horizontalScrollBar()->setValue(geo_.primeraColumna() - geo_.columnasFijas());
  verticalScrollBar()->setValue(geo_.primeraFila() - geo_.filasFijas());
  moviendo_ = antes;
  viewport()->update();
}

bool TablaGrilla::confirmarEdicion() { return leaveCell(); }

bool TablaGrilla::leaveCell() {
  if (!edicionHabilitada_ || !editorAbierto_) return true;
  using Accion = config::ValidacionCelda::Accion;
  try {
    const std::string texto = u8(editor_->text());
    // Passing through a cell without typing checks nothing.
    if (texto == tabla_.texto(filaEditada_, colEditada_)) {
      cerrarEditor();
      return true;
    }
    config::ValidacionCelda v = config::validarLeaveCell(tabla_, colEditada_, texto);
    switch (v.accion) {
      case Accion::Escribir:
      case Accion::CambiarEditor:  // an emptied phone number becomes the unset marker
        tabla_.ponerTexto(filaEditada_, colEditada_, std::move(v.texto));
        cerrarEditor();
        avisarTabla();
        return true;
      case Accion::NoEscribir:
        cerrarEditor();
        return true;
      case Accion::Rechazar:
        break;
    }
    dialogos_.mensaje(q(v.aviso.texto), q(config::kTituloAviso), Icono::Exclamacion);
    if (tabla_.tipo() == config::TipoTabla::Salidas) {
      cargando_ = true;
      editor_->setText(q(tabla_.texto(filaEditada_, colEditada_)));
      cargando_ = false;
      contador(editor_->text());
    }
    // The refused cell is brought into view with the editor over it.
    moverSinConfirmar(filaEditada_, colEditada_);
    colocarEditor();
    editor_->setFocus(Qt::OtherFocusReason);
    editor_->selectAll();
    return false;
  } catch (const std::exception&) {
    cargando_ = false;
    errorEnTabla();
    cerrarEditor();
    return true;
  }
}

void TablaGrilla::showEditor() {
  if (!edicionHabilitada_ || !tabla_.esFilaDatos(fila_) || !esColumnaEditable(col_)) {
    cerrarEditor();
    emit mensajeEstado(QString());
    return;
  }
  try {
    const QString texto = q(tabla_.texto(fila_, col_));
    cargando_ = true;
    // A stored text longer than the column allows is shown whole, never cut.
    editor_->setMaxLength(std::max(tabla_.columna(col_).largoMaximo, static_cast<int>(texto.size())));
    editor_->setText(texto);
    cargando_ = false;
    filaEditada_ = fila_;
    colEditada_ = col_;
    editorAbierto_ = true;
    colocarEditor();
    editor_->setEnabled(true);
    editor_->setSelection(0, static_cast<int>(texto.size()));
    contador(texto);
  } catch (const std::exception&) {
    cargando_ = false;
    errorEnTabla();
  }
}

void TablaGrilla::colocarEditor() {
  if (!editorAbierto_) return;
  if (geo_.enVista(filaEditada_, colEditada_)) {
    editor_->setGeometry(geo_.rect(filaEditada_, colEditada_).adjusted(kLineaGrilla, kLineaGrilla, 0, 0));
    editor_->show();
    return;
  }
  // Scrolled behind the frozen part: hidden, but the edit stays pending.
  cerrando_ = true;
  if (editor_->hasFocus()) setFocus(Qt::OtherFocusReason);
  editor_->hide();
  cerrando_ = false;
}

void TablaGrilla::cerrarEditor() {
  editorAbierto_ = false;
  if (editor_->isHidden()) return;
  cerrando_ = true;
  if (editor_->hasFocus()) setFocus(Qt::OtherFocusReason);
  editor_->hide();
  cerrando_ = false;
}

void TablaGrilla::toggleCell() {
  if (esColumnaEditable(col_)) {
    emit mensajeEstado(q(config::caracteresRestantes(tabla_.columna(col_).largoMaximo, tabla_.texto(fila_, col_))));
  } else {
    emit mensajeEstado(QString());
  }
  if (config::toggleCell(tabla_, fila_, col_)) avisarTabla();
}

void TablaGrilla::recargar() {
  cerrarEditor();
  viewport()->update();
}

void TablaGrilla::avisarTabla() {
  viewport()->update();
  emit tablaCambiada();
}

void TablaGrilla::contador(const QString& texto) {
  emit mensajeEstado(q(config::caracteresRestantes(tabla_.columna(colEditada_).largoMaximo, u8(texto))));
}

void TablaGrilla::errorEnTabla() {
  if (tabla_.tipo() == config::TipoTabla::Entradas) {
    dialogos_.mensaje(QStringLiteral("Error en TablaEntradaLeaveCell"), QStringLiteral("orda"), Icono::Critico);
  } else {
    dialogos_.mensaje(QStringLiteral("Error"), QStringLiteral("orda"), Icono::Informacion);
  }
}

// ---- the editor's keys and focus ------------------------------------------

PosicionCelda TablaGrilla::siguiente(int fila, int col) const {
  if (col + 1 < tabla_.columnas()) return {fila, col + 1};
  return {fila == tabla_.ultimaFila() ? Tabla::kPrimeraFila : fila + 1, 1};
}

PosicionCelda TablaGrilla::anterior(int fila, int col) const {
  if (col - 1 >= 1) return {fila, col - 1};
  return {fila == Tabla::kPrimeraFila ? tabla_.ultimaFila() : fila - 1, tabla_.columnas() - 1};
}

bool TablaGrilla::teclaEditor(QKeyEvent* e) {
  const int largo = static_cast<int>(editor_->text().size());
  const int inicio = editor_->hasSelectedText() ? editor_->selectionStart() : editor_->cursorPosition();
  const int primera = Tabla::kPrimeraFila;
  const int ultima = tabla_.ultimaFila();
  PosicionCelda destino{-1, -1};
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      destino = siguiente(fila_, col_);
      break;
    case Qt::Key_Right:
      if (inicio == largo) destino = siguiente(fila_, col_);
      break;
    case Qt::Key_Left:
      if (inicio == 0) destino = anterior(fila_, col_);
      break;
    case Qt::Key_Down:
      destino = {fila_ == ultima ? primera : fila_ + 1, col_};
      break;
    case Qt::Key_Up:
      destino = {fila_ == primera ? ultima : fila_ - 1, col_};
      break;
    case Qt::Key_Escape:
      cargando_ = true;
      editor_->setText(q(tabla_.texto(filaEditada_, colEditada_)));
      cargando_ = false;
      cerrarEditor();
      return true;
    default:
      return false;
  }
  if (destino.fila < 0) return false;
  // Typing goes on in the editor on the next cell; a mark leaves the keys to the grid.
  if (irA(destino.fila, destino.col) && editorAbierto_ && editor_->isVisible()) editor_->setFocus(Qt::OtherFocusReason);
  return true;
}

void TablaGrilla::editorPerdioFoco(Qt::FocusReason motivo) {
  if (cerrando_ || !editorAbierto_ || !edicionHabilitada_ || !esMotivoReal(motivo)) return;
  // Focus going to the grid itself is a cell move: LeaveCell commits it.
  if (QApplication::focusWidget() == this) return;
  try {
    const config::Aviso aviso = config::confirmarLostFocus(tabla_, filaEditada_, colEditada_, u8(editor_->text()));
    cerrarEditor();
    avisarTabla();
    if (aviso) emit mensajeEstado(q(aviso.texto));
  } catch (const std::exception&) {
    errorEnTabla();
    cerrarEditor();
  }
}

bool TablaGrilla::eventFilter(QObject* objeto, QEvent* e) {
  if (objeto == editor_) {
    if (e->type() == QEvent::KeyPress) return teclaEditor(static_cast<QKeyEvent*>(e));
    if (e->type() == QEvent::FocusOut) editorPerdioFoco(static_cast<QFocusEvent*>(e)->reason());
  }
  return QAbstractScrollArea::eventFilter(objeto, e);
}

// ---- the grid's own events ------------------------------------------------

void TablaGrilla::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  pintarGrilla(p, {tabla_, geo_, imagenes_, fuente_, {fila_, col_}, hasFocus(), devicePixelRatioF()});
}

void TablaGrilla::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  if (proporcional_) {
    ajustarAnchos();
  } else {
    actualizarBarras();
    colocarEditor();
  }
}

void TablaGrilla::scrollContentsBy(int, int) {
  geo_.ponerPrimeraColumna(horizontalScrollBar()->value() + geo_.columnasFijas());
  geo_.ponerPrimeraFila(verticalScrollBar()->value() + geo_.filasFijas());
  viewport()->update();
  // Scrolling keeps a pending edit; it only lays the editor over its cell again.
  if (moviendo_ || (editorAbierto_ && filaEditada_ == fila_ && colEditada_ == col_)) {
    colocarEditor();
  } else {
    showEditor();
  }
}

void TablaGrilla::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const PosicionCelda c = geo_.celdaEn(e->position().toPoint());
  // The record number and the headers are not cells to edit.
  const int col = std::max(c.col, 1);
  const int fila = std::clamp(c.fila, Tabla::kPrimeraFila, tabla_.ultimaFila());
  if (!irA(fila, col)) return;
  if (tabla_.tipo() != config::TipoTabla::Tree) toggleCell();
  if (editorAbierto_ && editor_->isVisible()) editor_->setFocus(Qt::MouseFocusReason);
}

void TablaGrilla::mouseDoubleClickEvent(QMouseEvent* e) { mousePressEvent(e); }

void TablaGrilla::keyPressEvent(QKeyEvent* e) {
  const int primera = Tabla::kPrimeraFila;
  const int ultima = tabla_.ultimaFila();
  const int ultimaCol = tabla_.columnas() - 1;
  switch (e->key()) {
    case Qt::Key_Up: irA(std::max(fila_ - 1, primera), col_); break;
    case Qt::Key_Down: irA(std::min(fila_ + 1, ultima), col_); break;
    case Qt::Key_Left: irA(fila_, std::max(col_ - 1, 1)); break;
    case Qt::Key_Right: irA(fila_, std::min(col_ + 1, ultimaCol)); break;
    case Qt::Key_Home: irA(fila_, 1); break;
    case Qt::Key_End: irA(fila_, ultimaCol); break;
    case Qt::Key_PageUp: irA(primera, col_); break;
    case Qt::Key_PageDown: irA(ultima, col_); break;
    case Qt::Key_Escape:
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: break;  // acted on when the key comes up
    default: e->ignore(); return;
  }
  e->accept();
}

void TablaGrilla::keyReleaseEvent(QKeyEvent* e) {
  if (e->isAutoRepeat()) return;
  switch (e->key()) {
    case Qt::Key_Escape:
      cerrarEditor();
      break;
    case Qt::Key_F2:
    case Qt::Key_Return:  // from the keyboard alone, Enter on the grid edits as F2 does
    case Qt::Key_Enter:
      showEditor();
      if (editorAbierto_ && editor_->isVisible()) editor_->setFocus(Qt::OtherFocusReason);
      break;
    case Qt::Key_Space:
      if (tabla_.esFilaDatos(fila_) && !esColumnaEditable(col_)) toggleCell();
      break;
    default:
      e->ignore();
      return;
  }
  e->accept();
}

void TablaGrilla::focusInEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusInEvent(e);
  viewport()->update();
}

void TablaGrilla::focusOutEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusOutEvent(e);
  viewport()->update();
}

}  // namespace orda::gui
