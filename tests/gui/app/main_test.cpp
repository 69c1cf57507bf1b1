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
#include <QScrollBar>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

#include "acciones/banco_acciones.h"
#include "gui/app/avisos.h"
#include "gui/app/carpetas.h"
#include "gui/app/disposicion.h"
#include "gui/app/mosaico.h"
#include "gui/app/opciones.h"
#include "gui/app/traducciones.h"
#include "gui/app/visor_memoria.h"
#include "gui/comun/twips.h"
#include "gui/history/historico.h"

using namespace orda;
using namespace orda::gui;

namespace {

// Window shown, menu item checked, toolbar button pressed: "1" or "0" each.
QString estado(ConsolaPrueba& c, Vista v) {
  return QStringLiteral("%1%2%3").arg(c.visible(v)).arg(c.main->menuMarcado(v)).arg(c.main->botonPulsado(v));
}

void activar(ConsolaPrueba& c) {
  c.main->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(c.main.get()));
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

const QByteArray kSvg =
    "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16' viewBox='0 0 16 16'>"
    "<rect x='1' y='1' width='14' height='14' fill='#2e9d48'/></svg>";

void escribir(const QString& ruta, const QByteArray& datos) {
  QFile f(ruta);
  QVERIFY(f.open(QIODevice::WriteOnly));
  QCOMPARE(f.write(datos), datos.size());
}

void png(const QString& ruta, QSize tam) {
  QImage i(tam, QImage::Format_ARGB32);
  i.fill(Qt::red);
  QVERIFY(i.save(ruta, "PNG"));
}

QStringList lineas(const QString& ruta) {
  QFile f(ruta);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QStringList l = QString::fromUtf8(f.readAll()).split('\n');
  if (!l.isEmpty() && l.last().isEmpty()) l.removeLast();
  return l;
}

}  // namespace

class PruebaMain : public QObject {
  Q_OBJECT

 private slots:
  // Start-up: connected, the views up but Trending, the history and the
  // memory viewer; Globales W/3 wide and H high; the three tables 2W/3 wide
  // and 2H/9 high at W/3 + 2 (twips), tops 0, 2H/9, 4H/9; Tree and Info W/3
  // wide and H/3 high at 2H/3, at W/3 and 2W/3.
  void arranque() {
    ConsolaPrueba c;
    sigueAbierta(c);
    QVERIFY(!c.main->comunicacion()->isVisible());
    QCOMPARE(c.main->windowTitle(), QStringLiteral("OrDA - Ordavix - V2.02"));
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

    QVERIFY(c.main->subventanaMemoria() == nullptr);
    c.main->visorMemoria();
    QVERIFY(!c.main->subventanaMemoria()->isVisible());
    QCOMPARE(c.main->subventanaMemoria()->windowTitle(), QStringLiteral("Memoria interna"));
  }

