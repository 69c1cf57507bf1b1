// Draws the console as the manual shows it: the whole window after a read
// from the simulated panel, its toolbar, status bar and menus, the memory
// viewer, the splash, the exit question and the closing notice. Checks that
// each picture is drawn; with ORDA_CAPTURAS set to a folder, saves them there.
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>

#include "gui/app/avisos.h"
#include "gui/app/visor_memoria.h"
#include "consola_prueba.h"

using namespace orda;
using namespace orda::gui;

class PruebaCapturasConsola : public QObject {
  Q_OBJECT

  static void guardar(const QPixmap& p, const char* nombre) {
    QVERIFY2(!p.isNull() && p.width() > 20 && p.height() > 10, nombre);
    const QString carpeta = qEnvironmentVariable("ORDA_CAPTURAS");
    if (carpeta.isEmpty()) return;
    QDir().mkpath(carpeta);
    QVERIFY(p.save(QDir(carpeta).filePath(QString::fromLatin1(nombre) + QStringLiteral(".png"))));
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

    c.main->visorMemoria();
    QMdiSubWindow* memoria = c.main->subventanaMemoria();
    memoria->show();
    c.main->visorMemoria().sb()->setValue(752);
    QTest::qWait(20);
    guardar(memoria->grab(), "memoria");
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

QTEST_MAIN(PruebaCapturasConsola)
#include "capturas_consola_test.moc"
