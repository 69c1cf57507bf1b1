// The console's main window on the simulated panel: start-up (its folders,
// its pictures and Qt's texts), the child windows shown and hidden (keys,
// menu, toolbar, close box), their layout and arrangement, the memory viewer,
// the help, the status bar, and leaving with its question.
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegion>
#include <QScrollBar>
#include <cmath>

#include "acciones/banco_acciones.h"
#include "core/link/senal.h"
#include "gui/app/avisos.h"
#include "gui/app/carpetas.h"
#include "gui/app/disposicion.h"
#include "gui/app/mosaico.h"
#include "gui/app/opciones.h"
#include "gui/app/traducciones.h"
#include "gui/app/visor_memoria.h"
#include "gui/comun/twips.h"

using namespace orda;
using namespace orda::gui;

namespace {

// Window shown, menu item checked, toolbar button pressed: "1" or "0" each.
QString estado(ConsolaPrueba& c, Vista v) {
  return QStringLiteral("%1%2%3").arg(c.visible(v)).arg(c.main->menuMarcado(v)).arg(c.main->botonPulsado(v));
}

// The console as it runs: connected, keys taken, every view but the history up.
void sigueAbierta(ConsolaPrueba& c) {
  QVERIFY(c.main->isVisible());
  QVERIFY(c.main->motor().conectado());
  QVERIFY(c.main->teclasTomadas());
  QVERIFY(!c.main->cerrandoPrograma());
  QCOMPARE(c.main->area().subWindowList().size(), 7);
}

// "GESXTI" (globales, entradas, salidas, especiales, tree, info) and R for
// the trending window.
Visibles vis(const QString& cuales) {
  const std::pair<char, bool Visibles::*> letras[] = {
      {'G', &Visibles::globales},   {'E', &Visibles::entradas}, {'S', &Visibles::salidas},
      {'X', &Visibles::especiales}, {'T', &Visibles::tree},     {'I', &Visibles::info},
      {'R', &Visibles::seguimiento}};
  Visibles v;
  for (const auto& [letra, campo] : letras) v.*campo = cuales.contains(letra);
  return v;
}

// Each window placed, as "E left top width height", "-" for an unchanged
// coordinate; the windows left alone do not appear.
QString describir(const Disposicion& d) {
  const std::pair<char, const std::optional<Caja>*> ventanas[] = {
      {'E', &d.entradas}, {'S', &d.salidas}, {'X', &d.especiales}, {'G', &d.globales}, {'T', &d.tree}, {'I', &d.info}};
  auto n = [](std::optional<double> x) { return x ? QString::number(*x) : QStringLiteral("-"); };
  QStringList r;
  for (const auto& [letra, c] : ventanas) {
    if (*c) r << QStringLiteral("%1 %2 %3 %4 %5").arg(letra).arg(n((*c)->izquierda), n((*c)->arriba)).arg((*c)->ancho).arg((*c)->alto);
  }
  return r.join(QStringLiteral(", "));
}

void png(const QString& ruta, QSize tam) {
  QImage i(tam, QImage::Format_ARGB32);
  i.fill(Qt::red);
  QVERIFY(i.save(ruta, "PNG"));
}

QString texto(const QString& ruta) {
  QFile f(ruta);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace

class PruebaMain : public QObject {
  Q_OBJECT

 private slots:
  // Start-up: connected, the views up but Trending, the history and the
  // memory viewer; Globales W/3 wide and H high; the three tables 2W/3 wide
  // and 2H/9 high at W/3 + 2 (twips), tops 0, 2H/9, 4H/9; Tree and Info W/3
  // wide and H/3 high at 2H/3, at W/3 and 2W/3. Then the windows arranged,
  // the panel plugged in, the help, the views hidden and shown again, and the
  // memory viewer.
  void arranque() {
    ConsolaPrueba c;
    c.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(c.main.get()));
    sigueAbierta(c);
    QVERIFY(!c.main->comunicacion()->isVisible());
    for (QMdiSubWindow* s : c.main->area().subWindowList()) QVERIFY(!s->windowIcon().isNull());
    QVERIFY(c.main->subventana(Vista::Historicos) == nullptr);  // not loaded until asked for
    // The last window shown is the active one.
    QCOMPARE(c.main->area().activeSubWindow(), c.main->subventana(Vista::Globales));

    const QSize a = c.main->area().viewport()->size();
    const double t = twipsPorPixel();
    const double W = a.width() * t;
    const double H = a.height() * t;
    auto px = [t](double tw) { return static_cast<int>(std::lround(tw / t)); };
    auto geo = [&](Vista v) { return c.main->subventana(v)->geometry(); };
    QCOMPARE(geo(Vista::Globales), QRect(0, 0, px(W / 3), px(H)));
    const int izq = px(W / 3 + 2);
    QCOMPARE(geo(Vista::Entradas), QRect(izq, 0, px(2 * W / 3), px(2 * H / 9)));
    QCOMPARE(geo(Vista::Salidas), QRect(izq, px(2 * H / 9), px(2 * W / 3), px(2 * H / 9)));
    QCOMPARE(geo(Vista::Especiales), QRect(izq, px(4 * H / 9), px(2 * W / 3), px(2 * H / 9)));
    QCOMPARE(geo(Vista::Tree), QRect(px(W / 3), px(2 * H / 3), px(W / 3), px(H / 3)));
    QCOMPARE(geo(Vista::Info), QRect(px(2 * W / 3), px(2 * H / 3), px(W / 3), px(H / 3)));

    // "Mosaico horizontal" stacks the six visible windows full width, "Mosaico
    // vertical" puts them side by side full height, each covering the area to
    // the pixel; "Cascada" staggers them by a title bar.
    const QSize area = c.main->area().viewport()->size();
    QList<QMdiSubWindow*> visibles;
    for (QMdiSubWindow* s : c.main->area().subWindowList(QMdiArea::StackingOrder)) {
      if (s->isVisible()) visibles << s;
    }
    QCOMPARE(visibles.size(), 6);
    for (Comando comando : {Comando::OrganizarHorizontal, Comando::OrganizarVertical}) {
      c.main->ejecutar(comando);
      const bool apiladas = comando == Comando::OrganizarHorizontal;
      QRegion cubierta;
      for (QMdiSubWindow* s : visibles) {
        QCOMPARE(apiladas ? s->width() : s->height(), apiladas ? area.width() : area.height());
        QVERIFY(!cubierta.intersects(s->geometry()));
        cubierta += s->geometry();
      }
      QCOMPARE(cubierta, QRegion(QRect(QPoint(0, 0), area)));
    }
    c.main->ejecutar(Comando::Cascada);
    const int paso = visibles[0]->widget()->y();  // a whole title bar shows
    for (qsizetype i = 0; i < visibles.size(); ++i) {
      QCOMPARE(visibles[i]->pos(), QPoint(int(i) * paso, int(i) * paso));
    }

    // The simulated panel is plugged in half a second after start-up and
    // polled for its signal five seconds after; a click on panel 1 switches
    // the poll off.
    c.avanzar(499);
    QVERIFY(c.estado(5).texto().isEmpty());
    c.avanzar(700);
    QCOMPARE(c.estado(5).texto(), QStringLiteral("   Conectado"));
    QCOMPARE(c.estado(5).imagen(), QStringLiteral("COMOK_OLD"));
    c.avanzar(5100);
    QCOMPARE(c.cuantos("sq"), 1);
    const link::NivelSenal nivel = link::nivelSenal(c.panel().panel().nivelSenal(c.ahora));
    QCOMPARE(c.estado(1).texto(), QString::fromUtf8(nivel.texto));  // the level the panel gave
    QTest::mouseClick(&c.estado(1), Qt::LeftButton);
    QCOMPARE(c.estado(1).imagen(), QStringLiteral("L0X"));
    c.avanzar(20100);
    QCOMPARE(c.cuantos("sq"), 1);

    // The help: the manual in the application's folder, or a box without it.
    c.main->ejecutar(Comando::Ayuda);
    QVERIFY(c.abiertas.empty());
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});
    QVERIFY(c.dialogos.mostrados[0].texto.startsWith(QStringLiteral("No se encontró el manual")));
    QVERIFY(QDir(c.carpeta.path()).mkpath(QStringLiteral("manual")));
    const QString indice = c.carpeta.filePath(QStringLiteral("manual/index.html"));
    escribirArchivo(indice, {});
    c.accion("tbAyuda")->trigger();
    QCOMPARE(c.abiertas, std::vector<QUrl>{QUrl::fromLocalFile(indice)});

