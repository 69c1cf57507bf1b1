#pragma once
// The whole console on the simulated panel, in virtual time, with what the
// command tests need: the five configuration windows, a cell edited the way a
// user does it (the cell, the editor, the text, Enter), a mark toggled by
// click or Space, and the cells where two configurations differ.
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

// A mark or input-type cell toggled with the mouse (clic) or Space.
inline void alternar(TablaGrilla& g, int fila, int col, bool clic) {
  QVERIFY(g.irA(fila, col));  // scrolled into view
  g.setFocus(Qt::MouseFocusReason);
  if (clic) {
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.rectCelda(fila, col).center());
  } else {
    QTest::keyClick(&g, Qt::Key_Space);
  }
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

// "Entradas 3,8: 603 → 600" for every cell, text box, option and identity
// text where `despues` differs from `antes`.
inline QStringList diferencias(const config::Configuracion& antes, const config::Configuracion& despues) {
  QStringList d;
  auto celdas = [&](const char* nombre, const config::Tabla& a, const config::Tabla& b) {
    for (int f = 0; f < a.filas(); ++f) {
      for (int c = 0; c < a.columnas(); ++c) {
        const config::Celda& x = a.celda(f, c);
        const config::Celda& y = b.celda(f, c);
        if (x.texto != y.texto) {
          d << QStringLiteral("%1 %2,%3: %4 → %5").arg(nombre).arg(f).arg(c).arg(q(x.texto), q(y.texto));
        }
        if (x.imagen != y.imagen) {
          d << QStringLiteral("%1 %2,%3: [%4] → [%5]").arg(nombre).arg(f).arg(c).arg(q(x.imagen), q(y.imagen));
        }
      }
    }
  };
  celdas("Entradas", antes.entradas, despues.entradas);
  celdas("Salidas", antes.salidas, despues.salidas);
  celdas("Tree", antes.tree, despues.tree);
  for (int n = 1; n <= 9; ++n) {
    const auto& x = antes.globales.text[static_cast<std::size_t>(n)];
    const auto& y = despues.globales.text[static_cast<std::size_t>(n)];
    if (x != y) d << QStringLiteral("Text%1: %2 → %3").arg(n).arg(q(x), q(y));
  }
  for (int i = 0; i < config::opcion::kCantidad; ++i) {
    if (antes.globales.opcionActiva(i) != despues.globales.opcionActiva(i)) d << QStringLiteral("OpcionesGlobales %1").arg(i);
  }
  for (int i = 0; i < config::kCantidadOpciones; ++i) {
    if (antes.especiales.option1[static_cast<std::size_t>(i)] != despues.especiales.option1[static_cast<std::size_t>(i)]) {
      d << QStringLiteral("Option1 %1").arg(i);
    }
  }
  if (antes.versionPanel != despues.versionPanel) d << QStringLiteral("versionPanel");
  if (antes.serialPanel != despues.serialPanel) d << QStringLiteral("serialPanel");
  return d;
}

}  // namespace orda::gui
