#include "gui/config/ventana_especiales.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "gui/comun/desplazable.h"
#include "gui/comun/twips.h"
#include "gui/config/disposicion_fluida.h"

namespace orda::gui {

Especiales::Especiales(config::Especiales& datos, QWidget* padre) : QWidget(padre), datos_(datos) {
  setWindowTitle(QStringLiteral("Funciones Especiales"));
  setObjectName(QStringLiteral("Especiales"));
  QFont tahoma(QStringLiteral("Tahoma"), 8);
  tahoma.setStyleHint(QFont::SansSerif);
  setFont(tahoma);

  auto* contenido = new QWidget;
  // Side by side, 100 twips apart; a narrow window takes them on to a second line.
  auto* fila = new DisposicionFluida(contenido, aPixeles(100), aPixeles(60));
  fila->setContentsMargins(aPixeles(100), aPixeles(30), aPixeles(100), aPixeles(30));
  for (std::size_t g = 0; g < config::kGruposEspeciales.size(); ++g) {
    const config::GrupoEspecial& grupo = config::kGruposEspeciales[g];
    auto* caja = new QGroupBox(QString::fromUtf8(grupo.titulo));
    auto* columna = new QVBoxLayout(caja);
    columna->setContentsMargins(aPixeles(100), aPixeles(45), aPixeles(100), aPixeles(45));
    columna->setSpacing(aPixeles(30));
    grupos_[g] = new QButtonGroup(this);
    for (int i = grupo.primero; i < grupo.primero + grupo.cantidad; ++i) {
      auto* boton = new QRadioButton(QString::fromUtf8(config::kCaptionsEspeciales[static_cast<std::size_t>(i)]));
      boton->setObjectName(QStringLiteral("Option1_%1").arg(i));
      columna->addWidget(boton);
      grupos_[g]->addButton(boton, i);
      opciones_[static_cast<std::size_t>(i)] = boton;
      if (i == config::kOpcionOculta) boton->hide();
    }
    fila->addWidget(caja);
    connect(grupos_[g], &QButtonGroup::idToggled, this, [this](int id, bool marcado) {
      if (!marcado || cargando_) return;
      datos_.seleccionar(id);
      emit cambiado();
    });
  }

  llenarConDesplazable(this, contenido);
  recargar();
}

void Especiales::recargar() {
  cargando_ = true;
  // Not exclusive while loading, so that a group may show no choice at all.
  for (QButtonGroup* g : grupos_) g->setExclusive(false);
  for (std::size_t i = 0; i < opciones_.size(); ++i) opciones_[i]->setChecked(datos_.option1[i]);
  for (QButtonGroup* g : grupos_) g->setExclusive(true);
  cargando_ = false;
}

}  // namespace orda::gui