    // Each view's key, pressed twice, hides it and shows it again; its close
    // box only hides it; the menu brings it back. Trending starts hidden with
    // its button pressed and takes two thirds of the inner width, again when
    // the windows are laid out. The keys win over a text box's own.
    const std::tuple<Qt::Key, Vista, const char*> vistas[] = {
        {Qt::Key_F3, Vista::Entradas, "menuVerEntradas"},     {Qt::Key_F4, Vista::Salidas, "menuVerSalidas"},
        {Qt::Key_F5, Vista::Globales, "menuVerGlobales"},     {Qt::Key_F6, Vista::Tree, "menuVerTree"},
        {Qt::Key_F7, Vista::Especiales, "menuVerEspeciales"}, {Qt::Key_F9, Vista::Info, "menuVerInfo"}};
    for (const auto& [tecla, v, menu] : vistas) {
      QCOMPARE(estado(c, v), QStringLiteral("111"));
      QTest::keyClick(c.main.get(), tecla);
      QCOMPARE(estado(c, v), QStringLiteral("000"));
      QTest::keyClick(c.main.get(), tecla);
      QCOMPARE(estado(c, v), QStringLiteral("111"));
      QMdiSubWindow* s = c.main->subventana(v);
      QVERIFY(!s->close());
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QCOMPARE(c.main->subventana(v), s);
      QCOMPARE(estado(c, v), QStringLiteral("000"));
      c.accion(menu)->trigger();
      QCOMPARE(estado(c, v), QStringLiteral("111"));
    }

