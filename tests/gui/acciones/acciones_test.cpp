// The commands' questions, refusals and failures, on the simulated panel in
// virtual time: what is asked, what is sent, what is written, what the user
// is told, and what is left as it was.
#include <QDir>
#include <QFile>
#include <QToolBar>

#include "banco_acciones.h"

using namespace orda;
using namespace orda::gui;

namespace {

const QString kEnCurso = QStringLiteral("Hay una operación en curso");
const QString kReemplazar = QStringLiteral("El archivo ya existe. ¿Desea reemplazarlo? ");

// Letters of the reports since `desde` that are configuration records (commands 21..25).
int registros(const ConsolaComandos& c, std::size_t desde = 0) {
  int n = 0;
  for (std::size_t i = desde; i < c.enviados.size(); ++i) n += c.enviados[i][0] >= 21 && c.enviados[i][0] <= 25;
  return n;
}

QByteArray contenido(const QString& ruta) {
  QFile f(ruta);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void escribirArchivo(const QString& ruta, const QByteArray& datos) {
  QFile f(ruta);
  QVERIFY(f.open(QIODevice::WriteOnly));
  QCOMPARE(f.write(datos), datos.size());
}

QString nombreArchivo(ConsolaComandos& c) { return c.main->ganchos().nombreArchivo(); }

// A global value as a read or a file brings it: not typed, so not checked.
void globalLeida(ConsolaComandos& c, int n, const char* texto) {
  c.cfg().globales.text[static_cast<std::size_t>(n)] = texto;
  c.globales().recargar();
}

TablaGrilla& grilla(ConsolaComandos& c, const QString& tabla) {
  if (tabla == "Salidas") return c.salidas();
  if (tabla == "Tree") return c.tree();
  return c.entradas();
}

}  // namespace

class PruebaComandos : public QObject {
  Q_OBJECT

