// The commands on the simulated panel in virtual time: what is asked, what
// is sent, what is written, what the user is told, and what is left as it
// was. What the panel keeps, the encoders and the link's refusals are tested
// in the core; here, that the windows reach them and show what comes back.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QToolBar>
#include <algorithm>

#include "banco_acciones.h"
#include "gui/app/carpetas.h"
#include "gui/app/visor_memoria.h"

using namespace orda;
using namespace orda::gui;

namespace {

QString nombreArchivo(ConsolaComandos& c) { return c.main->ganchos().nombreArchivo(); }

}  // namespace

class PruebaComandos : public QObject {
  Q_OBJECT

 private slots:
  // Leaving the console with Save as onto a file that cannot be written says
  // so and the console stays. "No" to programming sends nothing. "Si"
  // programs what the windows show, an edit still open in its cell included,
  // and a read brings it all back into the windows, the memory viewer too,
  // but the password, which the panel does not give back.
  // Guardar asks once, in the documents folder, sends the panel its clock and
  // nothing else, and then asks no more. Save as onto an existing file: No
  // brings the dialog back, Cancel keeps the current file with nothing
  // written; Yes replaces it whole. Abrir starts on the current file, asks
  // again while the chosen file does not exist, and brings back what was
  // saved, the password included.
  void programarLeerGuardarYAbrir() {
    ConsolaComandos c;
    c.dialogos.archivos = {c.carpeta.filePath(QStringLiteral("no/existe/x.dat"))};
    c.dialogos.respuestas = {Respuesta::Si};
    QVERIFY(!c.main->close());
    QCOMPARE(c.dialogos.mostrados.back().icono, Icono::Critico);
    c.dialogos.mostrados.clear();
    c.dialogos.pedidos.clear();

    c.accion("tbLeer")->trigger();  // from what the panel holds, as its memory keeps it
    c.esperar(30000);
    editarCelda(c.entradas(), 3, 1, QStringLiteral("pórtico"));
    escribirCaja(c.globales().texto(4), QStringLiteral("Todo en orden"));
    escribirCaja(c.globales().texto(9), QStringLiteral("CLAVE12"));
    clicEnBoton(c.especiales().opcion(8));
    dejarEscrito(c.salidas(), 3, 1, QStringLiteral("riego"));
    c.dialogos.respuestas = {Respuesta::No};
    c.accion("tbProgramar")->trigger();
    c.esperar(5000);
    QCOMPARE(c.registros(), 0);
    QTest::keyClick(c.main.get(), Qt::Key_P, Qt::AltModifier);
    const MensajeMostrado pregunta{QStringLiteral("¿Está seguro que desea programar?"), QStringLiteral("OrDA"),
                                   Icono::Exclamacion, Botones::SiNo};
    QCOMPARE(c.dialogos.mostrados, (std::vector<MensajeMostrado>{pregunta, pregunta}));
    c.esperar(60000);
    QVERIFY2(c.panel2().startsWith(QStringLiteral("Programación terminada ")), qPrintable(c.panel2()));
    QCOMPARE(c.registros(), 54);
    config::Configuracion programada = c.cfg();
    QCOMPARE(programada.salidas.texto(3, 1), std::string("RIEGO"));

    c.olvidarConfiguracion();
    QTest::keyClick(c.main.get(), Qt::Key_L, Qt::AltModifier);
    c.esperar(30000);
    programada.globales.text[config::caja::kClave] = "";
    QVERIFY(c.cfg() == programada);
    QCOMPARE(c.entradas().tabla().texto(3, 1), std::string("PÓRTICO"));
    QCOMPARE(c.globales().texto(4)->text(), QStringLiteral("Todo en orden"));
    QVERIFY(c.especiales().opcion(8)->isChecked());
    QCOMPARE(c.main->subventanaMemoria()->windowTitle(), QStringLiteral("Memoria interna de registros históricos"));
    QCOMPARE(c.main->visorMemoria().Text1()->toPlainText().split('\n').first(),
             lineaMemoria(c.main->imagenMemoria(), 0));
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{2});  // every record acknowledged: no box