    const Vista r = Vista::Seguimiento;
    QCOMPARE(estado(c, r), QStringLiteral("001"));
    c.accion("tbVerSeguimiento")->trigger();  // the button pressed at start-up: its first click shows
    QCOMPARE(estado(c, r), QStringLiteral("111"));
    QWidget* interior = c.main->area().viewport();
    QCOMPARE(c.main->subventana(r)->width(), interior->width() * 2 / 3);
    const int antes = interior->width();
    c.main->resize(c.main->width() - 300, c.main->height());
    QTRY_VERIFY(interior->width() < antes);
    c.main->disponerVentanas();
    QCOMPARE(c.main->subventana(r)->width(), interior->width() * 2 / 3);
    QTest::keyClick(c.main.get(), Qt::Key_F8);
    QCOMPARE(estado(c, r), QStringLiteral("000"));

    int abiertos = 0;
    c.main->ganchos().abrir = [&] { ++abiertos; };
    auto* caja = c.main->contenido(Vista::Globales)->findChild<QLineEdit*>();
    caja->setText(QStringLiteral("texto"));
    caja->setFocus();
    QTRY_VERIFY(caja->hasFocus());
    QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(abiertos, 1);
    QCOMPARE(caja->selectedText(), QString());  // Ctrl+A opened a file, it did not select

