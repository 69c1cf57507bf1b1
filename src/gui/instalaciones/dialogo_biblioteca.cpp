#include "gui/instalaciones/dialogo_biblioteca.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QVBoxLayout>

#include "gui/comun/dialogos.h"
#include "gui/comun/texto_qt.h"

namespace orda::gui {

namespace {
const QString kTitulo = QStringLiteral("Biblioteca de instalaciones");
}

std::optional<std::string> direccionGuardada(QSettings& ajustes) {
  const QString v = ajustes.value(QString::fromLatin1(kClaveBiblioteca)).toString();
  if (v.isEmpty()) return std::nullopt;
  return v.toStdString();
}

void guardarDireccion(QSettings& ajustes, const std::optional<sites::Destino>& destino) {
  // descripcion() is the address without its password.
  if (destino) {
    ajustes.setValue(QString::fromLatin1(kClaveBiblioteca), q(destino->descripcion()));
  } else {
    ajustes.remove(QString::fromLatin1(kClaveBiblioteca));
  }
  ajustes.sync();
}

DialogoBiblioteca::DialogoBiblioteca(const sites::Destino& actual, Dialogos& dialogos, QWidget* padre)
    : QDialog(padre), dialogos_(dialogos) {
  setWindowTitle(kTitulo);
  auto* todo = new QVBoxLayout(this);
  const QString omision = q(sites::destinoPorOmision().ruta);
  const QStringList textos = {QStringLiteral("El archivo de esta computadora (%1)").arg(omision),
                              QStringLiteral("Otro archivo SQLite"), QStringLiteral("Un servidor PostgreSQL")};
  for (std::size_t i = 0; i < opciones_.size(); ++i) opciones_[i] = new QRadioButton(textos[static_cast<int>(i)], this);

  archivo_ = new QLineEdit(this);
  auto* examinar = new QPushButton(QStringLiteral("Examinar…"), this);
  connect(examinar, &QPushButton::clicked, this, [this] {
    const QFileInfo f(archivo_->text());
    const std::optional<QString> ruta = dialogos_.archivoParaGuardar(
        {kTitulo, f.absolutePath(), f.fileName(), QStringLiteral("*.sqlite"), QStringLiteral("sqlite")});
    if (ruta) archivo_->setText(*ruta);
  });
  auto* filaArchivo = new QHBoxLayout;
  filaArchivo->addWidget(archivo_);
  filaArchivo->addWidget(examinar);

  url_ = new QLineEdit(this);
  url_->setPlaceholderText(QStringLiteral("postgresql://USUARIO@SERVIDOR[:PUERTO]/BASE"));
  clave_ = new QLineEdit(this);
  clave_->setEchoMode(QLineEdit::Password);
  clave_->setPlaceholderText(QStringLiteral("vacía: la de ~/.pgpass"));

  todo->addWidget(opciones_[0]);
  todo->addWidget(opciones_[1]);
  todo->addLayout(filaArchivo);
  todo->addWidget(opciones_[2]);
  auto* servidor = new QFormLayout;
  servidor->addRow(QStringLiteral("Dirección"), url_);
  servidor->addRow(QStringLiteral("Clave (sólo esta sesión)"), clave_);
  todo->addLayout(servidor);
  auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  botones->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
  botones->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
  connect(botones, &QDialogButtonBox::accepted, this, &DialogoBiblioteca::accept);
  connect(botones, &QDialogButtonBox::rejected, this, &DialogoBiblioteca::reject);
  todo->addWidget(botones);

  if (actual.motor == sites::Motor::Postgres) {
    opciones_[2]->setChecked(true);
    url_->setText(q(actual.descripcion()));
  } else if (actual.ruta == sites::destinoPorOmision().ruta) {
    opciones_[0]->setChecked(true);
  } else {
    opciones_[1]->setChecked(true);
    archivo_->setText(q(actual.ruta));
  }
}

void DialogoBiblioteca::accept() {
  std::optional<sites::Destino> d;
  if (opciones_[1]->isChecked() || opciones_[2]->isChecked()) {
    const bool servidor = opciones_[2]->isChecked();
    const QString texto = servidor ? url_->text().trimmed() : QStringLiteral("sqlite:") + archivo_->text().trimmed();
    sites::DestinoLeido leido = sites::leerDestino(texto.toStdString());
    if (servidor && !texto.startsWith(QStringLiteral("postgres"))) {
      leido = {std::nullopt, "Dirección de biblioteca inválida: use postgresql://USUARIO@HOST[:PUERTO]/NOMBRE"};
    }
    if (!leido.destino) {
      dialogos_.mensaje(q(leido.error), kTitulo, Icono::Exclamacion);
      return;
    }
    d = std::move(leido.destino);
    if (servidor && !clave_->text().isEmpty()) d->clave = clave_->text().toStdString();
  }
  emit elegida(d);
  QDialog::accept();
}

}  // namespace orda::gui
