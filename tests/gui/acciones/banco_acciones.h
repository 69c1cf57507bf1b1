#pragma once
// The whole console on the offscreen screen, on the simulated panel, in
// virtual time: tests move the clock and run what fell due, so that the
// panel's plug-in half a second after start-up and the five-second signal
// poll take no real time. ConsolaComandos adds what the command tests need:
// the five configuration windows, and a cell or a box edited the way a user
// does it (the cell, the editor, the text, Enter).
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

#include "core/config/tablas.h"
#include "core/simulator/transporte_simulado.h"
#include "dialogos_grabados.h"
#include "gui/app/barra_estado.h"
#include "gui/app/ventana_main.h"
#include "gui/comun/imagenes_aplicacion.h"
#include "gui/comun/texto_qt.h"
#include "gui/config/grilla.h"
#include "gui/config/ventana_especiales.h"
#include "gui/config/ventana_globales.h"
#include "gui/config/ventanas_tablas.h"
#include "gui/consola/ventanas_hijas.h"

namespace orda::gui {

struct ConsolaPrueba {
  QTemporaryDir carpeta;
  DialogosGrabados dialogos;
  ImagenesAplicacion imagenes;
  std::int64_t ahora = 0;
  std::unique_ptr<Main> main;
  std::vector<QUrl> abiertas;
  std::vector<std::string> enviados;  // the letters of every report the panel got

  // Without `arrancar` the caller sizes the window and starts the console.
  explicit ConsolaPrueba(bool arrancar = true) {
    DependenciasMain d;
    d.dialogos = &dialogos;
    d.imagenes = &imagenes;
    d.reloj = [this] { return ahora; };
    d.fabricaTransporte = [this](motor::MotorEnlace::Reloj reloj) -> std::unique_ptr<link::Transporte> {
      auto t = std::make_unique<simulator::TransporteSimulado>(std::move(reloj));
      t->alEscribir = [this](const link::BufferReporte& b, std::int64_t) {
        enviados.emplace_back(reinterpret_cast<const char*>(&b[1]), 2);
      };
      return t;
    };
    d.carpetaAplicacion = carpeta.path();
    d.carpetasImagenes = {qEnvironmentVariable("ORDA_IMAGENES")};
    d.rutaRegistroImagenes = carpeta.filePath(QStringLiteral("imagenes.log"));
    d.abrirUrl = [this](const QUrl& u) {
      abiertas.push_back(u);
      return true;
    };
    main = std::make_unique<Main>(std::move(d));
    main->resize(1200, 800);
    ponerVentanasConsola(*main);
    if (arrancar) main->arrancar();
  }

  // Moves the clock to `hasta`, running every deadline on the way in order
  // and what the windows left queued after each.
  void avanzar(std::int64_t hasta) {
    for (;;) {
      const auto t = main->motor().proximoVencimiento();
      if (!t || *t > hasta) break;
      ahora = std::max(ahora, *t);
      main->motor().vencer();
      QCoreApplication::sendPostedEvents();
    }
    ahora = hasta;
  }

  simulator::TransporteSimulado& panel() { return static_cast<simulator::TransporteSimulado&>(main->motor().transporte()); }
  PanelEstado& estado(int n) { return main->barraEstado()->panel(n); }
  QAction* accion(const char* nombre) { return main->accion(QString::fromLatin1(nombre)); }
  bool visible(Vista v) {
    const QMdiSubWindow* s = main->subventana(v);
    return s != nullptr && s->isVisible();
  }
  int cuantos(const std::string& letras) const {
    return static_cast<int>(std::count(enviados.begin(), enviados.end(), letras));
  }
  // The reports the panel got that are configuration records (commands 21..25).
  int registros() const {
    return static_cast<int>(
        std::count_if(enviados.begin(), enviados.end(), [](const std::string& l) { return l[0] >= 21 && l[0] <= 25; }));
  }
};

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

// The editor opened on the cell (F2 when it is already the current one), its
// whole text replaced by typing, and left open without committing it.
inline void dejarEscrito(TablaGrilla& g, int fila, int col, const QString& texto) {
  QVERIFY(g.irA(fila, col));
  if (!g.editorAbierto()) QTest::keyClick(&g, Qt::Key_F2);
  QVERIFY(g.editorAbierto());
  g.editor()->setFocus(Qt::MouseFocusReason);
  g.editor()->selectAll();
  QTest::keyClick(g.editor(), Qt::Key_Backspace);
  for (const QChar c : texto) {
    QTest::sendKeyEvent(QTest::Click, g.editor(), static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                        Qt::NoModifier);
  }
}

// The same, committed with Enter.
inline void editarCelda(TablaGrilla& g, int fila, int col, const QString& texto) {
  g.setFocus(Qt::MouseFocusReason);
  dejarEscrito(g, fila, col, texto);
  QTest::keyClick(g.editor(), Qt::Key_Return);
}

inline void escribirCaja(QLineEdit* caja, const QString& texto) {
  caja->setFocus(Qt::MouseFocusReason);
  caja->selectAll();
  QTest::keyClick(caja, Qt::Key_Backspace);
  QTest::keyClicks(caja, texto);
  QCoreApplication::processEvents();
}

inline void escribirArchivo(const QString& ruta, const QByteArray& datos) {
  QFile f(ruta);
  QVERIFY(f.open(QIODevice::WriteOnly));
  QCOMPARE(f.write(datos), datos.size());
}

// On the indicator: a button is only hit on its indicator and caption.
inline void clicEnBoton(QAbstractButton* boton) {
  QTest::mouseClick(boton, Qt::LeftButton, {}, QPoint(8, boton->height() / 2));
}

}  // namespace orda::gui
