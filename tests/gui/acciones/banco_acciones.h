#pragma once
// The whole console on the simulated panel, in virtual time, with what the
// command tests need: the five configuration windows, and a cell or a box
// edited the way a user does it (the cell, the editor, the text, Enter).
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

#include "app/consola_prueba.h"
#include "gui/comun/texto_qt.h"
#include "gui/config/grilla.h"
#include "core/config/tablas.h"
#include "gui/config/ventana_especiales.h"
#include "gui/config/ventana_globales.h"
#include "gui/config/ventanas_tablas.h"

namespace orda::gui {

struct ConsolaComandos : ConsolaPrueba {
  ConsolaComandos() {
    main->activateWindow();
    if (!QTest::qWaitForWindowActive(main.get())) qWarning("la consola no se activó");
    avanzar(2000);  // the panel is plugged in and settled
  }

  template <class V>
  V& ventana(Vista v) {
    return *dynamic_cast<V*>(main->contenido(v));
  }
  TablaGrilla& entradas() { return ventana<Entradas>(Vista::Entradas).grilla(); }
  TablaGrilla& salidas() { return ventana<Salidas>(Vista::Salidas).grilla(); }
  TablaGrilla& tree() { return ventana<Tree>(Vista::Tree).grilla(); }
  Globales& globales() { return ventana<Globales>(Vista::Globales); }
  Especiales& especiales() { return ventana<Especiales>(Vista::Especiales); }
  config::Configuracion& cfg() { return main->configuracion(); }
  QString panel2() { return estado(2).texto(); }
  void esperar(std::int64_t ms) { avanzar(ahora + ms); }

  // The tables as a fresh console has them, shown again.
  void olvidarConfiguracion() {
    cfg() = config::Configuracion{};
    emit main->configuracionLeida();
  }
};

// The editor opened on the cell, its whole text replaced by typing, Enter.
inline void editarCelda(TablaGrilla& g, int fila, int col, const QString& texto) {
  g.setFocus(Qt::MouseFocusReason);
  QVERIFY(g.irA(fila, col));
  if (!g.editorAbierto()) QTest::keyClick(&g, Qt::Key_F2);  // already the current cell
  QVERIFY(g.editorAbierto());
  g.editor()->selectAll();
  QTest::keyClick(g.editor(), Qt::Key_Backspace);
  for (const QChar c : texto) {
    QTest::sendKeyEvent(QTest::Click, g.editor(), static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                        Qt::NoModifier);
  }
  QTest::keyClick(g.editor(), Qt::Key_Return);
}

// Leaves the text in the editor without committing it.
inline void dejarEscrito(TablaGrilla& g, int fila, int col, const QString& texto) {
  QVERIFY(g.irA(fila, col));
  if (!g.editorAbierto()) QTest::keyClick(&g, Qt::Key_F2);
  QVERIFY(g.editorAbierto());
  g.editor()->setFocus(Qt::MouseFocusReason);
  g.editor()->selectAll();
  QTest::keyClick(g.editor(), Qt::Key_Backspace);
  QTest::keyClicks(g.editor(), texto);
}

inline void escribirCaja(QLineEdit* caja, const QString& texto) {
  caja->setFocus(Qt::MouseFocusReason);
  caja->selectAll();
  QTest::keyClick(caja, Qt::Key_Backspace);
  QTest::keyClicks(caja, texto);
  QCoreApplication::processEvents();
}

// On the indicator: a button is only hit on its indicator and caption.
inline void clicEnBoton(QAbstractButton* boton) {
  QTest::mouseClick(boton, Qt::LeftButton, {}, QPoint(8, boton->height() / 2));
}

}  // namespace orda::gui
