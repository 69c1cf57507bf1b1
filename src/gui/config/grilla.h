#pragma once
// The grid of a configuration table (inputs, outputs, phone list) and its
// overlay cell editor. The grid shows and edits the core table in place; it
// keeps no copy of the values.
//
// Moving the current cell commits the cell left (LeaveCell: the table's check,
// then the write, or the warning with the editor kept on the refused cell) and
// then opens the editor on the new cell (EnterCell). When the focus goes to
// another widget of the console, the editor's text is written by the table's
// focus-loss rule.
#include <QAbstractScrollArea>
#include <QFont>

#include "gui/config/geometria_grilla.h"
#include "core/config/tabla.h"

class QLineEdit;

namespace orda::gui {

class BibliotecaImagenes;
class Dialogos;

class TablaGrilla : public QAbstractScrollArea {
  Q_OBJECT

 public:
  TablaGrilla(config::Tabla& tabla, Dialogos& dialogos, const BibliotecaImagenes& imagenes,
              QWidget* padre = nullptr);

  config::Tabla& tabla() { return tabla_; }
  const config::Tabla& tabla() const { return tabla_; }

  // The current cell, in the table's own rows and columns.
  int fila() const { return fila_; }
  int columna() const { return col_; }
  // Moves the current cell as the keyboard does. False when the value in the
  // editor was refused: the warning was shown and the cell did not change.
  bool irA(int fila, int col);

  // LeaveCell for the commands: commits a pending edit. False when the value
  // was refused (warning shown, editor kept).
  bool confirmarEdicion();

  // editingEnabled: off while a window builds its grid.
  void ponerEdicionHabilitada(bool si) { edicionHabilitada_ = si; }

  // Column widths: 3 × the column's width in twips, or shares of the grid's
  // own width (the phone list).
  void ponerAnchosProporcionales(bool si) { proporcional_ = si; }
  void ajustarAnchos();

  // Shows the table again after it changed behind the grid (read, file
  // opened); a pending edit is dropped.
  void recargar();

  QLineEdit* editor() const { return editor_; }
  bool editorAbierto() const { return editorAbierto_; }
  int filaEditada() const { return filaEditada_; }
  // A cell's rectangle in the coordinates of viewport().
  QRect rectCelda(int fila, int col) const { return geo_.rect(fila, col); }
  const GeometriaGrilla& geometria() const { return geo_; }
  QSize sizeHint() const override;

 signals:
  // The text for the status bar's message panel ("" clears it).
  void mensajeEstado(const QString& texto);
  // A cell was written or toggled.
  void tablaCambiada();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  bool eventFilter(QObject* objeto, QEvent* e) override;

 private:
  bool esColumnaEditable(int col) const;
  void moverSinConfirmar(int fila, int col);
  bool leaveCell();
  void showEditor();
  void toggleCell();
  void cerrarEditor();
  void colocarEditor();
  void actualizarBarras();
  void avisarTabla();
  void contador(const QString& texto);
  bool teclaEditor(QKeyEvent* e);
  void alCambiarFoco(QWidget* antes, QWidget* ahora);
  PosicionCelda siguiente(int fila, int col) const;
  PosicionCelda anterior(int fila, int col) const;
  void errorEnTabla();

  config::Tabla& tabla_;
  Dialogos& dialogos_;
  const BibliotecaImagenes& imagenes_;
  GeometriaGrilla geo_;
  QFont fuente_;
  QLineEdit* editor_;

  int fila_ = config::Tabla::kPrimeraFila;
  int col_ = 1;
  int filaEditada_ = config::Tabla::kPrimeraFila;
  int colEditada_ = 1;
  bool edicionHabilitada_ = false;
  bool editorAbierto_ = false;
  bool proporcional_ = false;
  bool cerrando_ = false;    // the editor is being hidden on purpose
  bool moviendo_ = false;    // scrolling done by a cell move, not by the user
  bool cargando_ = false;    // the editor's text is being set, not typed
};

}  // namespace orda::gui