  // Every case of the layout table, W = H = 900.
  void disposicion_data() {
    QTest::addColumn<QString>("visibles");
    QTest::addColumn<QString>("cajas");
    // Start-up (all six) is drawn through the console itself (arranque). Right column.
    QTest::newRow("sin globales, sin banda") << "ESX" << "E 0 0 900 300, S 0 300 900 300, X 0 600 900 300";
    QTest::newRow("dos tablas, sin banda") << "GES" << "E 302 0 600 450, S 302 450 600 450, G - - 300 900";
    QTest::newRow("una tabla, sin banda") << "GS" << "S 302 0 600 900, G - - 300 900";
    QTest::newRow("dos tablas con banda") << "GEXT" << "E 302 0 600 300, X 302 300 600 300, G - - 300 900, T 300 600 600 300";
    QTest::newRow("seguimiento ocupa la banda") << "ESR" << "E 0 0 900 300, S 0 300 900 300";
    QTest::newRow("globales y banda") << "GTI" << "G - - 900 900, T 300 600 300 300, I 600 600 300 300";
    // The bottom band: globales, seguimiento and the partner.
    QTest::newRow("G, sin R, solo Info") << "GI" << "G - - 900 900, I 300 600 600 300";
    QTest::newRow("G, R, solo") << "GRT" << "G - - 900 900, T 450 600 450 300";
    QTest::newRow("G, R, ambos") << "GRTI" << "G - - 900 900, T 300 600 300 300, I 600 600 300 300";
    QTest::newRow("sin G, sin R, solo") << "T" << "T 0 0 900 900";
    QTest::newRow("sin G, sin R, ambos") << "TI" << "T 0 0 450 900, I 450 0 450 900";
    QTest::newRow("sin G, R, solo Info") << "RI" << "I 450 0 450 900";
    QTest::newRow("sin G, R, ambos") << "RTI" << "T 300 0 300 900, I 600 0 300 900";
    QTest::newRow("sin G, tablas y banda") << "ETI" << "E 0 0 900 600, T 0 600 450 300, I 450 600 450 300";
  }
  void disposicion() {
    QFETCH(QString, visibles);
    QFETCH(QString, cajas);
    QCOMPARE(describir(disponer(vis(visibles), 900, 900)), cajas);
  }

  // The image library: keys from file names (the name less its last four
  // characters), what gets in, and the log that every start rewrites.
  // One file per folder, so that the log follows the folders' order.
  void cargaYRegistro() {
    QTemporaryDir dir;
    QStringList carpetas;
    for (const char* nombre : {"a/okg.svg", "b/logo.jpeg", "c/OKG.SVG", "d/leame.txt", "e/a.c"}) {
      carpetas << QFileInfo(dir.filePath(nombre)).path();
      QVERIFY(QDir().mkpath(carpetas.last()));
    }
    carpetas.insert(2, dir.filePath("no-existe"));
    escribir(dir.filePath("a/okg.svg"), kSvg);
    png(dir.filePath("b/logo.jpeg"), QSize(8, 4));  // a PNG under another name: read by its content
    escribir(dir.filePath("c/OKG.SVG"), kSvg);       // the key again
    escribir(dir.filePath("d/leame.txt"), "texto");  // not a picture
    escribir(dir.filePath("e/a.c"), "x");            // too short for a key
    const QString log = dir.filePath("imagenes.log");

    ImagenesAplicacion lib;
    const auto r = lib.cargar(carpetas, log);
    QVERIFY(r.registroEscrito);
    QCOMPARE(r.agregadas, 2);
    QCOMPARE(r.errores, 3);
    QCOMPARE(lineas(log), QStringList({" 1\tAgregado: OKG", " 2\tAgregado: LOGO.", " 3\tError: OKG\t35602",
                                       " 4\tError: LEAME\t481", " 5\tError: \t5"}));
    QCOMPARE(lib.tamano("LOGO."), QSize(8, 4));
    QCOMPARE(lib.tamano("OKG"), QSize(16, 16));
    QCOMPARE(lib.imagen("OKG", QSize(24, 24), 2.0).size(), QSize(48, 48));
    QVERIFY(lib.imagen("NADA", QSize(16, 16)).isNull());
    QVERIFY(lib.icono("NADA").isNull());

    // Every start rewrites the log; the log in a folder of pictures is tried too.
    lib.cargar({carpetas[0], dir.path()}, log);
    QCOMPARE(lineas(log), QStringList({" 1\tAgregado: OKG", " 2\tError: IMAGENES\t481"}));
    QVERIFY(!lib.contiene("LOGO."));

    // A log that cannot be written: the pictures load all the same.
    QVERIFY(!lib.cargar({carpetas[0]}, dir.filePath("no/existe/imagenes.log")).registroEscrito);
    QVERIFY(lib.contiene("OKG"));
  }