    escribirCaja(c.globales().texto(9), QStringLiteral("CLAVE12"));
    const QString ruta = c.carpeta.filePath(QStringLiteral("casa.dat"));
    c.dialogos.archivos = {ruta};
    const int relojes = c.cuantos("cH");
    QTest::keyClick(c.main.get(), Qt::Key_G, Qt::ControlModifier);
    const config::Configuracion guardada = c.cfg();
    QCOMPARE(c.dialogos.pedidos.size(), std::size_t{1});
    QCOMPARE(c.dialogos.pedidos[0].carpeta, dirInicial());
    QVERIFY2(c.panel2().startsWith("Archivo " + ruta + " guardado - "), qPrintable(c.panel2()));
    QCOMPARE(c.main->windowTitle(), QStringLiteral("Ordavix - casa.dat"));
    c.esperar(5000);
    QCOMPARE(c.cuantos("cH"), relojes + 1);
    QFile::remove(ruta);
    c.accion("menuArchivoGuardar")->trigger();
    QCOMPARE(c.dialogos.pedidos.size(), std::size_t{1});
    QCOMPARE(QFileInfo(ruta).size(), 12289);

    const QString estado = c.panel2();
    const QString existente = c.carpeta.filePath(QStringLiteral("viejo.dat"));
    escribirArchivo(existente, QByteArray(20000, 'v'));
    c.dialogos.archivos = {existente, existente};
    c.dialogos.respuestas = {Respuesta::No, Respuesta::No};
    QTest::keyClick(c.main.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(c.dialogos.pedidos.size(), std::size_t{4});  // the third was cancelled
    const MensajeMostrado reemplazar{QStringLiteral("El archivo ya existe. ¿Desea reemplazarlo? "),
                                     QStringLiteral("Sistema"), Icono::Exclamacion, Botones::SiNo};
    QCOMPARE(c.dialogos.mostrados, (std::vector<MensajeMostrado>{pregunta, pregunta, reemplazar, reemplazar}));
    QCOMPARE(QFileInfo(existente).size(), 20000);
    QCOMPARE(nombreArchivo(c), ruta);
    QCOMPARE(c.panel2(), estado);
    c.accion("tbOpen")->trigger();  // cancelled
    QCOMPARE(c.dialogos.pedidos.back().nombre, ruta);
    c.dialogos.archivos = {existente};
    c.dialogos.respuestas = {Respuesta::Si};
    c.accion("menuArchivoGuardarComo")->trigger();
    QCOMPARE(QFileInfo(existente).size(), 12289);  // whole: the longer old file leaves no tail
    QCOMPARE(nombreArchivo(c), existente);

    c.olvidarConfiguracion();
    c.estado(3).ponerTexto(QString());
    c.dialogos.archivos = {c.carpeta.filePath(QStringLiteral("no.dat")),
                           c.carpeta.filePath(QStringLiteral("tampoco.dat")), ruta};
    c.accion("menuArchivoAbrir")->trigger();
    QCOMPARE(c.dialogos.pedidos.size(), std::size_t{9});
    QVERIFY(c.cfg() == guardada);  // the password too
    QCOMPARE(c.estado(3).texto(), QStringLiteral("V2.02"));  // the file's panel
    QVERIFY2(c.panel2().startsWith("Archivo " + ruta + " abierto - "), qPrintable(c.panel2()));
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{5});
  }

  // A value left in a cell's editor that its table refuses keeps the editor
  // and its warning, and nothing is sent.
  void edicionPendienteRechazada() {
    struct Caso {
      TablaGrilla& (ConsolaComandos::*tabla)();
      int col;
      const char* escrito;
      const char* aviso;
    };
    for (const Caso& k : {Caso{&ConsolaComandos::entradas, 8, "327676", config::kAvisoRetardoActivacion},
                          Caso{&ConsolaComandos::salidas, 4, "25:00", config::kAvisoHora},
                          Caso{&ConsolaComandos::tree, 4, "15", config::kAvisoRing}}) {
      ConsolaComandos c;
      TablaGrilla& g = (c.*k.tabla)();
      const std::string antes = g.tabla().texto(5, k.col);
      dejarEscrito(g, 5, k.col, k.escrito);
      c.accion("tbProgramar")->trigger();
      c.esperar(60000);
      QCOMPARE(c.dialogos.mostrados.size(), std::size_t{2});
      QCOMPARE(c.dialogos.mostrados[1].texto, QString(k.aviso));
      QVERIFY(g.editorAbierto());
      QCOMPARE(g.tabla().texto(5, k.col), antes);
      QCOMPARE(c.cuantos("cH"), 0);  // the clock goes first
    }
  }

  // A value typed in a global options box and never left (a toolbar click
  // takes no focus), or an empty password while its use is on, stops the
  // command before anything is asked, sent or written: the box's warning, and
  // the box shown with the focus and its text selected.
  void globalesSinRevisarDetienenElComando() {
    struct Caso {
      const char* boton;
      int n;
      const char* escrito;  // null: the password's use turned on instead
      bool oculta;          // Globales hidden before the command
      const char* aviso;
    };
    namespace k = config::caja;
    for (const Caso& x : {Caso{"tbProgramar", k::kHoraSms, "99:99", false, config::kAvisoHora},
                          Caso{"tbSave", k::kClave, nullptr, false, config::kAvisoClave},
                          Caso{"tbSaveAs", k::kDuracionLlamada, "256", true, config::kAvisoDuracionLlamada}}) {
      ConsolaComandos c;
      QLineEdit* caja = c.globales().texto(x.n);
      if (x.escrito == nullptr) {
        clicEnBoton(c.globales().opcion(config::opcion::kUsoClave));
      } else {
        escribirCaja(caja, x.escrito);
      }
      if (x.oculta) {
        c.accion("tbVerGlobales")->trigger();
        QCoreApplication::processEvents();  // the box is left as its window goes
      }
      QTest::mouseClick(c.main->barraHerramientas()->widgetForAction(c.accion(x.boton)), Qt::LeftButton);
      c.esperar(5000);
      QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});
      QCOMPARE(c.dialogos.mostrados[0].texto, QString(x.aviso));
      QVERIFY(c.dialogos.pedidos.empty());  // no question, no file asked for: nothing sent or written
      QVERIFY(c.visible(Vista::Globales));
      QCoreApplication::processEvents();  // the console active again
      QVERIFY(caja->hasFocus());
      QCOMPARE(caja->selectedText(), caja->text());
    }
  }

  // Values of several routines that cannot be encoded: one box for the whole
  // run, titled by aProgramar, its list cut short, and nothing goes out. A
  // save refused the same way writes nothing and is not reported as saved
  // (leaving the console would go on as if it were).
  void erroresDeCodificacion() {
    ConsolaComandos c;
    const int relojes = c.cuantos("cH");
    // Two of each input, one phone: the encoders of two routines refuse 17 values.
    for (int f = 3; f <= 10; ++f) {
      c.cfg().entradas.ponerTexto(f, config::colEntradas::kComparacionSuperior, "300");
      c.cfg().entradas.ponerTexto(f, config::colEntradas::kComparacionInferior, "300");
    }
    c.cfg().tree.ponerTexto(3, config::colTree::kPrivilegio, "999");
    QTest::keyClick(c.main.get(), Qt::Key_P, Qt::AltModifier);
    c.esperar(5000);
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{2});
    const MensajeMostrado m = c.dialogos.mostrados[1];
    QCOMPARE(m.titulo, QStringLiteral("Información de Error en aProgramar"));
    QCOMPARE(m.icono, Icono::Critico);
    const QStringList lineas = m.texto.split('\n');
    QCOMPARE(lineas.size(), 17);
    QCOMPARE(lineas.front(), QStringLiteral("Programación de Entradas: entrada 1, «Valor de comparación [Volt] "
                                            "Superior»: ERROR: 6 - Desbordamiento"));
    QCOMPARE(lineas.back(), QStringLiteral("… y 1 más"));
    QCOMPARE(c.cuantos("cH"), relojes);
    QCOMPARE(c.registros(), 0);

    const QString ruta = c.carpeta.filePath(QStringLiteral("c.dat"));
    c.dialogos.archivos = {ruta};
    c.main->ponerMensaje(QString());
    QCOMPARE(c.main->ganchos().guardar(), ResultadoGuardado::Fallido);
    QCoreApplication::sendPostedEvents();  // the box comes once the link's handler has returned
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{3});
    QVERIFY(!QFileInfo::exists(ruta));
    QVERIFY(c.panel2().isEmpty());
  }

  // While a read is in progress every command that would talk to the panel
  // or touch the image is refused, without a question or a dialog; cut short,
  // the read says so and leaves the tables with their edits.
  void rechazadosDuranteUnaLecturaQueSeInterrumpe() {
    ConsolaComandos c;
    editarCelda(c.entradas(), 3, 1, QStringLiteral("editada"));
    const config::Configuracion editada = c.cfg();
    c.panel().fallas.desenchufarTrasReportes = c.panel().reportesEscritos() + 50;
    QTest::keyClick(c.main.get(), Qt::Key_L, Qt::AltModifier);
    c.dialogos.archivos = {c.carpeta.filePath(QStringLiteral("x.dat"))};
    for (const char* boton : {"tbProgramar", "tbLeer", "tbOpen", "tbSave", "tbSaveAs"}) {
      c.main->ponerMensaje(QString());
      c.accion(boton)->trigger();
      QVERIFY2(c.panel2() == QStringLiteral("Hay una operación en curso"), boton);
    }
    QVERIFY(c.dialogos.mostrados.empty());
    QVERIFY(c.dialogos.pedidos.empty());
    c.esperar(10000);
    QCOMPARE(c.cuantos("lt"), 1);
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});  // the link's box, shown once
    QVERIFY(c.cfg() == editada);
  }

  // A file that is not a whole configuration changes nothing; one of erased
  // memory opens as a new configuration (the special functions too, whatever
  // the window showed). Either says so once.
  void abrirArchivoDudoso() {
    struct Caso {
      const char* nombre;
      QByteArray datos;  // empty: a folder, and panel 2 says "Error: Archivo no existe"
      const char* aviso;
    };
    for (const Caso& k :
         {Caso{"corto.dat", QByteArray(12288, '\0'), "El archivo no es una configuración válida (12288 bytes)"},
          Caso{"carpeta.dat", {}, "No se pudo leer el archivo: Es una carpeta"},
          Caso{"borrado.dat", QByteArray(12289, '\xFF'),
               "El archivo tiene 48 registros sin programar: se cargaron los valores por omisión."}}) {
      ConsolaComandos c;
      const bool borrado = k.nombre == std::string_view("borrado.dat");
      const QString ruta = c.carpeta.filePath(k.nombre);
      if (k.datos.isEmpty()) {
        QVERIFY(QDir(c.carpeta.path()).mkdir(k.nombre));
      } else {
        escribirArchivo(ruta, k.datos);
      }
      editarCelda(c.entradas(), 3, 1, QStringLiteral("editada"));
      clicEnBoton(c.especiales().opcion(2));
      const config::Configuracion antes = c.cfg();
      const QString titulo = c.main->windowTitle();
      c.dialogos.archivos = {ruta};
      c.accion("tbOpen")->trigger();
      QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});
      QCOMPARE(c.dialogos.mostrados[0].texto, QString(k.aviso));
      QCOMPARE(c.dialogos.mostrados[0].icono, borrado ? Icono::Informacion : Icono::Exclamacion);
      QCOMPARE(c.panel2() == QStringLiteral("Error: Archivo no existe"), k.datos.isEmpty());
      QVERIFY(c.cfg() == (borrado ? config::Configuracion{} : antes));
      QCOMPARE(c.especiales().opcion(0)->isChecked(), borrado);
      QCOMPARE(c.main->windowTitle() == titulo, !borrado);
      QCOMPARE(nombreArchivo(c) == ruta, borrado);
    }
  }
};

QTEST_MAIN(PruebaComandos)
#include "acciones_test.moc"
