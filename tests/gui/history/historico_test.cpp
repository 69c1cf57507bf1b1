// Info, the terminal to the panel, and the history window that asks through
// it, inside the console on the simulated panel. What each typed command puts
// on the wire and which history rows fail are the core's to test.
#include <QFile>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextEdit>
#include <sys/stat.h>

#include "acciones/banco_acciones.h"
#include "core/history/memoria.h"
#include "core/link/textos.h"
#include "gui/comun/twips.h"
#include "gui/history/columnas_historico.h"
#include "gui/history/historico.h"
#include "gui/history/modelo_historico.h"
#include "gui/monitoring/info.h"

using namespace orda;
using namespace orda::gui;

namespace {

void escribir(Info& info, const QString& texto) {
  info.Text1()->clear();
  QTest::keyClicks(info.Text1(), texto);
  QTest::keyClick(info.Text1(), Qt::Key_Return);
  QCoreApplication::sendPostedEvents();  // the console's boxes
}

QString primeraLinea(const Info& info) { return info.mRT()->document()->firstBlock().text(); }

QColor colorPrimeraLinea(const Info& info) {
  return info.mRT()->document()->firstBlock().begin().fragment().charFormat().foreground().color();
}

using Bytes = std::array<std::uint8_t, 10>;

void ponerRegistro(ConsolaComandos& c, std::size_t n, const Bytes& b) {
  const auto desde = static_cast<std::ptrdiff_t>(history::direccionRegistro(n));
  std::copy(b.begin(), b.end(), c.main->imagenMemoria().begin() + desde);
}

void ponerReferencia(ConsolaComandos& c, int cantidad) {
  ponerRegistro(c, 0, {0x24, 0x01, 0x15, 0x10, 0x30, 0x00, 0, 0, std::uint8_t(cantidad % 102), std::uint8_t(cantidad / 102)});
}

}  // namespace

class PruebaHistorico : public QObject {
  Q_OBJECT

 private slots:
  // The log newest first, the field after a command, the console's own
  // commands, a command too long and the panel's date.
  void info() {
    QCOMPARE(Info::geometriaEn({900, 600}), QRect(600, 400, 300, 200));  // the bottom right ninth
    ConsolaComandos c;
    Info& i = *qobject_cast<Info*>(c.main->contenido(Vista::Info));
    QCoreApplication::processEvents();  // the console active
    QCOMPARE(primeraLinea(i), QStringLiteral("Conectado..."));
    QCOMPARE(colorPrimeraLinea(i), QColor(0, 100, 0));
    c.panel().enchufarOtroDispositivo();  // not the panel: nothing logged
    c.panel().fallas.latenciaMs = 50;
    escribir(i, QStringLiteral("zz"));
    c.esperar(49);
    QCOMPARE(primeraLinea(i), QStringLiteral("zz"));  // the echo, before the answer comes
    c.esperar(1);
    QCOMPARE(primeraLinea(i), QStringLiteral("Comando no reconocido: zz"));
    QCOMPARE(colorPrimeraLinea(i), QColor(0, 0, 0));
    QCOMPARE(i.mRT()->toPlainText().count(QStringLiteral("Conectado")), 1);
    QVERIFY(i.mRT()->toPlainText().endsWith(QStringLiteral("Conectado...\n\n")));
    i.Command1()->click();
    QVERIFY(i.mRT()->toPlainText().isEmpty());

    // After Enter or "Enviar" the command stays, as the console completed it,
    // selected in the focused field, so the next one typed replaces it.
    c.cfg().globales.text[config::caja::kClave] = "4321";
    escribir(i, QStringLiteral("V!203"));
    QCOMPARE(c.cfg().versionPanel, std::string("203"));  // three digits
    QTest::keyClicks(i.Text1(), QStringLiteral("Hc"));
    QTest::mouseClick(i.Command2(), Qt::LeftButton);
    QCOMPARE(i.Text1()->text(), QStringLiteral("Hc4321"));  // the password stays in view
    QCOMPARE(i.Text1()->selectedText(), QStringLiteral("Hc4321"));
    QCOMPARE(QApplication::focusWidget(), i.Text1());

    const std::size_t enviados = c.enviados.size();
    for (const auto& [texto, senal] : {std::pair{"mi", &Info::mostrarMemoria},
                                       std::pair{"mh", &Info::mostrarHistorial},
                                       std::pair{"mH", &Info::actualizarHistorial}}) {
      QSignalSpy espia(&i, senal);
      escribir(i, QString::fromLatin1(texto));
      QCOMPARE(espia.count(), 1);
    }
    const QString largo(62, QLatin1Char('x'));
    escribir(i, largo);
    QCOMPARE(c.enviados.size(), enviados);  // nothing to the panel
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t(1));  // the console's box, once
    QCOMPARE(c.dialogos.mostrados[0].texto, QString::fromUtf8(link::textos::kComandoLargo));
    QCOMPARE(i.Text1()->text(), largo);  // left to be shortened
    QCOMPARE(primeraLinea(i), largo);

