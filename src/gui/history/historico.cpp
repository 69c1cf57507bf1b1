#include "gui/history/historico.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <span>

#include "gui/comun/dialogos.h"
#include "gui/comun/texto_qt.h"
#include "gui/comun/twips.h"
#include "gui/history/columnas_historico.h"
#include "core/history/csv.h"
#include "gui/history/encabezado_historico.h"
#include "core/history/filas.h"
#include "gui/history/modelo_historico.h"
#include "core/link/textos.h"
#include "gui/monitoring/info.h"

namespace orda::gui {

namespace {

constexpr int kMaxErroresMostrados = 16;
// A record fails while its code bytes are read or described, before its
// date and time are.
constexpr const char* kEtapaCodigos = "Antes de los hex";

QString textoError(const history::FilaHistorial& f) {
  return QStringLiteral("Error en Historico.mActualizar: ") + q(f.error) + QStringLiteral(" - ") +
         QLatin1String(kEtapaCodigos) + QStringLiteral(", línea ") + QString::number(f.indice);
}

QPushButton* boton(const QString& texto, const char* nombre, QWidget* padre) {
  auto* b = new QPushButton(texto, padre);
  b->setObjectName(QLatin1String(nombre));
  return b;
}

// The row of buttons below the grid.
int altoFranja(const QPushButton* b) { return b->sizeHint().height() + 2 * aPixeles(90); }

}  // namespace

Historico::Historico(const imagen::ImagenMemoria& imagenMemoria, const config::Configuracion& cfg,
                     Dialogos& dialogos, QWidget* padre)
    : QWidget(padre), imagenMemoria_(imagenMemoria), cfg_(cfg), dialogos_(dialogos) {
  setObjectName(QStringLiteral("Historico"));
  setWindowTitle(QStringLiteral("Histórico"));
  QFont tahoma(QStringLiteral("Tahoma"), 8);
  tahoma.setStyleHint(QFont::SansSerif);
  setFont(tahoma);

  altoFila_ = aPixeles(historico::kAltoFilaTwips);
  modelo_ = new ModeloHistorico(this);
  tabla_ = new QTableView(this);
  tabla_->setObjectName(QStringLiteral("TablaHistorico"));
  encabezado_ = new EncabezadoHistorico(altoFila_, tabla_);
  tabla_->setHorizontalHeader(encabezado_);
  tabla_->setModel(modelo_);
  tabla_->setFrameShape(QFrame::NoFrame);
  tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
  tabla_->setWordWrap(false);
  tabla_->setCornerButtonEnabled(false);
  tabla_->verticalHeader()->hide();
  tabla_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  tabla_->verticalHeader()->setMinimumSectionSize(1);
  tabla_->verticalHeader()->setDefaultSectionSize(altoFila_);
  // Below the last row the grid shows its darker grey.
  QPalette p = tabla_->palette();
  p.setColor(QPalette::Base, EncabezadoHistorico::kFondoVacio);
  tabla_->setPalette(p);

  mSincro_ = boton(QStringLiteral("Sincronizar"), "mSincro", this);
  mLimpiar_ = boton(QStringLiteral("Limpiar "), "mLimpiar", this);
  mExportar_ = boton(QStringLiteral("Exportar..."), "mExportar", this);
  mEsconder_ = boton(QStringLiteral("Esconder"), "mEsconder", this);
  connect(mSincro_, &QPushButton::clicked, this, &Historico::mSincro_Click);
  connect(mLimpiar_, &QPushButton::clicked, this, &Historico::mLimpiar_Click);
  connect(mExportar_, &QPushButton::clicked, this, &Historico::mExportar_Click);
  connect(mEsconder_, &QPushButton::clicked, this, &Historico::mEsconder_Click);

  Form_Load();
}

Historico::~Historico() = default;

void Historico::ponerInfo(Info* info) { info_ = info; }

QSize Historico::sizeHint() const {
  return {anchoVentana_, altoFila_ * (2 + historico::kFilasVisiblesAlCargar) + altoFranja(mSincro_)};
}

void Historico::Form_Load() {
  modelo_->limpiar();
  cantidadRegistros_ = 0;
  int suma = 0;
  for (int c = 0; c < historico::kColumnas; ++c) {
    // Each section holds its column and the grid line at its right.
    const int ancho = aPixeles(historico::anchoColumnaTwips(c)) + 1;
    encabezado_->resizeSection(c, ancho);
    suma += ancho;
  }
  anchoBaseTabla_ = anchoTabla_ = suma + aPixeles(historico::kHolguraTablaTwips);
  anchoBaseVentana_ = anchoVentana_ = anchoBaseTabla_;
  if (parentWidget() == nullptr) resize(sizeHint());
  ajustarVentana();
}

void Historico::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  disponer();
}

