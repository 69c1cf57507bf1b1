// The global options and the special functions windows.
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "config/banco.h"
#include "core/config/tablas.h"
#include "gui/config/ventana_especiales.h"
#include "gui/config/ventana_globales.h"

using namespace orda;
using namespace orda::gui;
namespace caja = config::caja;

namespace {

// Leaves the box with a click elsewhere and lets its check run.
void salir(Banco& b) {
  QTest::mouseClick(b.otro, Qt::LeftButton);
  QCoreApplication::processEvents();
}

void reemplazar(QLineEdit* caja, const QString& texto) {
  caja->setFocus(Qt::MouseFocusReason);
  caja->selectAll();
  QTest::keyClick(caja, Qt::Key_Backspace);
  teclear(caja, texto);
}

// On the indicator: a button is only hit on its indicator and caption.
void clicEnBoton(QAbstractButton* boton) {
  QTest::mouseClick(boton, Qt::LeftButton, {}, QPoint(8, boton->height() / 2));
}

}  // namespace

class PruebaFormularios : public QObject {
  Q_OBJECT

 private slots:
  void revisarAlPerderElFoco_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("escrito");
    QTest::addColumn<QString>("queda");
    QTest::addColumn<QString>("aviso");
    const QString ok;
    // The values are the core's (validacion_test); one box of each kind here.
    QTest::newRow("hora 12:5") << caja::kHoraLlamada << "12:5" << "12:5" << config::kAvisoHora;
    QTest::newRow("256 seg") << caja::kDuracionLlamada << "256" << "256" << config::kAvisoDuracionLlamada;
    QTest::newRow("duracion con letras") << caja::kDuracionLlamada << "012seg" << "12" << ok;
    QTest::newRow("1093 min del STR") << caja::kDuracionStr << "01093" << "1093" << config::kAvisoMinutos;
    QTest::newRow("clave de 3") << caja::kClave << "abc" << "abc" << ok;
  }
  void revisarAlPerderElFoco() {
    QFETCH(int, n);
    QFETCH(QString, escrito);
    QFETCH(QString, queda);
    QFETCH(QString, aviso);
    Banco b;
    Globales* v = b.mostrar(new Globales(b.config, b.dialogos), {600, 900});
    reemplazar(v->texto(n), escrito);
    salir(b);
    QCOMPARE(v->texto(n)->text(), queda);
    QCOMPARE(QString::fromStdString(b.config.globales.text[static_cast<std::size_t>(n)]), queda);
    if (aviso.isEmpty()) {
      QVERIFY(b.dialogos.mostrados.empty());
      QVERIFY(b.otro->hasFocus());
      return;
    }
    QCOMPARE(b.dialogos.mostrados.size(), std::size_t{1});
    QCOMPARE(b.ultimoAviso(), aviso);
    QCOMPARE(b.dialogos.mostrados[0].titulo, QString("Sistema"));
    QCOMPARE(b.dialogos.mostrados[0].icono, Icono::Exclamacion);
    QVERIFY(v->texto(n)->hasFocus());
    QCOMPARE(v->texto(n)->selectedText(), queda);
  }

  // Two wrong boxes in a row: the first takes the focus back, the second is
  // not checked on the way and no warning follows another.
  void dosCajasMalasNoSeDisputanElFoco() {
    Banco b;
    Globales* v = b.mostrar(new Globales(b.config, b.dialogos), {600, 900});
    v->texto(caja::kDuracionLlamada)->setText("999");
    reemplazar(v->texto(caja::kHoraLlamada), "99:99");
    QTest::mouseClick(v->texto(caja::kDuracionLlamada), Qt::LeftButton);
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    QCOMPARE(b.dialogos.mostrados.size(), std::size_t{1});
    QCOMPARE(b.ultimoAviso(), QString(config::kAvisoHora));
    QVERIFY(v->texto(caja::kHoraLlamada)->hasFocus());
  }

  // A message box or a popup taking the focus checks nothing.
  void focoTomadoPorUnaCajaNoRevisa() {
    Banco b;
    Globales* v = b.mostrar(new Globales(b.config, b.dialogos), {600, 900});
    v->texto(caja::kClave)->setFocus(Qt::MouseFocusReason);
    for (Qt::FocusReason m : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
      QFocusEvent salida(QEvent::FocusOut, m);
      QApplication::sendEvent(v->texto(caja::kClave), &salida);
    }
    QCoreApplication::processEvents();
    QVERIFY(b.dialogos.mostrados.empty());
  }

  // Kept numeric while typed, and copied to the phone list.
  void numeroDeSaldoNumericoYEnElTree() {
    Banco b;
    Globales* v = b.mostrar(new Globales(b.config, b.dialogos), {600, 900});
    reemplazar(v->texto(caja::kNumeroSaldo), "012ab");
    QCOMPARE(v->texto(caja::kNumeroSaldo)->text(), QString("12"));
    QCOMPARE(QString::fromStdString(b.config.tree.texto(config::colTree::kFilaSaldo, config::colTree::kTelefono)), "12");
    QCOMPARE(QString::fromStdString(b.config.globales.text[caja::kNumeroSaldo]), QString("12"));
  }

  void mensajeSmsConContador() {
    Banco b;
    Globales* v = b.mostrar(new Globales(b.config, b.dialogos), {600, 900});
    reemplazar(v->texto(caja::kMensajeSms), QString(35, 'a'));
    QCOMPARE(v->texto(caja::kMensajeSms)->text().size(), 31);
    QCOMPARE(b.ultimoEstado(), QString("Caracteres restantes: 0"));
    QTest::keyClick(v->texto(caja::kMensajeSms), Qt::Key_Backspace);
    QCOMPARE(b.ultimoEstado(), QString("Caracteres restantes: 1"));
  }

  void opcionesAlClic() {
    Banco b;
    Globales* v = b.mostrar(new Globales(b.config, b.dialogos), {600, 900});
    clicEnBoton(v->opcion(config::opcion::kArmadoAlResetear));
    QCOMPARE(b.ultimoEstado(), QString("OpcionesGlobales 5"));
    QVERIFY(b.config.globales.opcionActiva(config::opcion::kArmadoAlResetear));
    clicEnBoton(v->opcion(30));  // notify entry 4 of arming
    QCOMPARE(b.ultimoEstado(), QString("OpcionesGlobales 30"));
    QVERIFY(b.config.globales.opcionActiva(30));
    clicEnBoton(v->opcion(config::opcion::kNoPermitirDesarmar));
    QVERIFY(!b.config.globales.opcionActiva(config::opcion::kNoPermitirDesarmar));
    QVERIFY(v->opcion(config::opcion::kCoAdministrador)->isHidden());
  }

  void recargarMuestraLosDatos() {
    Banco b;
    Globales* v = b.mostrar(new Globales(b.config, b.dialogos), {600, 900});
    for (int i = 0; i < config::opcion::kCantidad; ++i) QCOMPARE(v->opcion(i)->isChecked(), i == 3 || i == 4);
    b.config.globales.opciones.fill(1);
    b.config.globales.text[caja::kClave] = "secreta";
    b.config.globales.text[caja::kMensajeSms] = std::string(40, 'X');  // longer than the box allows
    int cambios = 0;
    connect(v, &Globales::cambiado, [&] { ++cambios; });
    v->recargar();
    QCOMPARE(cambios, 0);
    for (int i = 0; i < config::opcion::kCantidad; ++i) QVERIFY(v->opcion(i)->isChecked());
    QCOMPARE(v->texto(caja::kClave)->text(), QString("secreta"));
    QCOMPARE(v->texto(caja::kMensajeSms)->text().size(), 40);  // shown whole, not cut
  }

  void especialesUnaEleccionPorGrupo() {
    Banco b;
    Especiales* v = b.mostrar(new Especiales(b.config.especiales));
    for (const auto& g : config::kGruposEspeciales) QVERIFY(v->opcion(g.primero)->isChecked());
    QVERIFY(v->opcion(config::kOpcionOculta)->isHidden());
    clicEnBoton(v->opcion(9));
    QVERIFY(b.config.especiales.option1[9]);
    QVERIFY(!b.config.especiales.option1[7]);
    QVERIFY(!v->opcion(7)->isChecked());
    QVERIFY(b.config.especiales.option1[0]);  // other groups keep theirs
    QCOMPARE(b.config.especiales.seleccion(2), 9);
    clicEnBoton(v->opcion(8));
    QCOMPARE(b.config.especiales.seleccion(2), 8);
    QVERIFY(!v->opcion(9)->isChecked());

    b.config.especiales.seleccionar(13);
    b.config.especiales.seleccionar(2);
    v->recargar();
    QVERIFY(v->opcion(13)->isChecked());
    QVERIFY(!v->opcion(12)->isChecked());
    QVERIFY(v->opcion(2)->isChecked());
    QVERIFY(v->opcion(8)->isChecked());
  }
};

QTEST_MAIN(PruebaFormularios)
#include "formularios_test.moc"
