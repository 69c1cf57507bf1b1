#include "gui/monitoring/info.h"

#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

#include "motor/motor_enlace.h"
#include "gui/comun/texto_qt.h"
#include "gui/comun/twips.h"
#include "core/monitoring/comandos.h"

namespace orda::gui {

namespace {

programming::FechaHora relojDelSistema() {
  const QDateTime t = QDateTime::currentDateTime();
  return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), t.time().second()};
}

QFont letraRegistro() {
  QFont f;
  f.setFamilies({QStringLiteral("OCR A"), QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")});
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setPointSize(9);
  return f;
}

}  // namespace

Info::Info(motor::MotorEnlace& motor, RelojCivil relojCivil, QWidget* padre)
    : QWidget(padre), motor_(motor), relojCivil_(relojCivil ? std::move(relojCivil) : RelojCivil(relojDelSistema)) {
  setObjectName(QStringLiteral("Info"));
  setWindowTitle(QStringLiteral("Info"));

  mRT_ = new QTextEdit(this);
  mRT_->setObjectName(QStringLiteral("mRT"));
  mRT_->setReadOnly(true);
  mRT_->setAcceptRichText(true);
  mRT_->setFont(letraRegistro());

  command2_ = new QPushButton(QStringLiteral("Enviar"), this);
  command2_->setObjectName(QStringLiteral("Command2"));
  text1_ = new QLineEdit(this);
  text1_->setObjectName(QStringLiteral("Text1"));
  command1_ = new QPushButton(QStringLiteral("Limpiar"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  setTabOrder(text1_, command2_);
  setTabOrder(command2_, command1_);

  connect(command2_, &QPushButton::clicked, this, &Info::Command2_Click);
  connect(text1_, &QLineEdit::returnPressed, this, &Info::Command2_Click);
  connect(command1_, &QPushButton::clicked, this, &Info::Command1_Click);

  resize(aPixeles(6000), aPixeles(3000));
  disponer();
}

QRect Info::geometriaEn(QSize areaInterior) {
  const int ancho = areaInterior.width() / 3;
  const int alto = areaInterior.height() / 3;
  return {areaInterior.width() - ancho, areaInterior.height() - alto, ancho, alto};
}

void Info::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  disponer();
}

// The log in the top 90 %; below it "Enviar" 40 twips from the left, the
// field 100 twips after it up to 100 twips before "Limpiar", which keeps the
// same 40 twips from the right edge; all centred in the strip. A window too
// low for the strip gives the log less rather than cut the buttons.
void Info::disponer() {
  const int alto = height();
  const int altoBoton = std::max(command2_->sizeHint().height(), text1_->sizeHint().height());
  const int franja = std::max(alto - static_cast<int>(std::lround(alto * 0.9)), altoBoton + 2);
  const int arribaFranja = std::max(0, alto - franja);
  mRT_->setGeometry(0, 0, width(), arribaFranja);

  const int y = arribaFranja + (franja - altoBoton) / 2;
  const int margen = aPixeles(40);
  const int anchoEnviar = command2_->sizeHint().width();
  const int anchoLimpiar = command1_->sizeHint().width();
  command2_->setGeometry(margen, y, anchoEnviar, altoBoton);
  const int xLimpiar = std::max(0, width() - margen - anchoLimpiar);
  command1_->setGeometry(xLimpiar, y, anchoLimpiar, altoBoton);
  const int xCampo = margen + anchoEnviar + aPixeles(100);
  text1_->setGeometry(xCampo, y, std::max(0, xLimpiar - aPixeles(100) - xCampo), altoBoton);
}

void Info::agregarAlRegistro(const std::string& texto, link::Color color) {
  QString t = q(texto);
  t.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QTextCursor c(mRT_->document());
  c.movePosition(QTextCursor::Start);
  QTextCharFormat f;
  f.setForeground(QColor(color.r, color.g, color.b));
  c.insertText(t, f);
}

// What the console refuses it does not echo; the typed text still goes to the
// log, as every command does.
void Info::eco(const QString& texto) { agregarAlRegistro(u8(texto) + "\r", link::kNegro); }

void Info::Command2_Click() {
  const QString texto = text1_->text();
  const sequences::ResultadoComando r =
      motor_.consola().enviarComando(u8(texto), relojCivil_(), motor_.ahoraMs());
  // The command stays in view, selected: what is typed next replaces it.
  text1_->setText(q(r.textoCampo));
  text1_->selectAll();
  text1_->setFocus();
  switch (r.estado) {
    case sequences::EstadoComando::Enviado: break;
    case sequences::EstadoComando::Rechazado: eco(texto); break;
    case sequences::EstadoComando::Local:
      switch (monitoring::interpretarComando(u8(texto), {}).local) {
        case link::ComandoLocal::MostrarMemoria: emit mostrarMemoria(); break;
        case link::ComandoLocal::MostrarHistorial: emit mostrarHistorial(); break;
        case link::ComandoLocal::ActualizarHistorial: emit actualizarHistorial(); break;
      }
      break;
  }
}

void Info::Command1_Click() { mRT_->clear(); }

bool Info::Command3_Click() {
  const bool ok = motor_.consola().enviarHora(relojCivil_(), motor_.ahoraMs());
  return ok;
}

bool Info::Command4_Click() {
  const bool ok = motor_.consola().enviarFecha(relojCivil_(), motor_.ahoraMs());
  return ok;
}

bool Info::pedirHistorial() {
  text1_->setText(QStringLiteral("lh"));
  const bool ok = motor_.consola().refrescarHistorial(motor_.ahoraMs());
  if (!ok) eco(text1_->text());
  return ok;
}

bool Info::ocupado() const { return motor_.consola().ocupado(); }

}  // namespace orda::gui
