#include "gui/config/ventana_globales.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "gui/comun/desplazable.h"
#include "gui/comun/dialogos.h"
#include "gui/comun/texto_qt.h"
#include "gui/comun/twips.h"
#include "core/config/globales.h"

namespace orda::gui {

namespace {

using namespace config::opcion;
using namespace config::caja;

const char* const kTitulosOpciones[kCantidad] = {
    "CoAdministrador", "Llamada diaria", "SMS diario", "No permitir desarmar el sistema", "Rearmado automático",
    "Sistema armado cuando resetea", "Permitir 'Serv. Téc. Remoto'",
};
constexpr const char* kTituloUsoClave = "Habilitar uso de clave";

// What each group box holds, in the order the window builds them.
struct Fila {
  enum Tipo { Opcion, Numerada, Texto } tipo;
  int indice;          // option index, first numbered option, or text box
  int cuantas = 0;     // numbered rows only
  const char* titulo = "";
};

struct Grupo {
  const char* titulo;
  std::vector<Fila> filas;
};

const std::vector<Grupo>& grupos() {
  static const std::vector<Grupo> g = {
      {"Forma de armar el sistema",
       {{Fila::Opcion, kNoPermitirDesarmar}, {Fila::Opcion, kRearmadoAutomatico}, {Fila::Opcion, kArmadoAlResetear},
        {Fila::Numerada, kAvisoArmadoA, 8, "Notificación por armada/desarmado:"}}},
      {"Miscelánea",
       {{Fila::Opcion, kServTecRemoto},
        {Fila::Numerada, kGrupoHabilitado, 4, "Habilitación global de grupo:"},
        {Fila::Texto, kDuracionDisparo}, {Fila::Texto, kDuracionStr}, {Fila::Texto, kNumeroSaldo},
        {Fila::Texto, kTextoSaldo}}},
      {"Notificación por llamada",
       {{Fila::Opcion, kLlamadaDiaria}, {Fila::Texto, kHoraLlamada}, {Fila::Texto, kDuracionLlamada},
        {Fila::Numerada, kLlamadaDiariaA, 8, "Notificar al número de teléfono:"}}},
      {"Notificación por SMS",
       {{Fila::Opcion, kSmsDiario}, {Fila::Texto, kHoraSms}, {Fila::Texto, kMensajeSms},
        {Fila::Numerada, kSmsDiarioA, 8, "Notificar al número de teléfono:"}}},
      {"Uso de clave para SMS", {{Fila::Opcion, kUsoClave}, {Fila::Texto, kClave}}},
  };
  return g;
}

// Characters a box shows at once: its maximum length, within reason.
int caracteresVisibles(int n) {
  switch (n) {
    case kHoraLlamada:
    case kHoraSms: return 6;
    case kDuracionLlamada: return 5;
    case kMensajeSms: return 24;
    default: return std::clamp(config::largoMaximoTexto(n), 6, 12);
  }
}

bool esMotivoReal(Qt::FocusReason m) {
  return m == Qt::MouseFocusReason || m == Qt::TabFocusReason || m == Qt::BacktabFocusReason ||
         m == Qt::OtherFocusReason;
}

// A text longer than the box's maximum (an old file) is shown whole, never cut.
void ponerTexto(QLineEdit* caja, int n, const QString& t) {
  const int maximo = config::largoMaximoTexto(n);
  caja->setMaxLength(maximo > 0 ? std::max(maximo, static_cast<int>(t.size())) : 32767);
  caja->setText(t);
}

}  // namespace

Globales::Globales(config::Configuracion& configuracion, Dialogos& dialogos, QWidget* padre)
    : QWidget(padre), config_(configuracion), dialogos_(dialogos) {
  setWindowTitle(QStringLiteral("Configuraciones globales"));
  setObjectName(QStringLiteral("Globales"));
  QFont tahoma(QStringLiteral("tahoma"), 8);
  tahoma.setStyleHint(QFont::SansSerif);
  setFont(tahoma);

  auto* contenido = new QWidget;
  auto* columna = new QVBoxLayout(contenido);
  columna->setContentsMargins(aPixeles(90), aPixeles(60), aPixeles(90), aPixeles(60));
  columna->setSpacing(aPixeles(90));
  for (int g = 0; g < static_cast<int>(grupos().size()); ++g) columna->addWidget(construirGrupo(g));
  columna->addStretch(1);
  alinearEtiquetas();

  // CoAdministrador is part of the options but never shown.
  opciones_[kCoAdministrador] = new QCheckBox(QString::fromUtf8(kTitulosOpciones[kCoAdministrador]), contenido);
  opciones_[kCoAdministrador]->hide();

  for (int i = 0; i < kCantidad; ++i) {
    QCheckBox* c = opciones_[static_cast<std::size_t>(i)];
    c->setObjectName(QStringLiteral("OpcionesGlobales_%1").arg(i));
    connect(c, &QCheckBox::toggled, this, [this, i](bool marcada) {
      if (cargando_) return;
      config_.globales.opciones[static_cast<std::size_t>(i)] = marcada ? 1 : 0;
      emit cambiado();
    });
    connect(c, &QCheckBox::clicked, this, [this, i] { emit mensajeEstado(QStringLiteral("OpcionesGlobales %1").arg(i)); });
  }

  llenarConDesplazable(this, contenido);
  recargar();
}

QWidget* Globales::construirGrupo(int indice) {
  const Grupo& grupo = grupos()[static_cast<std::size_t>(indice)];
  auto* caja = new QGroupBox(QString::fromUtf8(grupo.titulo));
  QFont fuente(QStringLiteral("Tahoma"), 8);
  fuente.setStyleHint(QFont::SansSerif);
  caja->setFont(fuente);
  auto* g = new QGridLayout(caja);
  g->setHorizontalSpacing(aPixeles(120));
  g->setVerticalSpacing(aPixeles(45));
  g->setContentsMargins(aPixeles(120), aPixeles(60), aPixeles(120), aPixeles(90));
  for (const Fila& f : grupo.filas) {
    switch (f.tipo) {
      case Fila::Opcion: agregarOpcion(g, f.indice); break;
      case Fila::Numerada: agregarFilaNumerada(g, QString::fromUtf8(f.titulo), f.indice, f.cuantas); break;
      case Fila::Texto: agregarTexto(g, f.indice); break;
    }
  }
  g->setColumnStretch(2, 1);
  grillas_.push_back(g);
  return caja;
}

// The boxes of every group start at the same distance from the left.
void Globales::alinearEtiquetas() {
  int ancho = 0;
  for (const QGridLayout* g : grillas_) {
    for (int f = 0; f < g->rowCount(); ++f) {
      const QLayoutItem* item = g->itemAtPosition(f, 0);
      if (item != nullptr && qobject_cast<QLabel*>(item->widget()) != nullptr) {
        ancho = std::max(ancho, item->widget()->sizeHint().width());
      }
    }
  }
  for (QGridLayout* g : grillas_) g->setColumnMinimumWidth(0, ancho);
}

void Globales::agregarOpcion(QGridLayout* g, int i) {
  const char* titulo = i == kUsoClave ? kTituloUsoClave : kTitulosOpciones[i];
  auto* c = new QCheckBox(QString::fromUtf8(titulo));
  opciones_[static_cast<std::size_t>(i)] = c;
  g->addWidget(c, g->rowCount(), 0, 1, 3, Qt::AlignLeft);
}

// A caption, then a line of small check boxes with their numbers above.
void Globales::agregarFilaNumerada(QGridLayout* g, const QString& titulo, int primera, int cuantas) {
  const int fila = g->rowCount();
  g->addWidget(new QLabel(titulo), fila, 0, Qt::AlignLeft | Qt::AlignBottom);
  auto* linea = new QWidget;
  auto* cuadros = new QGridLayout(linea);
  cuadros->setContentsMargins(0, 0, 0, 0);
  cuadros->setHorizontalSpacing(aPixeles(60));
  cuadros->setVerticalSpacing(0);
  for (int k = 0; k < cuantas; ++k) {
    auto* numero = new QLabel(QString::number(k + 1));
    numero->setObjectName(QStringLiteral("LabelNumTel_%1").arg(primera + k));
    auto* c = new QCheckBox;
    c->setAccessibleName(titulo + QLatin1Char(' ') + QString::number(k + 1));
    opciones_[static_cast<std::size_t>(primera + k)] = c;
    cuadros->addWidget(numero, 0, k, Qt::AlignHCenter | Qt::AlignBottom);
    cuadros->addWidget(c, 1, k, Qt::AlignHCenter);
  }
  g->addWidget(linea, fila, 1, 1, 2, Qt::AlignLeft);
}

void Globales::agregarTexto(QGridLayout* g, int n) {
  const int fila = g->rowCount();
  auto* etiqueta = new QLabel(QString::fromUtf8(config::etiquetaTexto(n)));
  auto* caja = new QLineEdit;
  caja->setObjectName(QStringLiteral("Text%1").arg(n));
  etiqueta->setBuddy(caja);
  const int caracteres = caracteresVisibles(n);
  const bool ancha = n == kMensajeSms;
  const int ancho = caja->fontMetrics().horizontalAdvance(QString(caracteres, QLatin1Char('0'))) + 12;
  if (ancha) {
    caja->setMinimumWidth(ancho);
  } else {
    caja->setFixedWidth(ancho);
  }
  textos_[static_cast<std::size_t>(n)] = caja;
  caja->installEventFilter(this);
  connect(caja, &QLineEdit::textChanged, this, [this, n](const QString& t) { alCambiarTexto(n, t); });
  g->addWidget(etiqueta, fila, 0, Qt::AlignLeft | Qt::AlignVCenter);
  g->addWidget(caja, fila, 1, 1, ancha ? 2 : 1, ancha ? Qt::Alignment() : Qt::AlignLeft);
}

void Globales::alCambiarTexto(int n, const QString& t) {
  if (cargando_) return;
  config::cambiarTextoGlobal(config_, n, u8(t));
  if (n == kNumeroSaldo) {
    // Kept numeric on every change; the core has mirrored it into the phone list.
    const QString numerico = q(config_.globales.text[kNumeroSaldo]);
    if (numerico != t) {
      cargando_ = true;
      textos_[kNumeroSaldo]->setText(numerico);
      cargando_ = false;
    }
  }
  if (n == kMensajeSms) {
    emit mensajeEstado(q(config::caracteresRestantes(config::largoMaximoTexto(kMensajeSms), u8(t))));
  }
  emit cambiado();
}

bool Globales::eventFilter(QObject* objeto, QEvent* e) {
  if (e->type() == QEvent::FocusOut && !retomando_ && esMotivoReal(static_cast<QFocusEvent*>(e)->reason())) {
    for (int n = 1; n <= 9; ++n) {
      if (objeto != textos_[static_cast<std::size_t>(n)]) continue;
      // Checked once the focus has settled on the new widget.
      QTimer::singleShot(0, this, [this, n] { revisar(n); });
      break;
    }
  }
  return QWidget::eventFilter(objeto, e);
}

void Globales::revisar(int n) {
  QLineEdit* caja = textos_[static_cast<std::size_t>(n)];
  const config::RevisionTexto r = config::revisarTextoGlobal(n, u8(caja->text()));
  if (q(r.texto) != caja->text()) caja->setText(q(r.texto));  // the numeric rewrite
  if (!r.aviso || !caja->isVisible()) return;  // a closed window has no box to take back
  dialogos_.mensaje(q(r.aviso.texto), q(config::kTituloAviso), Icono::Exclamacion);
  retomando_ = true;
  caja->setFocus(Qt::OtherFocusReason);
  retomando_ = false;
  caja->selectAll();
}

void Globales::recargar() {
  cargando_ = true;
  for (int i = 0; i < kCantidad; ++i) {
    opciones_[static_cast<std::size_t>(i)]->setChecked(config_.globales.opcionActiva(i));
  }
  for (int n = 1; n <= 9; ++n) {
    ponerTexto(textos_[static_cast<std::size_t>(n)], n, q(config_.globales.text[static_cast<std::size_t>(n)]));
  }
  cargando_ = false;
}

}  // namespace orda::gui