// The grid from the top-left corner down to the row of buttons; "Esconder"
// keeps from the right edge the margin "Sincronizar" keeps from the left.
void Historico::disponer() {
  const int franja = altoFranja(mSincro_);
  tabla_->setGeometry(0, 0, anchoTabla_, std::max(0, height() - franja));
  const int margen = aPixeles(120);
  const int y = height() - franja + aPixeles(90);
  int x = margen;
  for (QPushButton* b : {mSincro_, mLimpiar_, mExportar_}) {
    const QSize t = b->sizeHint();
    b->setGeometry(x, y, t.width(), t.height());
    x += t.width() + aPixeles(60);
  }
  const QSize t = mEsconder_->sizeHint();
  mEsconder_->setGeometry(std::max(x, width() - margen - t.width()), y, t.width(), t.height());
}

// The window just fits the grid: its sub-window, when it has one, keeps its
// frame around the new width.
void Historico::ajustarVentana() {
  if (auto* s = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    s->resize(s->width() - width() + anchoVentana_, s->height());
  } else if (parentWidget() == nullptr) {
    resize(anchoVentana_, height());
  }
  disponer();
}

bool Historico::Refrescar() {
  if (info_ == nullptr || !info_->pedirHistorial()) return false;
  esperando_ = true;
  return true;
}

void Historico::secuenciaTerminada(const link::ResultadoSecuencia& r) {
  if (r.tipo != link::TipoSecuencia::Historial || !esperando_) return;
  esperando_ = false;
  // No answer or a transfer cut short: the link has told the user, the rows stay.
  if (r.fin != link::FinSecuencia::Completa) return;
  // After the link's handler has returned: the error boxes wait for the user.
  QMetaObject::invokeMethod(this, &Historico::decodificar, Qt::QueuedConnection);
}

void Historico::mActualizar() {
  if (esperando_) return;
  if (info_ != nullptr && info_->ocupado()) {
    // A transfer or a programming run is filling the image.
    emit mensajeEstado(QString::fromUtf8(link::textos::kOperacionEnCurso));
    return;
  }
  decodificar();
}

void Historico::decodificar() {
  const std::span<const std::uint8_t> memoria(imagenMemoria_.data(), history::kTamanoHistorial);
  history::Historial h = history::filasHistorial(memoria, cfg_.entradas, cfg_.tree);
  cantidadRegistros_ = h.cantidad.cantidad;
  // Rows that no longer fit bring the vertical scroll bar: room for it, once.
  if (tabla_->height() <= (cantidadRegistros_ + 2) * altoFila_) {
    const int ensanche = std::max(aPixeles(historico::kEnsancheTwips),
                                  tabla_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tabla_));
    anchoTabla_ = anchoBaseTabla_ + ensanche;
    anchoVentana_ = anchoBaseVentana_ + ensanche;
    ajustarVentana();
  }
  modelo_->ponerFilas(std::move(h.filas));
  if (h.cantidad.limitada) emit mensajeEstado(QString::fromUtf8(history::kAvisoLimite));
  for (const history::FilaHistorial& f : modelo_->filas()) {
    if (f.ok()) continue;
    if (erroresMostrados_ >= kMaxErroresMostrados) break;
    ++erroresMostrados_;
    dialogos_.mensaje(textoError(f), QStringLiteral("ORDA"), Icono::Exclamacion);
  }
}

void Historico::mEsconder_Click() {
  if (auto* s = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    s->hide();
  } else {
    hide();
  }
  emit escondida();
}

void Historico::mSincro_Click() {
  Refrescar();
  mActualizar();
}

void Historico::mLimpiar_Click() {
  modelo_->limpiar();
  cantidadRegistros_ = 0;
}

void Historico::mExportar_Click() {
  const QString titulo = QStringLiteral("OrDA");
  if (modelo_->filas().empty()) {
    dialogos_.mensaje(QStringLiteral("No hay registros para exportar."), titulo, Icono::Informacion);
    return;
  }
  QString carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (carpeta.isEmpty()) carpeta = QDir::homePath();
  const PedidoArchivo p{QStringLiteral("Exportar registros históricos"), carpeta, QStringLiteral("historico.csv"),
                        QStringLiteral("*.csv"), QStringLiteral("csv")};
  const std::optional<QString> ruta = dialogos_.archivoParaGuardar(p);
  if (!ruta) return;
  if (QFileInfo::exists(*ruta) &&
      dialogos_.mensaje(QStringLiteral("El archivo %1 ya existe. ¿Desea reemplazarlo?").arg(*ruta), titulo,
                        Icono::Pregunta, Botones::SiNo) != Respuesta::Si) {
    return;
  }
  if (escribirCsv(*ruta)) emit mensajeEstado(QStringLiteral("Registros exportados a %1").arg(*ruta));
}

// Written whole or not at all: a failed export leaves an older file as it was.
bool Historico::escribirCsv(const QString& ruta) {
  const std::string csv = history::historialCsv(modelo_->filas());
  QSaveFile f(ruta);
  const bool ok = f.open(QIODevice::WriteOnly) &&
                  f.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size()) &&
                  f.commit();
  if (!ok) {
    dialogos_.mensaje(QStringLiteral("No se pudo guardar %1: %2").arg(ruta, f.errorString()), QStringLiteral("OrDA"),
                      Icono::Critico);
  }
  return ok;
}

}  // namespace orda::gui