  void carpetaDeLaAplicacion() {
    QTemporaryDir dir;
    const QString bin = dir.filePath("usr/bin");
    QVERIFY(QDir().mkpath(bin));
    QCOMPARE(carpetaAplicacion(bin), QDir::cleanPath(bin));  // no share/orda: a portable folder
    QVERIFY(QDir().mkpath(dir.filePath("usr/share/orda")));
    QCOMPARE(carpetaAplicacion(bin), QDir::cleanPath(dir.filePath("usr/share/orda")));

    // The file dialogs start in the documents folder, or at home without one.
    // The console's settings stay in the build folder for the tests after this one.
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
  }

  // Qt's own texts in Spanish, here a standard button's.
  void textosDeQtEnEspanol() {
    QVERIFY(instalarTraduccionesQt(*QCoreApplication::instance()));
    QDialogButtonBox botones(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    QCOMPARE(botones.button(QDialogButtonBox::Cancel)->text().remove('&'), QStringLiteral("Cancelar"));
  }

  // The simulated panel reaching the status bar, Info and the history (what
  // the link shows on unplugging takes the same way, checked in the core).
  void panelSimuladoSeEnchufaYResponde() {
    ConsolaPrueba c;
    auto* info = c.main->contenido(Vista::Info)->findChild<QTextEdit*>(QStringLiteral("mRT"));
    c.avanzar(700);  // plugged about half a second after start-up
    QCOMPARE(c.estado(5).texto(), QStringLiteral("   Conectado"));
    QCOMPARE(c.estado(5).imagen(), QStringLiteral("COMOK_OLD"));
    QVERIFY(info->toPlainText().startsWith(QStringLiteral("Conectado...")));

    c.avanzar(5100);  // the signal poll, five seconds after start-up
    QCOMPARE(c.cuantos("sq"), 1);
    QVERIFY(!c.estado(1).texto().isEmpty());  // the level, as the link names it

    // A click on panel 1 switches the poll off.
    QTest::mouseClick(&c.estado(1), Qt::LeftButton);
    QCOMPARE(c.estado(1).imagen(), QStringLiteral("L0X"));
    c.avanzar(20100);
    QCOMPARE(c.cuantos("sq"), 1);

    // The history window asks through Info (echoed in its log) and fills
    // itself when the transfer ends.
    c.accion("tbVerHistoricos")->trigger();
    QCOMPARE(c.cuantos("lh"), 1);
    auto* h = qobject_cast<Historico*>(c.main->contenido(Vista::Historicos));
    QCOMPARE(h->cantidadRegistros(), 0);
    c.avanzar(30000);
    QVERIFY(h->cantidadRegistros() > 0);
    QVERIFY(info->toPlainText().contains(QStringLiteral("lh")));
  }

  void opcionesDeLaLineaDeComandos() {
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
  }

  // Each view's key, pressed twice, hides it and shows it again; its close
  // box only hides it; the menu brings it back. Trending starts hidden with
  // its button pressed, and takes two thirds of the inner width.
  void mostrarYOcultarCadaVista_data() {
    QTest::addColumn<int>("tecla");
    QTest::addColumn<int>("vista");
    QTest::addColumn<QString>("menu");
    QTest::newRow("F3") << int(Qt::Key_F3) << int(Vista::Entradas) << "menuVerEntradas";
    QTest::newRow("F4") << int(Qt::Key_F4) << int(Vista::Salidas) << "menuVerSalidas";
    QTest::newRow("F5") << int(Qt::Key_F5) << int(Vista::Globales) << "menuVerGlobales";
    QTest::newRow("F6") << int(Qt::Key_F6) << int(Vista::Tree) << "menuVerTree";
    QTest::newRow("F7") << int(Qt::Key_F7) << int(Vista::Especiales) << "menuVerEspeciales";
    QTest::newRow("F8") << int(Qt::Key_F8) << int(Vista::Seguimiento) << "";
    QTest::newRow("F9") << int(Qt::Key_F9) << int(Vista::Info) << "menuVerInfo";
  }
  void mostrarYOcultarCadaVista() {
    QFETCH(int, tecla);
    QFETCH(int, vista);
    QFETCH(QString, menu);
    ConsolaPrueba c;
    activar(c);
    const Vista v = static_cast<Vista>(vista);
    const bool seguimiento = v == Vista::Seguimiento;
    QCOMPARE(estado(c, v), QString(seguimiento ? "001" : "111"));
    if (seguimiento) {
      c.accion("tbVerSeguimiento")->trigger();  // the button pressed at start-up: its first click shows
    } else {
      QTest::keyClick(c.main.get(), static_cast<Qt::Key>(tecla));
    }
    QCOMPARE(estado(c, v), QString(seguimiento ? "111" : "000"));
    if (seguimiento) {
      // Two thirds of the inner width, again when the windows are laid out.
      QWidget* interior = c.main->area().viewport();
      QCOMPARE(c.main->subventana(v)->width(), interior->width() * 2 / 3);
      const int antes = interior->width();
      c.main->resize(c.main->width() - 300, c.main->height());
      QTRY_VERIFY(interior->width() < antes);
      c.main->disponerVentanas();
      QCOMPARE(c.main->subventana(v)->width(), interior->width() * 2 / 3);
    }
    QTest::keyClick(c.main.get(), static_cast<Qt::Key>(tecla));
    QCOMPARE(estado(c, v), QString(seguimiento ? "000" : "111"));
    if (seguimiento) return;
    QMdiSubWindow* s = c.main->subventana(v);
    QVERIFY(!s->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(c.main->subventana(v), s);
    QCOMPARE(estado(c, v), QString("000"));
    c.accion(qPrintable(menu))->trigger();
    QCOMPARE(estado(c, v), QString("111"));
  }

  void lasTeclasMandanSobreUnaCajaDeTexto() {
    ConsolaPrueba c;
    int abiertos = 0;
    c.main->ganchos().abrir = [&] { ++abiertos; };
    activar(c);
    auto* caja = c.main->contenido(Vista::Globales)->findChild<QLineEdit*>();
    caja->setText(QStringLiteral("texto"));
    caja->setFocus();
    QTRY_VERIFY(caja->hasFocus());
    QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(abiertos, 1);
    QCOMPARE(caja->selectedText(), QString());  // Ctrl+A opened a file, it did not select
  }

  void historico() {
    ConsolaPrueba c;
    QStringList pasos;
    auto visibleAhora = [&] { return c.visible(Vista::Historicos) ? "visible" : "oculto"; };
    c.main->ganchos().refrescarHistorial = [&] { pasos << QStringLiteral("Refrescar %1").arg(visibleAhora()); };
    c.main->ganchos().actualizarHistorial = [&] { pasos << QStringLiteral("mActualizar %1").arg(visibleAhora()); };

    // The view command: shown first, then asked for and filled.
    c.accion("tbVerHistoricos")->trigger();
    QCOMPARE(pasos, QStringList({"Refrescar visible", "mActualizar visible"}));
    QCOMPARE(estado(c, Vista::Historicos), QString("111"));
    QCOMPARE(c.main->subventana(Vista::Historicos)->windowTitle(), QStringLiteral("Histórico"));
    const auto* h = qobject_cast<Historico*>(c.main->contenido(Vista::Historicos));
    QCOMPARE(h->width(), h->anchoVentana());  // the sub-window's frame around it: every column shows

    // Alt+H asks again and never hides.
    pasos.clear();
    QVERIFY(c.main->teclaRapida(14));
    QCOMPARE(pasos, QStringList({"Refrescar visible", "mActualizar visible"}));
    QCOMPARE(estado(c, Vista::Historicos), QString("111"));

    // Its close box closes it for good; it comes back new.
    QPointer<QMdiSubWindow> antes = c.main->subventana(Vista::Historicos);
    antes->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(antes.isNull());
    QCOMPARE(estado(c, Vista::Historicos), QString("000"));
    pasos.clear();
    QVERIFY(c.main->teclaRapida(14));  // Alt+H on a closed history: asked for, then shown
    QCOMPARE(pasos, QStringList({"Refrescar oculto", "mActualizar oculto"}));
    QVERIFY(c.visible(Vista::Historicos));
  }

  // "Mosaico horizontal" stacks the six visible windows full width, "Mosaico
  // vertical" puts them side by side full height, each covering the area to
  // the pixel; "Cascada" staggers them by a title bar.
  void organizar() {
    ConsolaPrueba c;
    const QRect area(QPoint(0, 0), c.main->area().viewport()->size());
    QList<QMdiSubWindow*> visibles;
    for (QMdiSubWindow* s : c.main->area().subWindowList(QMdiArea::StackingOrder)) {
      if (s->isVisible()) visibles << s;
    }
    QCOMPARE(visibles.size(), 6);
    for (Comando comando : {Comando::OrganizarHorizontal, Comando::OrganizarVertical}) {
      c.main->ejecutar(comando);
      const bool apiladas = comando == Comando::OrganizarHorizontal;
      QList<QRect> cajas;
      for (QMdiSubWindow* s : visibles) cajas << s->geometry();
      std::sort(cajas.begin(), cajas.end(), [](const QRect& a, const QRect& b) { return a.x() + a.y() < b.x() + b.y(); });
      int borde = 0;
      for (const QRect& r : cajas) {
        QCOMPARE(r, apiladas ? QRect(0, borde, area.width(), r.height()) : QRect(borde, 0, r.width(), area.height()));
        borde += apiladas ? r.height() : r.width();
      }
      QCOMPARE(borde, apiladas ? area.height() : area.width());
    }
    c.main->ejecutar(Comando::Cascada);
    const int paso = visibles[0]->widget()->y();  // a whole title bar shows
    for (qsizetype i = 0; i < visibles.size(); ++i) {
      QCOMPARE(visibles[i]->pos(), QPoint(int(i) * paso, int(i) * paso));
    }
  }

  // Many windows in a small area: three quarters of it each, and the
  // staircase starts again before leaving it.
  void cascadaQueNoCabe() {
    const QRect area(0, 0, 400, 300);
    const auto cajas = cascada(8, area.size(), 25);
    QList<int> arribas;
    for (const QRect& r : cajas) {
      QCOMPARE(r.size(), QSize(300, 225));
      QVERIFY(area.contains(r));
      arribas << r.y();
    }
    QCOMPARE(arribas, (QList<int>{0, 25, 50, 75, 0, 25, 50, 75}));
  }

  // The memory viewer at its first and last scroll position, redrawn when a
  // transfer changes the image, every line in its box.
  void visorMemoria() {
    imagen::ImagenMemoria img{};
    for (std::size_t i = 0; i < img.size(); ++i) img[i] = static_cast<std::uint8_t>(i * 7);
    img[0] = 0x05;  // a leading zero
    img[12287] = 0xAB;
    img[12288] = 0xCD;  // past the panel's memory: never shown
    Form1 f(img);
    f.show();
    QCOMPARE(f.sb()->maximum(), 752);
    QStringList l = f.Text1()->toPlainText().split('\n');
    QCOMPARE(l.size(), 16);
    QCOMPARE(l[0], QStringLiteral("1C000H  05 07 0E 15 1C 23 2A 31 38 3F 46 4D 54 5B 62 69"));
    QVERIFY(l[15].startsWith(QStringLiteral("1C0F0H  ")));

    f.sb()->setValue(752);  // the scroll bar's change redraws
    l = f.Text1()->toPlainText().split('\n');
    QVERIFY(l[0].startsWith(QStringLiteral("1EF00H  ")));
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

  void ayuda() {
    ConsolaPrueba c;
    c.main->ejecutar(Comando::Ayuda);
    QVERIFY(c.abiertas.empty());
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t{1});
    QVERIFY(c.dialogos.mostrados[0].texto.startsWith(QStringLiteral("No se encontró el manual")));

    QVERIFY(QDir(c.carpeta.path()).mkpath(QStringLiteral("manual")));
    QFile indice(c.carpeta.filePath(QStringLiteral("manual/index.html")));
    QVERIFY(indice.open(QIODevice::WriteOnly));
    indice.close();
    c.accion("tbAyuda")->trigger();
    QCOMPARE(c.abiertas.size(), std::size_t{1});
    QCOMPARE(c.abiertas[0], QUrl::fromLocalFile(indice.fileName()));
  }

  // The exit question and each answer: Si saves to the current file after
  // saying its name, or asks for one; a save that does not happen keeps the
  // console open and the link going. "Notificados" shows only while saving.
  void salir_data() {
    QTest::addColumn<int>("respuesta");
    QTest::addColumn<QString>("archivo");
    QTest::addColumn<int>("resultado");  // of the save
    QTest::addColumn<QString>("llamada");
    QTest::addColumn<bool>("cierra");
    const int si = int(Respuesta::Si);
    const int guardado = int(ResultadoGuardado::Guardado);
    const int cancelado = int(ResultadoGuardado::Cancelado);
    const int fallido = int(ResultadoGuardado::Fallido);
    QTest::newRow("cancelar") << int(Respuesta::Cancelar) << "" << guardado << "" << false;
    QTest::newRow("no") << int(Respuesta::No) << "" << guardado << "" << true;
    QTest::newRow("si, guardado como") << si << "" << guardado << "guardarComo" << true;
    QTest::newRow("si, diálogo cancelado") << si << "" << cancelado << "guardarComo" << false;
    QTest::newRow("si, no se pudo escribir") << si << "" << fallido << "guardarComo" << false;
    QTest::newRow("si, con archivo") << si << "/home/ana/configs/CASA.dat" << guardado << "guardar" << true;
  }
  void salir() {
    QFETCH(int, respuesta);
    QFETCH(QString, archivo);
    QFETCH(int, resultado);
    QFETCH(QString, llamada);
    QFETCH(bool, cierra);
    ConsolaPrueba c;
    QString llamadas;
    c.main->ganchos().nombreArchivo = [&] { return archivo; };
    c.main->ganchos().guardar = [&] { llamadas += "guardar"; return static_cast<ResultadoGuardado>(resultado); };
    c.main->ganchos().guardarComo = [&] {
      llamadas += "guardarComo";
      return static_cast<ResultadoGuardado>(resultado);
    };
    c.dialogos.respuestas = {static_cast<Respuesta>(respuesta)};
    c.accion("menuArchivoSalir")->trigger();
    QCOMPARE(c.main->isVisible(), !cierra);
    QCOMPARE(llamadas, llamada);
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t(archivo.isEmpty() ? 1 : 2));
    QVERIFY(c.dialogos.mostrados[0].texto.startsWith(QStringLiteral("Ud. eligió salir del programa.")));
    QCOMPARE(c.dialogos.mostrados[0].botones, Botones::SiNoCancelar);
    if (!archivo.isEmpty()) {
      QCOMPARE(c.dialogos.mostrados[1], (MensajeMostrado{"CASA.dat", "OrDA", Icono::Ninguno, Botones::Aceptar}));
    }
    if (!cierra) {
      sigueAbierta(c);
      c.avanzar(5100);
      QCOMPARE(c.estado(5).texto(), QStringLiteral("   Conectado"));
      return;
    }
    QVERIFY(!c.main->motor().conectado());
    QVERIFY(!c.main->teclasTomadas());
    QVERIFY(c.main->cerrandoPrograma());
    QCOMPARE(c.main->notificados() != nullptr, respuesta == int(Respuesta::Si));
    if (c.main->notificados() != nullptr) QVERIFY(!c.main->notificados()->isVisible());  // gone last, with Main
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(c.main->area().subWindowList().size(), 0);
  }
};

QTEST_MAIN(PruebaMain)
#include "main_test.moc"