    // The date button sends the date of the computer's clock.
    Info conReloj(c.main->motor(), [] { return programming::FechaHora{2025, 12, 31, 9, 5, 7}; });
    link::BufferReporte fecha{};
    c.panel().alEscribir = [&](const link::BufferReporte& b, std::int64_t) { fecha = b; };
    QVERIFY(conReloj.Command4_Click());
    QCOMPARE(std::string(fecha.begin() + 1, fecha.begin() + 3), std::string("cF"));
    QCOMPARE(int(fecha[3]), 0x31);
    QCOMPARE(int(fecha[5]), 0x25);
  }

  // The view command shows the window, then asks through Info and fills it
  // once the transfer ends; Alt+H asks again and never hides. Then, on rows
  // put in the image: the failing ones (at most 16 boxes; panel 2 only for a
  // memory that announces too many rows), the grid widened once for the
  // scroll bar, the rows with the tables' names, the export (nothing before
  // the rows; an existing file replaced only when the user says so; a pipe
  // refused by name), a request the panel never answers (the rows stay, the
  // link's box is the only one), a read filling the image (nothing asked,
  // nothing decoded). Last, the close box closes it for good, Alt+H asks for
  // a new one before showing it, and "Esconder" hides it.
  void historico() {
    ConsolaComandos c;
    const Vista v = Vista::Historicos;
    auto estado = [&] {  // shown, menu item checked, button pressed
      return QStringLiteral("%1%2%3").arg(c.visible(v)).arg(c.main->menuMarcado(v)).arg(c.main->botonPulsado(v));
    };
    QStringList pasos;
    auto anotar = [&](std::function<void()>& gancho, const QString& nombre) {
      gancho = [&, nombre, real = gancho] {
        pasos << nombre + (c.visible(v) ? " visible" : " oculto");
        real();
      };
    };
    anotar(c.main->ganchos().refrescarHistorial, QStringLiteral("Refrescar"));
    anotar(c.main->ganchos().actualizarHistorial, QStringLiteral("mActualizar"));
    c.accion("tbVerHistoricos")->trigger();
    QCOMPARE(c.cuantos("lh"), 1);
    const Info& info = *qobject_cast<Info*>(c.main->contenido(Vista::Info));
    QVERIFY(info.mRT()->toPlainText().contains(QStringLiteral("lh")));
    auto& h = *qobject_cast<Historico*>(c.main->contenido(v));
    QCOMPARE(h.width(), h.anchoVentana());  // the sub-window's frame around it: every column shows
    QCOMPARE(h.cantidadRegistros(), 0);
    QVERIFY(c.main->teclaRapida(14));
    QCOMPARE(pasos, QStringList({"Refrescar visible", "mActualizar visible",  // the view command, then Alt+H
                                 "Refrescar visible", "mActualizar visible"}));
    QCOMPARE(estado(), QStringLiteral("111"));
    c.esperar(10000);
    QVERIFY(h.cantidadRegistros() > 0);
    h.mLimpiar()->click();
    QCOMPARE(h.modelo().rowCount(), 0);
    h.mExportar()->click();
    QCOMPARE(c.dialogos.mostrados.back().texto, QStringLiteral("No hay registros para exportar."));
    QVERIFY(c.dialogos.pedidos.empty());

    c.dialogos.mostrados.clear();
    ponerReferencia(c, 21);
    for (std::size_t n = 1; n <= 20; ++n) ponerRegistro(c, n, {0x25, 1, 1, 0, 0, 0, 10, std::uint8_t(6 + n), 0, 0});
    h.mActualizar();
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t(16));
    QCOMPARE(c.dialogos.mostrados[0], (MensajeMostrado{"Error en Historico.mActualizar: Fila 11 inexistente en la "
                                                       "tabla de entradas - Antes de los hex, línea 2",
                                                       "ORDA", Icono::Exclamacion, Botones::Aceptar}));
    QCOMPARE(h.modelo().rowCount(), 21);  // the failing rows are shown all the same
    for (int i = 0; i < 5; ++i) h.mActualizar();
    QCOMPARE(c.dialogos.mostrados.size(), std::size_t(16));
    QVERIFY(c.panel2() != QString::fromUtf8(history::kAvisoLimite));
    std::fill(c.main->imagenMemoria().begin(), c.main->imagenMemoria().end(), 0xFF);
    h.mActualizar();
    QCOMPARE(h.modelo().rowCount(), history::kMaxRegistros);  // erased: cut to what the panel holds
    QCOMPARE(c.panel2(), QString::fromUtf8(history::kAvisoLimite));

    h.Form_Load();
    QMdiSubWindow* s = c.main->subventana(v);
    const int marco = s->width() - h.width();
    ponerReferencia(c, 103);
    h.mActualizar();
    QCOMPARE(h.anchoTabla() - h.anchoBaseTabla(), aPixeles(260));
    QCOMPARE(s->width(), h.anchoVentana() + marco);
    ponerReferencia(c, 3);
    ponerRegistro(c, 1, {0x24, 0x01, 0x15, 0x10, 0x31, 0x05, 10, 1, 0, 0});
    ponerRegistro(c, 2, {0x24, 0x01, 0x16, 0x08, 0x01, 0x00, 10, 20, 0, 0});
    c.cfg().entradas.ponerTexto(4, 1, "PATIO, FONDO");  // input 2
    h.mActualizar();
    QCOMPARE(h.anchoTabla() - h.anchoBaseTabla(), aPixeles(260));  // stays wide
    QStringList fila;
    for (int col = 0; col < historico::kColumnas; ++col) fila << h.modelo().index(1, col).data().toString();
    QCOMPARE(fila,
             QStringList({"1", "15/01/24", "10:31:05", "Disparo por zona 2: PATIO, FONDO", "0A", "01", "00", "00"}));
    h.Form_Load();
    QCOMPARE(h.modelo().rowCount(), 0);
    h.mActualizar();
    QCOMPARE(h.anchoTabla(), h.anchoBaseTabla());  // three rows fit

    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("h.csv"));
    c.dialogos.archivos.push_back(ruta);
    h.mExportar()->click();
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray csv = f.readAll();
    QVERIFY(csv.startsWith("N\xC2\xBA,Fecha,Hora,Descripci\xC3\xB3n,"));  // the lines are the core's (csv_test)
    QCOMPARE(csv.count('\n'), 4);
    f.close();

    c.dialogos.mostrados.clear();
    ponerReferencia(c, 50);  // what a stale image would show
    c.panel().fallas.silencio = true;
    h.mSincro()->click();
    c.esperar(10000);
    QVERIFY(!h.esperandoHistorial());
    QCOMPARE(h.modelo().rowCount(), 3);
    const MensajeMostrado sinRespuesta{QString::fromUtf8(link::textos::kHistorialSinRespuesta), "OrDA",
                                       Icono::Exclamacion, Botones::Aceptar};
    QCOMPARE(c.dialogos.mostrados, std::vector<MensajeMostrado>{sinRespuesta});
    QVERIFY(c.main->motor().consola().leerProgramacion(c.ahora));
    QVERIFY(!h.Refrescar());
    h.mActualizar();
    QCOMPARE(h.modelo().rowCount(), 3);
    QCOMPARE(c.panel2(), QString::fromUtf8(link::textos::kOperacionEnCurso));
    c.esperar(10000);

    ponerReferencia(c, 1);
    h.mActualizar();
    c.dialogos.archivos.push_back(ruta);
    c.dialogos.respuestas.push_back(Respuesta::No);
    h.mExportar()->click();
    QCOMPARE(c.dialogos.mostrados.back().botones, Botones::SiNo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll().count('\n'), 4);
    const QString tubo = carpeta.filePath(QStringLiteral("tubo.csv"));
    QCOMPARE(::mkfifo(QFile::encodeName(tubo).constData(), 0600), 0);
    c.dialogos.archivos.push_back(tubo);
    c.dialogos.respuestas.push_back(Respuesta::Si);
    h.mExportar()->click();
    // Left alone is the core's (archivos_test); here, that the refusal is told.
    QVERIFY2(c.dialogos.mostrados.back().texto.contains(tubo), qPrintable(c.dialogos.mostrados.back().texto));

    QPointer<QMdiSubWindow> antes = s;
    s->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(antes.isNull());
    QCOMPARE(estado(), QStringLiteral("000"));
    pasos.clear();
    QVERIFY(c.main->teclaRapida(14));
    QCOMPARE(pasos, QStringList({"Refrescar oculto", "mActualizar oculto"}));
    QCOMPARE(estado(), QStringLiteral("111"));
    qobject_cast<Historico*>(c.main->contenido(v))->mEsconder()->click();
    QCOMPARE(estado(), QStringLiteral("000"));
  }
};

QTEST_MAIN(PruebaHistorico)
#include "historico_test.moc"