    // The memory viewer, made hidden when first asked for; at its first and
    // last scroll position, redrawn when a transfer changes the image, every
    // line in its box.
    QVERIFY(c.main->subventanaMemoria() == nullptr);
    Form1& f = c.main->visorMemoria();
    QVERIFY(!c.main->subventanaMemoria()->isVisible());
    imagen::ImagenMemoria& img = c.main->imagenMemoria();
    for (std::size_t i = 0; i < img.size(); ++i) img[i] = static_cast<std::uint8_t>(i * 7);
    img[0] = 0x05;  // a leading zero
    img[12287] = 0xAB;
    img[12288] = 0xCD;  // past the panel's memory: never shown
    c.main->subventanaMemoria()->show();
    f.sb_Change();
    QCOMPARE(f.sb()->maximum(), 752);
    QStringList l = f.Text1()->toPlainText().split('\n');
    QCOMPARE(l[0], QStringLiteral("1C000H  05 07 0E 15 1C 23 2A 31 38 3F 46 4D 54 5B 62 69"));
    QVERIFY(l[15].startsWith(QStringLiteral("1C0F0H  ")));

    f.sb()->setValue(752);  // the scroll bar's change redraws
    l = f.Text1()->toPlainText().split('\n');
    QVERIFY(l[15].startsWith(QStringLiteral("1EFF0H  ")));
    QVERIFY(l[15].endsWith(QStringLiteral(" AB")));
    QCOMPARE(l[15].size(), 7 + 16 * 3);

    img[12287] = 0x01;
    f.sb_Change();
    QVERIFY(f.Text1()->toPlainText().endsWith(QStringLiteral(" 01")));

