// Draws the console as the manual shows it: the whole window after a read
// from the simulated panel, its toolbar, status bar and menus, the window
// arrangements, the end of a programming run, the memory viewer, the splash,
// the exit question and the closing notice, and Diferencias after comparing
// edited tables with the panel.
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <utility>

#include "gui/app/avisos.h"
#include "gui/app/visor_memoria.h"
#include "core/config/globales.h"
#include "acciones/banco_acciones.h"
#include "gui/comparacion/acciones_comparar.h"
#include "capturas.h"

using namespace orda;
using namespace orda::gui;

namespace orda::capturas {

class CapturasConsola : public QObject {
  Q_OBJECT

  static void guardar(const QPixmap& p, const char* nombre) {
    QVERIFY2(capturas::guardar(p, QString::fromLatin1(nombre)), nombre);
  }

  // The menu as it drops down.
  static QPixmap menu(QMenu* m) {
    m->adjustSize();
    m->ensurePolished();
    return m->grab();
  }

 private slots:
  void consola() {
    ConsolaPrueba c(false);
    c.main->resize(1440, 900);
    c.main->arrancar();
    QVERIFY(QTest::qWaitForWindowExposed(c.main.get()));
    c.avanzar(1500);
    QVERIFY(c.main->teclaRapida(13));  // Leer programación
    c.avanzar(40000);
    QTest::qWait(50);  // the status bar lays its new texts out
    guardar(c.main->grab(), "consola");
    guardar(c.main->barraHerramientas()->grab(), "barra-herramientas");
    guardar(c.main->statusBar()->grab(), "barra-estado");
    const QList<QAction*> menus = c.main->menuBar()->actions();
    guardar(menu(menus[0]->menu()), "menu-archivo");
    guardar(menu(menus[1]->menu()), "menu-ver");

    // The arrangements of the "Ver" menu, then the end of a programming run.
    for (const auto& [comando, nombre] : {std::pair{Comando::Cascada, "cascada"},
                                          std::pair{Comando::OrganizarHorizontal, "mosaico-horizontal"},
                                          std::pair{Comando::OrganizarVertical, "mosaico-vertical"}}) {
      c.main->ejecutar(comando);
      QTest::qWait(20);
      guardar(c.main->grab().scaledToWidth(960, Qt::SmoothTransformation), nombre);
    }
    // The panel read has the SMS password on and keeps the password itself.
    auto* clave = c.main->contenido(Vista::Globales)->findChild<QLineEdit*>(QStringLiteral("Text9"));
    QVERIFY(clave != nullptr);
    clave->setText(QStringLiteral("1234"));
    c.main->configuracion().globales.text[config::caja::kClave] = "1234";
    QVERIFY(c.main->teclaRapida(12));  // Programar, answered Sí
    c.avanzar(c.ahora + 5000);
    QTest::qWait(50);
    guardar(c.main->statusBar()->grab(), "programacion-terminada");

    c.main->visorMemoria();
    QMdiSubWindow* memoria = c.main->subventanaMemoria();
    memoria->show();
    c.main->visorMemoria().sb()->setValue(752);
    QTest::qWait(20);
    guardar(memoria->grab(), "memoria");
  }

  void diferencias() {
    ConsolaComandos c;
    c.accion("tbLeer")->trigger();
    c.esperar(30000);
    escribirCaja(c.globales().texto(config::caja::kClave), QStringLiteral("4321"));
    editarCelda(c.entradas(), 3, 1, QStringLiteral("porton"));
    editarCelda(c.tree(), 3, 4, QStringLiteral("9"));
    c.main->findChild<QAction*>(QStringLiteral("menuArchivoCompararPanel"))->trigger();
    c.esperar(30000);
    QMdiSubWindow* ventana = c.main->findChild<AccionesComparar*>()->subventana();
    QVERIFY(ventana->isVisible());
    ventana->resize(900, 230);
    guardar(ventana->grab(), "diferencias");
  }

  void avisos() {
    ImagenesAplicacion imagenes;
    imagenes.cargar({qEnvironmentVariable("ORDA_IMAGENES")}, QString());
    Comunicacion splash;
    splash.ponerImagen(imagenes);
    splash.informar(QStringLiteral("Inicializando formularios"));
    guardar(splash.grab(), "comunicacion");
    Notificados aviso;
    guardar(aviso.grab(), "notificados");

    // The exit question as the console asks it.
    QMessageBox caja(QMessageBox::Warning, QStringLiteral("OrDA"),
                     QStringLiteral("Ud. eligió salir del programa. Se perderán los cambios no guardados.\n\n"
                                    "Para guardar y salir elija 'SI'\n\n"
                                    "Para salir sin grabar elija 'NO'\n\n"
                                    "Para retornar al programa elija 'CANCELAR'\n"));
    caja.addButton(QStringLiteral("Sí"), QMessageBox::YesRole);
    caja.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    caja.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    caja.show();
    QVERIFY(QTest::qWaitForWindowExposed(&caja));
    guardar(caja.grab(), "salida");
  }
};

std::unique_ptr<QObject> consola() { return std::make_unique<CapturasConsola>(); }

}  // namespace orda::capturas

#include "consola.moc"
