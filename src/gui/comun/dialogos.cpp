#include "gui/comun/dialogos.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace orda::gui {

namespace {

QMessageBox::Icon iconoQt(Icono i) {
  switch (i) {
    case Icono::Critico: return QMessageBox::Critical;
    case Icono::Pregunta: return QMessageBox::Question;
    case Icono::Exclamacion: return QMessageBox::Warning;
    case Icono::Informacion: return QMessageBox::Information;
    case Icono::Ninguno: break;
  }
  return QMessageBox::NoIcon;
}

QString ruta(const PedidoArchivo& p) {
  return p.nombre.isEmpty() ? p.carpeta : QDir(p.carpeta).filePath(p.nombre);
}

}  // namespace

Respuesta DialogosQt::mensaje(const QString& texto, const QString& titulo, Icono icono, Botones botones) {
  QMessageBox caja(iconoQt(icono), titulo, texto, QMessageBox::NoButton, padre_);
  QPushButton* si = nullptr;
  QPushButton* no = nullptr;
  QPushButton* cancelar = nullptr;
  if (botones == Botones::Aceptar) {
    caja.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
  } else {
    si = caja.addButton(QStringLiteral("Sí"), QMessageBox::YesRole);
    no = caja.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    if (botones == Botones::SiNoCancelar) cancelar = caja.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    caja.setDefaultButton(si);
    caja.setEscapeButton(cancelar != nullptr ? cancelar : no);
  }
  caja.exec();
  const QAbstractButton* elegido = caja.clickedButton();
  if (botones == Botones::Aceptar) return Respuesta::Aceptar;
  if (elegido == si) return Respuesta::Si;
  if (elegido == no) return Respuesta::No;
  return cancelar != nullptr ? Respuesta::Cancelar : Respuesta::No;
}

std::optional<QString> DialogosQt::archivoParaGuardar(const PedidoArchivo& p) {
  QFileDialog d(padre_, p.titulo, ruta(p), p.filtro);
  d.setAcceptMode(QFileDialog::AcceptSave);
  d.setDefaultSuffix(p.extension);
  // The console asks its own replace question, as it always did.
  d.setOption(QFileDialog::DontConfirmOverwrite);
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
  return d.selectedFiles().constFirst();
}

std::optional<QString> DialogosQt::archivoParaAbrir(const PedidoArchivo& p) {
  QFileDialog d(padre_, p.titulo, ruta(p), p.filtro);
  d.setAcceptMode(QFileDialog::AcceptOpen);
  d.setDefaultSuffix(p.extension);
  d.setFileMode(QFileDialog::AnyFile);  // a missing file brings the dialog back, not a refusal here
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
  return d.selectedFiles().constFirst();
}

}  // namespace orda::gui