    const QFontMetrics m(f.Text1()->font());
    QVERIFY(f.Text1()->height() >= 16 * m.height());
    QVERIFY(f.Text1()->width() >= m.horizontalAdvance(l[15]));
  }

  // Every case of the layout table, W = H = 900 (start-up, all six, is drawn
  // through the console itself). Then many windows in a small cascade: three
  // quarters of the area each, the staircase starting again before leaving it.
  void disposicionYCascada() {
    const std::pair<const char*, const char*> casos[] = {
        // The right column.
        {"ESX", "E 0 0 900 300, S 0 300 900 300, X 0 600 900 300"},
        {"GES", "E 302 0 600 450, S 302 450 600 450, G - - 300 900"},
        {"GS", "S 302 0 600 900, G - - 300 900"},
        {"GEXT", "E 302 0 600 300, X 302 300 600 300, G - - 300 900, T 300 600 600 300"},
        {"ESR", "E 0 0 900 300, S 0 300 900 300"},  // Trending takes the band
        {"GTI", "G - - 900 900, T 300 600 300 300, I 600 600 300 300"},
        // The bottom band: globales, seguimiento and the partner.
        {"GI", "G - - 900 900, I 300 600 600 300"},
        {"GRT", "G - - 900 900, T 450 600 450 300"},
        {"GRTI", "G - - 900 900, T 300 600 300 300, I 600 600 300 300"},
        {"T", "T 0 0 900 900"},
        {"TI", "T 0 0 450 900, I 450 0 450 900"},
        {"RI", "I 450 0 450 900"},
        {"RTI", "T 300 0 300 900, I 600 0 300 900"},
        {"ETI", "E 0 0 900 600, T 0 600 450 300, I 450 600 450 300"}};
    for (const auto& [visibles, cajas] : casos) {
      QCOMPARE(describir(disponer(vis(QString::fromLatin1(visibles)), 900, 900)), QString::fromLatin1(cajas));
    }

    const QRect area(0, 0, 400, 300);
    QList<int> arribas;
    for (const QRect& r : cascada(8, area.size(), 25)) {
      QCOMPARE(r.size(), QSize(300, 225));
      QVERIFY(area.contains(r));
      arribas << r.y();
    }
    QCOMPARE(arribas, (QList<int>{0, 25, 50, 75, 0, 25, 50, 75}));
  }

  // What comes before the window: the command line, Qt's own texts in
  // Spanish (here a standard button's), the application's folder, the file
  // dialogs' first folder and the image library.
  void antesDeLaVentana() {
    auto leer = [](QStringList a) {
      a.prepend(QStringLiteral("orda"));
      return leerOpciones(a);
    };
    QVERIFY(!leer({}).opciones->simular);
    const auto sim = leer({"--simulate", "--latency-ms", "25"});
    QVERIFY(sim.opciones && sim.opciones->simular);
    QCOMPARE(sim.opciones->latenciaMs, 25);
    for (const QStringList& malo : {QStringList{"--latency-ms", "5"}, QStringList{"--simulate", "--latency-ms", "x"},
                                    QStringList{"--nada"}, QStringList{"archivo.dat"}}) {
      const auto r = leer(malo);
      QVERIFY2(!r.opciones && r.codigo == 2 && !r.salida.isEmpty(), qPrintable(malo.join(' ')));
    }
    const auto ayuda = leer({"--help"});
    QVERIFY(!ayuda.opciones && ayuda.codigo == 0 && ayuda.salida.contains("--simulate"));
    QVERIFY(pideAyudaOVersion({"orda", "--version"}));
    QVERIFY(!pideAyudaOVersion({"orda", "--simulate"}));

    QVERIFY(instalarTraduccionesQt(*QCoreApplication::instance()));
    QDialogButtonBox botones(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    QCOMPARE(botones.button(QDialogButtonBox::Cancel)->text().remove('&'), QStringLiteral("Cancelar"));

    QTemporaryDir dir;
    const QString bin = dir.filePath("usr/bin");
    QVERIFY(QDir().mkpath(bin));
    QCOMPARE(carpetaAplicacion(bin), QDir::cleanPath(bin));  // no share/orda: a portable folder
    QVERIFY(QDir().mkpath(dir.filePath("usr/share/orda")));
    QCOMPARE(carpetaAplicacion(bin), QDir::cleanPath(dir.filePath("usr/share/orda")));

    // The file dialogs start in Documents, or at home without it. The
    // console's settings stay in the build folder for the tests after this.
    const QByteArray casa = qgetenv("HOME");
    const QByteArray ajustes = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", dir.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    const QString inicial = dirInicial();
    QVERIFY(QDir().mkpath(dir.filePath("Documents")));
    const QString documentos = dirInicial();
    qputenv("HOME", casa);
    qputenv("XDG_CONFIG_HOME", ajustes);
    QCOMPARE(inicial, dir.path());
    QCOMPARE(documentos, dir.filePath("Documents"));

    // The image library: keys from file names (the name less its last four
    // characters), what gets in, and the log that every start rewrites.
    // One file per folder, so that the log follows the folders' order.
    QStringList carpetas;
    for (const char* nombre : {"a/okg.png", "b/logo.jpeg", "c/OKG.PNG", "d/leame.txt", "e/a.c"}) {
      carpetas << QFileInfo(dir.filePath(nombre)).path();
      QVERIFY(QDir().mkpath(carpetas.last()));
    }
    carpetas.insert(2, dir.filePath("no-existe"));
    png(dir.filePath("a/okg.png"), QSize(16, 16));
    png(dir.filePath("b/logo.jpeg"), QSize(8, 4));  // a PNG under another name: read by its content
    png(dir.filePath("c/OKG.PNG"), QSize(16, 16));  // the key again
    escribirArchivo(dir.filePath("d/leame.txt"), "texto");  // not a picture
    escribirArchivo(dir.filePath("e/a.c"), "x");            // too short for a key
    const QString log = dir.filePath("imagenes.log");

    ImagenesAplicacion lib;
    const auto r = lib.cargar(carpetas, log);
    QVERIFY(r.registroEscrito);
    QCOMPARE(r.agregadas, 2);
    QCOMPARE(r.errores, 3);
    QCOMPARE(texto(log), QStringLiteral(" 1\tAgregado: OKG\n 2\tAgregado: LOGO.\n 3\tError: OKG\t35602\n"
                                       " 4\tError: LEAME\t481\n 5\tError: \t5\n"));
    QCOMPARE(lib.tamano("LOGO."), QSize(8, 4));
    QCOMPARE(lib.tamano("OKG"), QSize(16, 16));
    QCOMPARE(lib.imagen("OKG", QSize(24, 24), 2.0).size(), QSize(48, 48));
    QVERIFY(lib.imagen("NADA", QSize(16, 16)).isNull());
    QVERIFY(lib.icono("NADA").isNull());

    // Every start rewrites the log; the log in a folder of pictures is tried too.
    lib.cargar({carpetas[0], dir.path()}, log);
    QCOMPARE(texto(log), QStringLiteral(" 1\tAgregado: OKG\n 2\tError: IMAGENES\t481\n"));
    QVERIFY(!lib.contiene("LOGO."));

    // A log that cannot be written: the pictures load all the same.
    QVERIFY(!lib.cargar({carpetas[0]}, dir.filePath("no/existe/imagenes.log")).registroEscrito);
    QVERIFY(lib.contiene("OKG"));
  }

  // The exit question and each answer: Si saves to the current file after
  // saying its name, or asks for one; a save that does not happen keeps the
  // console open and the link going. "Notificados" shows only while saving.
  void salir() {
    struct Caso {
      Respuesta respuesta;
      QString archivo;
      ResultadoGuardado resultado;
      QString llamada;
      bool cierra;
    };
    const auto si = Respuesta::Si;
    const auto guardado = ResultadoGuardado::Guardado;
    for (const Caso& k : {Caso{Respuesta::Cancelar, "", guardado, "", false},
                          Caso{Respuesta::No, "", guardado, "", true},
                          Caso{si, "", guardado, "guardarComo", true},
                          Caso{si, "", ResultadoGuardado::Cancelado, "guardarComo", false},
                          Caso{si, "", ResultadoGuardado::Fallido, "guardarComo", false},
                          Caso{si, "/home/ana/configs/CASA.dat", guardado, "guardar", true}}) {
      ConsolaPrueba c;
      QString llamadas;
      c.main->ganchos().nombreArchivo = [&] { return k.archivo; };
      c.main->ganchos().guardar = [&] { llamadas += "guardar"; return k.resultado; };
      c.main->ganchos().guardarComo = [&] { llamadas += "guardarComo"; return k.resultado; };
      c.dialogos.respuestas = {k.respuesta};
      c.accion("menuArchivoSalir")->trigger();
      QCOMPARE(c.main->isVisible(), !k.cierra);
      QCOMPARE(llamadas, k.llamada);
      QCOMPARE(c.dialogos.mostrados.size(), std::size_t(k.archivo.isEmpty() ? 1 : 2));
      QVERIFY(c.dialogos.mostrados[0].texto.startsWith(QStringLiteral("Ud. eligió salir del programa.")));
      QCOMPARE(c.dialogos.mostrados[0].botones, Botones::SiNoCancelar);
      if (!k.archivo.isEmpty()) {
        QCOMPARE(c.dialogos.mostrados[1], (MensajeMostrado{"CASA.dat", "OrDA", Icono::Ninguno, Botones::Aceptar}));
      }
      if (!k.cierra) {
        sigueAbierta(c);
        c.avanzar(5100);
        QCOMPARE(c.estado(5).texto(), QStringLiteral("   Conectado"));
        continue;
      }
      QVERIFY(!c.main->motor().conectado());
      QVERIFY(!c.main->teclasTomadas());
      QVERIFY(c.main->cerrandoPrograma());
      QCOMPARE(c.main->notificados() != nullptr, k.respuesta == si);
      if (c.main->notificados() != nullptr) QVERIFY(!c.main->notificados()->isVisible());  // gone last, with Main
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QCOMPARE(c.main->area().subWindowList().size(), 0);
    }
  }
};

QTEST_MAIN(PruebaMain)
#include "main_test.moc"