 private slots:
  void programarRespondiendoNoNoEnviaNada() {
    ConsolaComandos c;
    const imagen::ImagenMemoria antes = c.main->imagenMemoria();
    const std::size_t enviados = c.enviados.size();
    c.dialogos.respuestas = {Respuesta::No};
    c.accion("tbProgramar")->trigger();
    c.esperar(5000);
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});
    QCOMPARE(c.cuantos("cH"), 0);
    QCOMPARE(registros(c, enviados), 0);
    QVERIFY(c.main->imagenMemoria() == antes);
  }

  // A value left in a cell's editor goes into the run; one the table refuses
  // keeps the editor and its warning, and nothing is sent.
  void edicionPendiente_data() {
    QTest::addColumn<QString>("tabla");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("escrito");
    QTest::addColumn<QString>("aviso");
    QTest::newRow("entradas") << "Entradas" << 8 << "605" << QString();
    QTest::newRow("salidas") << "Salidas" << 4 << "08:15" << QString();
    QTest::newRow("tree") << "Tree" << 4 << "9" << QString();
    QTest::newRow("entradas rechazada") << "Entradas" << 8 << "327676" << QString(config::kAvisoRetardoActivacion);
    QTest::newRow("tree rechazada") << "Tree" << 4 << "15" << QString(config::kAvisoRing);
  }
  void edicionPendiente() {
    QFETCH(QString, tabla);
    QFETCH(int, col);
    QFETCH(QString, escrito);
    QFETCH(QString, aviso);
    ConsolaComandos c;
    TablaGrilla& g = grilla(c, tabla);
    const std::string antes = g.tabla().texto(5, col);
    dejarEscrito(g, 5, col, escrito);
    c.accion("tbProgramar")->trigger();
    c.esperar(60000);
    QCOMPARE(c.dialogos.mostrados[0].texto, QStringLiteral("¿Está seguro que desea programar?"));
    if (aviso.isEmpty()) {
      QCOMPARE(q(g.tabla().texto(5, col)), escrito);
      QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});
      QCOMPARE(registros(c), 54);
      QVERIFY2(c.panel2().startsWith(QStringLiteral("Programación terminada ")), qPrintable(c.panel2()));
      return;
    }
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{2});
    QCOMPARE(c.dialogos.mostrados[1].texto, aviso);
    QCOMPARE(c.dialogos.mostrados[1].titulo, QStringLiteral("Sistema"));
    QVERIFY(g.editorAbierto());
    QCOMPARE(g.tabla().texto(5, col), antes);
    QCOMPARE(c.cuantos("cH"), 0);
    QCOMPARE(registros(c), 0);
  }

  // A value typed in a global options box and never left (a toolbar click
  // takes no focus), or an empty password while its use is on, stops the
  // command before anything is asked, sent or written: the box's warning, and
  // the box shown with the focus and its text selected.
  void globalesSinRevisarDetienenElComando_data() {
    QTest::addColumn<QString>("comando");  // a toolbar button, or "salir"
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("escrito");  // null: the password's use turned on instead
    QTest::addColumn<bool>("oculta");      // Globales hidden before the command
    QTest::addColumn<QString>("aviso");
    namespace k = config::caja;
    QTest::newRow("programar") << "tbProgramar" << k::kHoraSms << "99:99" << false << config::kAvisoHora;
    QTest::newRow("guardar sin clave") << "tbSave" << k::kClave << QString() << false << config::kAvisoClave;
    QTest::newRow("guardar como, oculta") << "tbSaveAs" << k::kDuracionLlamada << "256" << true
                                          << config::kAvisoDuracionLlamada;
    QTest::newRow("salir guardando") << "salir" << k::kHoraLlamada << "12:5" << false << config::kAvisoHora;
  }
  void globalesSinRevisarDetienenElComando() {
    QFETCH(QString, comando);
    QFETCH(int, n);
    QFETCH(QString, escrito);
    QFETCH(bool, oculta);
    QFETCH(QString, aviso);
    ConsolaComandos c;
    QLineEdit* caja = c.globales().texto(n);
    if (escrito.isNull()) {
      clicEnBoton(c.globales().opcion(config::opcion::kUsoClave));
    } else {
      escribirCaja(caja, escrito);
    }
    if (oculta) {
      c.accion("tbVerGlobales")->trigger();
      QCoreApplication::processEvents();  // the box is left as its window goes
    }
    const int relojes = c.cuantos("cH");
    if (comando == "salir") {
      QVERIFY(!c.main->close());
    } else {
      QTest::mouseClick(c.main->barraHerramientas()->widgetForAction(c.accion(qPrintable(comando))), Qt::LeftButton);
    }
    c.esperar(5000);
    const std::size_t pregunta = comando == "salir" ? 1 : 0;  // the exit question only
    QCOMPARE(c.dialogos.mostrados.size(), pregunta + 1);
    QCOMPARE(c.dialogos.mostrados[pregunta].texto, aviso);
    QVERIFY(c.dialogos.pedidos.empty());  // no file asked for
    QCOMPARE(c.cuantos("cH"), relojes);
    QCOMPARE(registros(c), 0);
    QVERIFY(c.visible(Vista::Globales));
    QCoreApplication::processEvents();  // the console active again
    QVERIFY(caja->hasFocus());
    QCOMPARE(caja->selectedText(), caja->text());
  }

  // Values that cannot be encoded: one box for the whole run, however many,
  // titled by their routine (or by aProgramar when several routines failed),
  // and nothing goes out.
  void erroresDeCodificacionEnUnaCaja_data() {
    QTest::addColumn<bool>("muchos");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QString>("primera");
    QTest::addColumn<QString>("ultima");
    QTest::newRow("uno") << false << "Información de Error en mProgGlobal" << "ERROR: 6 - Desbordamiento"
                         << "Configuraciones globales: «Duración [seg]» (Text2)";
    QTest::newRow("diecisiete") << true << "Información de Error en aProgramar"
                                << "Programación de Entradas: entrada 1, «Valor de comparación [Volt] Superior»: "
                                   "ERROR: 6 - Desbordamiento"
                                << "… y 1 más";
  }
  void erroresDeCodificacionEnUnaCaja() {
    QFETCH(bool, muchos);
    QFETCH(QString, titulo);
    QFETCH(QString, primera);
    QFETCH(QString, ultima);
    ConsolaComandos c;
    if (muchos) {
      // Two of each input, one phone: the encoders of two routines refuse 17 values.
      for (int f = 3; f <= 10; ++f) {
        c.cfg().entradas.ponerTexto(f, config::colEntradas::kComparacionSuperior, "300");
        c.cfg().entradas.ponerTexto(f, config::colEntradas::kComparacionInferior, "300");
      }
      c.cfg().tree.ponerTexto(3, config::colTree::kPrivilegio, "999");
    } else {
      // A value read from a file, which no box has checked.
      globalLeida(c, config::caja::kDuracionLlamada, "256");
    }
    QTest::keyClick(c.main.get(), Qt::Key_P, Qt::AltModifier);
    c.esperar(5000);
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{2});
    const MensajeMostrado& m = c.dialogos.mostrados[1];
    QCOMPARE(m.titulo, titulo);
    QCOMPARE(m.icono, Icono::Critico);
    const QStringList lineas = m.texto.split('\n');
    QCOMPARE(lineas.size(), muchos ? 17 : 2);
    QCOMPARE(lineas.front(), primera);
    QCOMPARE(lineas.back(), ultima);
    QCOMPARE(c.cuantos("cH"), 0);
    QCOMPARE(registros(c), 0);
  }

  // A file of erased memory opens as a new configuration (the special
  // functions too, whatever the window showed), says so once, and saves and
  // programs without a single error box.
  void archivoBorrado() {
    ConsolaComandos c;
    const QString ruta = c.carpeta.filePath(QStringLiteral("borrada.dat"));
    escribirArchivo(ruta, QByteArray(12289, '\xFF'));
    for (int i : {2, 6, 9, 11, 13}) clicEnBoton(c.especiales().opcion(i));
    c.dialogos.archivos = {ruta};
    c.accion("tbOpen")->trigger();
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});
    QCOMPARE(c.dialogos.mostrados[0].texto,
             QStringLiteral("El archivo tiene 48 registros sin programar: se cargaron los valores por omisión."));
    QCOMPARE(c.dialogos.mostrados[0].titulo, QStringLiteral("OrDA"));
    QCOMPARE(c.dialogos.mostrados[0].icono, Icono::Informacion);
    QCOMPARE(diferencias(config::Configuracion{}, c.cfg()), QStringList{});
    for (int i : {0, 4, 7, 10, 12}) QVERIFY(c.especiales().opcion(i)->isChecked());

    c.accion("tbSave")->trigger();
    QTest::keyClick(c.main.get(), Qt::Key_P, Qt::AltModifier);
    c.esperar(60000);
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{2});  // and the question to program
    QCOMPARE(registros(c), 54);
  }

  // Records the panel never acknowledged are told once, by one box.
  void registrosSinConfirmarUnaSolaCaja() {
    ConsolaComandos c;
    c.panel().fallas.perderConfirmacionCada = 10;
    c.accion("tbProgramar")->trigger();
    c.esperar(60000);
    QCOMPARE(registros(c), 54);
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{2});
    QVERIFY2(c.dialogos.mostrados[1].texto.startsWith("El panel no confirmó "), qPrintable(c.dialogos.mostrados[1].texto));
    QCOMPARE(c.dialogos.mostrados[1].titulo, QStringLiteral("OrDA"));
  }

  // While a run or a read is in progress every command that would talk to
  // the panel or touch the image is refused, without a question or a dialog.
  void rechazadosDuranteUnaTransferencia_data() {
    QTest::addColumn<QString>("durante");
    QTest::addColumn<QString>("boton");
    for (const char* durante : {"tbProgramar", "tbLeer"}) {
      for (const char* boton : {"tbProgramar", "tbLeer", "tbOpen", "tbSave", "tbSaveAs"}) {
        QTest::addRow("%s durante %s", boton, durante) << durante << boton;
      }
    }
  }
  void rechazadosDuranteUnaTransferencia() {
    QFETCH(QString, durante);
    QFETCH(QString, boton);
    ConsolaComandos c;
    c.accion(qPrintable(durante))->trigger();
    const std::size_t preguntas = c.dialogos.mostrados.size();
    c.dialogos.archivos = {c.carpeta.filePath(QStringLiteral("x.dat"))};
    c.accion(qPrintable(boton))->trigger();
    QCOMPARE(c.panel2(), kEnCurso);
    QCOMPARE(c.dialogos.mostrados.size(), preguntas);
    QVERIFY(c.dialogos.pedidos.empty());
    c.esperar(60000);
    QCOMPARE(c.cuantos("lt"), durante == "tbLeer" ? 1 : 0);
    QCOMPARE(registros(c), durante == "tbProgramar" ? 54 : 0);
    QVERIFY(nombreArchivo(c).isEmpty());
    QVERIFY(!QFile::exists(c.carpeta.filePath(QStringLiteral("x.dat"))));
  }

  // A read that gets nothing, or only part of the memory, says so and
  // leaves the tables with their edits.
  void leerSinRespuestaConservaLasEdiciones_data() {
    QTest::addColumn<int>("falla");  // 0: no panel, 1: silent, 2: unplugged halfway
    QTest::addColumn<QString>("aviso");
    const QString noRespondio = QStringLiteral("El panel no respondió. La programación mostrada no cambió.");
    QTest::newRow("sin panel") << 0 << noRespondio;
    QTest::newRow("panel mudo") << 1 << noRespondio;
    QTest::newRow("desenchufado a mitad") << 2
                                          << QStringLiteral("La transferencia se interrumpió. La programación mostrada no cambió.");
  }
  void leerSinRespuestaConservaLasEdiciones() {
    QFETCH(int, falla);
    QFETCH(QString, aviso);
    ConsolaComandos c;
    editarCelda(c.entradas(), 3, 1, QStringLiteral("editada"));
    const config::Configuracion editada = c.cfg();
    if (falla == 0) c.panel().desenchufar();
    if (falla == 1) c.panel().fallas.silencio = true;
    if (falla == 2) c.panel().fallas.desenchufarTrasReportes = c.panel().reportesEscritos() + 50;
    c.esperar(100);
    QTest::keyClick(c.main.get(), Qt::Key_L, Qt::AltModifier);
    c.esperar(10000);
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});
    QCOMPARE(c.dialogos.mostrados[0].texto, aviso);
    QCOMPARE(c.dialogos.mostrados[0].titulo, QStringLiteral("OrDA"));
    QVERIFY(c.cfg() == editada);
    QCOMPARE(c.entradas().tabla().texto(3, 1), std::string("EDITADA"));
    QCOMPARE(c.cuantos("lh"), 0);
  }

  // Save as onto an existing file: No brings the dialog back, Cancel ends
  // with nothing written; Yes replaces it.
  void reemplazarPreguntaYVuelveAlDialogo() {
    ConsolaComandos c;
    const QString existente = c.carpeta.filePath(QStringLiteral("viejo.dat"));
    escribirArchivo(existente, QByteArray(20000, 'v'));
    c.dialogos.archivos = {existente, existente};
    c.dialogos.respuestas = {Respuesta::No, Respuesta::No};
    c.accion("tbSaveAs")->trigger();
    QCOMPARE(c.dialogos.pedidos.size(), std::size_t{3});  // the third was cancelled
    QCOMPARE(c.dialogos.pedidos[0].titulo, QStringLiteral("Guardar como "));
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{2});
    for (const MensajeMostrado& m : c.dialogos.mostrados) {
      QCOMPARE(m.texto, kReemplazar);
      QCOMPARE(m.titulo, QStringLiteral("Sistema"));
      QCOMPARE(m.icono, Icono::Exclamacion);
      QCOMPARE(m.botones, Botones::SiNo);
    }
    QCOMPARE(contenido(existente), QByteArray(20000, 'v'));
    QVERIFY(nombreArchivo(c).isEmpty());
    QVERIFY(c.panel2().isEmpty());

    c.dialogos.archivos = {existente};
    c.dialogos.respuestas = {Respuesta::Si};
    c.accion("menuArchivoGuardarComo")->trigger();
    QCOMPARE(QFileInfo(existente).size(), 12289);  // whole: the longer old file leaves no tail
    QCOMPARE(nombreArchivo(c), existente);
  }

  // Cancel leaves the current file; Save with a file known asks nothing;
  // Open asks again while the chosen file does not exist.
  void cancelarGuardarDeNuevoYAbrir() {
    ConsolaComandos c;
    const QString ruta = c.carpeta.filePath(QStringLiteral("a.dat"));
    c.dialogos.archivos = {ruta};
    c.accion("menuArchivoGuardar")->trigger();
    QCOMPARE(nombreArchivo(c), ruta);
    const QString titulo = c.main->windowTitle();
    const QString estado = c.panel2();

    QTest::keyClick(c.main.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);  // cancelled
    c.accion("tbOpen")->trigger();                                                      // cancelled
    QCOMPARE(c.dialogos.pedidos.size(), std::size_t{3});
    QCOMPARE(c.dialogos.pedidos[1].titulo, QStringLiteral("Guardar como "));
    QCOMPARE(c.dialogos.pedidos[2].nombre, ruta);  // Open starts on the current file
    QCOMPARE(nombreArchivo(c), ruta);
    QCOMPARE(c.main->windowTitle(), titulo);
    QCOMPARE(c.panel2(), estado);

    QFile::remove(ruta);
    c.accion("tbSave")->trigger();
    QCOMPARE(c.dialogos.pedidos.size(), std::size_t{3});
    QCOMPARE(QFileInfo(ruta).size(), 12289);

    c.dialogos.archivos = {c.carpeta.filePath(QStringLiteral("no.dat")), c.carpeta.filePath(QStringLiteral("tampoco.dat")),
                           ruta};
    c.accion("menuArchivoAbrir")->trigger();
    QCOMPARE(c.dialogos.pedidos.size(), std::size_t{6});
    QVERIFY(c.panel2().contains(" abierto - "));
    QVERIFY(c.dialogos.mostrados.empty());
  }

  // A file that is not a whole configuration changes nothing.
  void abrirArchivoQueNoSirve_data() {
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("aviso");
    QTest::addColumn<bool>("noExiste");  // panel 2 says "Error: Archivo no existe"
    QTest::newRow("corto") << "corto.dat" << "El archivo no es una configuración válida (12288 bytes)" << false;
    QTest::newRow("carpeta") << "carpeta.dat" << "No se pudo leer el archivo: Es una carpeta" << true;
  }
  void abrirArchivoQueNoSirve() {
    QFETCH(QString, nombre);
    QFETCH(QString, aviso);
    QFETCH(bool, noExiste);
    ConsolaComandos c;
    const QString ruta = c.carpeta.filePath(nombre);
    if (noExiste) {
      QVERIFY(QDir(c.carpeta.path()).mkdir(nombre));
    } else {
      escribirArchivo(ruta, QByteArray(12288, '\0'));
    }
    editarCelda(c.entradas(), 3, 1, QStringLiteral("editada"));
    const config::Configuracion antes = c.cfg();
    const imagen::ImagenMemoria imagen = c.main->imagenMemoria();
    const QString titulo = c.main->windowTitle();
    c.dialogos.archivos = {ruta};
    c.accion("tbOpen")->trigger();
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});
    QCOMPARE(c.dialogos.mostrados[0].texto, aviso);
    QCOMPARE(c.dialogos.mostrados[0].titulo, QStringLiteral("OrDA"));
    QCOMPARE(c.dialogos.mostrados[0].icono, Icono::Exclamacion);
    QCOMPARE(c.panel2() == QStringLiteral("Error: Archivo no existe"), noExiste);
    QVERIFY(c.cfg() == antes);
    QVERIFY(c.main->imagenMemoria() == imagen);
    QVERIFY(nombreArchivo(c).isEmpty());
    QCOMPARE(c.main->windowTitle(), titulo);
  }

  // A save the encoders refuse leaves the old file byte for byte and says
  // nothing about saving; leaving the console then stays in it.
  void errorDeCodificacionAlGuardarConservaElArchivo() {
    ConsolaComandos c;
    const QString ruta = c.carpeta.filePath(QStringLiteral("c.dat"));
    c.dialogos.archivos = {ruta};
    c.accion("tbSave")->trigger();
    const QByteArray viejo = contenido(ruta);
    QCOMPARE(viejo.size(), 12289);
    editarCelda(c.entradas(), 3, 1, QStringLiteral("nuevo"));
    globalLeida(c, config::caja::kDuracionLlamada, "256");
    c.main->ponerMensaje(QString());
    c.accion("tbSave")->trigger();
    c.esperar(10);
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});
    QCOMPARE(c.dialogos.mostrados[0].titulo, QStringLiteral("Información de Error en mProgGlobal"));
    QCOMPARE(contenido(ruta), viejo);
    QVERIFY(c.panel2().isEmpty());

    c.dialogos.respuestas = {Respuesta::Si, Respuesta::Aceptar};
    QVERIFY(!c.main->close());
    c.esperar(10);
    QCOMPARE(contenido(ruta), viejo);
    QVERIFY(c.main->isVisible());

    // Corrected, the same exit saves to the file and leaves.
    escribirCaja(c.globales().texto(config::caja::kDuracionLlamada), QStringLiteral("25"));
    c.dialogos.mostrados.clear();
    c.dialogos.respuestas = {Respuesta::Si, Respuesta::Aceptar};
    QVERIFY(c.main->close());
    QCOMPARE(c.dialogos.mostrados[1].texto, QStringLiteral("c.dat"));
    QVERIFY(contenido(ruta) != viejo);
  }
};

QTEST_MAIN(PruebaComandos)
#include "acciones_test.moc"
