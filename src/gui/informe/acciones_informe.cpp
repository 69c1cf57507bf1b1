#include "gui/informe/acciones_informe.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>

#include "gui/app/ventana_main.h"
#include "gui/acciones/confirmar_ediciones.h"
#include "gui/comun/dialogos.h"
#include "gui/comun/texto_qt.h"
#include "report/documento_informe.h"

namespace orda::gui {

namespace {

const QString kTitulo = QStringLiteral("OrDA");

}  // namespace

AccionesInforme::AccionesInforme(Main& m) : QObject(&m), m_(m) {
  setObjectName(QStringLiteral("AccionesInforme"));
  pedirOpciones = [this](const PedidoInforme& inicial) -> std::optional<PedidoInforme> {
    DialogoInforme d(inicial, &m_);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.pedido();
  };
  elegirImpresora = [this](QPrinter& impresora) {
    QPrintDialog d(&impresora, &m_);
    return d.exec() == QDialog::Accepted;
  };
}

void AccionesInforme::instalar() {
  auto* archivo = m_.menuBar()->findChild<QMenu*>(QStringLiteral("MenuArchivo"));
  if (archivo == nullptr) return;
  QAction* antes = m_.accion(QStringLiteral("MenuArchivoSeparator1"));
  auto agregar = [&](const char* nombre, const QString& texto, const QKeySequence& tecla, void (AccionesInforme::*f)()) {
    auto* a = new QAction(texto, archivo);
    a->setObjectName(QString::fromLatin1(nombre));
    a->setShortcut(tecla);
    archivo->insertAction(antes, a);
    connect(a, &QAction::triggered, this, f);
  };
  archivo->insertSeparator(antes)->setObjectName(QStringLiteral("menuArchivoSeparadorInforme"));
  agregar("menuArchivoInforme", QStringLiteral("Informe…"), QKeySequence(Qt::CTRL | Qt::Key_I), &AccionesInforme::informe);
  agregar("menuArchivoImprimir", QStringLiteral("Imprimir…"), QKeySequence(Qt::CTRL | Qt::Key_P), &AccionesInforme::imprimir);
}

report::Informe AccionesInforme::armar(const PedidoInforme& p) const {
  report::DatosInforme d;
  const QString archivo = m_.ganchos().nombreArchivo ? m_.ganchos().nombreArchivo() : QString();
  d.archivo = u8(QFileInfo(archivo).fileName());
  d.fechaHora = report::fechaHoraInforme(QDateTime::currentDateTime());
  d.instalador = u8(p.instalador);
  d.cliente = u8(p.cliente);
  return report::armarInforme(m_.configuracion(), p.opciones, d);
}

void AccionesInforme::informe() {
  if (!confirmarEdiciones(m_)) return;
  const auto p = pedirOpciones(ultimo_);
  if (!p) return;
  ultimo_ = *p;
  const QString archivo = m_.ganchos().nombreArchivo ? m_.ganchos().nombreArchivo() : QString();
  const QFileInfo dat(archivo);
  const QString nombre = archivo.isEmpty() ? QStringLiteral("informe.pdf") : dat.completeBaseName() + QStringLiteral(".pdf");
  const PedidoArchivo pedido{QStringLiteral("Informe"), dat.absolutePath(), nombre, QStringLiteral("*.pdf"),
                             QStringLiteral("pdf")};
  std::optional<QString> ruta;
  for (;;) {
    ruta = m_.dialogos().archivoParaGuardar(pedido);
    if (!ruta) return;
    if (!QFileInfo::exists(*ruta)) break;
    const Respuesta r = m_.dialogos().mensaje(QStringLiteral("El archivo ya existe. ¿Desea reemplazarlo? "),
                                              QStringLiteral("Sistema"), Icono::Exclamacion, Botones::SiNo);
    if (r == Respuesta::Si) break;
  }
  const QByteArray pdf = report::pdfInforme(armar(*p), report::tamanoPagina(QLocale()));
  if (const auto error = report::guardarPdf(*ruta, pdf)) {
    m_.dialogos().mensaje(q(*error), kTitulo, Icono::Critico);
    return;
  }
  m_.ponerMensaje(QStringLiteral("Informe guardado en %1").arg(QFileInfo(*ruta).fileName()));
}

void AccionesInforme::imprimir() {
  if (!confirmarEdiciones(m_)) return;
  const auto p = pedirOpciones(ultimo_);
  if (!p) return;
  ultimo_ = *p;
  QPrinter impresora(QPrinter::HighResolution);
  impresora.setPageSize(report::tamanoPagina(QLocale()));
  impresora.setDocName(QString::fromUtf8(report::kTituloInforme));
  if (!elegirImpresora(impresora)) return;
  if (!report::pintarInforme(armar(*p), impresora)) {
    m_.dialogos().mensaje(QStringLiteral("No se pudo imprimir el informe."), kTitulo, Icono::Critico);
    return;
  }
  m_.ponerMensaje(QStringLiteral("Informe enviado a la impresora"));
}

}  // namespace orda::gui
