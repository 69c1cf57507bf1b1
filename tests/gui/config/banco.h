#pragma once
// A configuration and its windows on the offscreen screen, with a line edit
// beside them to take the focus away, as a click elsewhere in the console does.
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "core/config/configuracion.h"
#include "gui/config/grilla.h"
#include "biblioteca_vacia.h"
#include "dialogos_grabados.h"

namespace orda::gui {

struct Banco {
  config::Configuracion config;
  DialogosGrabados dialogos;
  BibliotecaVacia imagenes;
  std::unique_ptr<QWidget> anfitrion;
  QLineEdit* otro = nullptr;
  QStringList estados;

  // Puts `ventana` beside the other line edit and waits until it can take the focus.
  template <class V>
  V* mostrar(V* ventana, QSize tam = {900, 420}) {
    anfitrion = std::make_unique<QWidget>();
    auto* capa = new QHBoxLayout(anfitrion.get());
    capa->addWidget(ventana, 1);
    otro = new QLineEdit;
    capa->addWidget(otro);
    if constexpr (requires { &V::mensajeEstado; }) {
      QObject::connect(ventana, &V::mensajeEstado, anfitrion.get(), [this](const QString& s) { estados << s; });
    }
    anfitrion->resize(tam);
    anfitrion->show();
    if (!QTest::qWaitForWindowActive(anfitrion.get())) qWarning("la ventana no se activó");
    return ventana;
  }

  QString ultimoEstado() const { return estados.isEmpty() ? QString() : estados.constLast(); }
  QString ultimoAviso() const { return dialogos.mostrados.empty() ? QString() : dialogos.mostrados.back().texto; }
};

// Opens the editor on a cell the way a user does: the cell, then F2.
inline void editar(TablaGrilla& g, int fila, int col) {
  g.irA(fila, col);
  g.setFocus(Qt::OtherFocusReason);
  QTest::keyClick(&g, Qt::Key_F2);
}

// Types `texto` key by key (accented letters included).
inline void teclear(QWidget* w, const QString& texto) {
  for (const QChar c : texto) {
    QTest::sendKeyEvent(QTest::Click, w, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c), Qt::NoModifier);
  }
}

// Replaces the editor's whole text by typing.
inline void escribir(TablaGrilla& g, const QString& texto) {
  g.editor()->selectAll();
  QTest::keyClick(g.editor(), Qt::Key_Backspace);
  teclear(g.editor(), texto);
}

inline void clicEnCelda(TablaGrilla& g, int fila, int col) {
  QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.rectCelda(fila, col).center());
}

inline QString celda(const TablaGrilla& g, int fila, int col) { return QString::fromStdString(g.tabla().texto(fila, col)); }

}  // namespace orda::gui
