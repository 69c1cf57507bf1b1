#include "gui/app/barra_herramientas.h"

#include <QAction>
#include <QToolBar>
#include <QWidget>

#include "gui/comun/imagenes_aplicacion.h"

namespace orda::gui {

std::vector<BotonBarra> botonesBarra() {
  using E = EstiloBoton;
  auto t = [](const char* s) { return QString::fromUtf8(s); };
  return {
      {"tbNew", E::Normal, "FILENEW", t("Nuevo"), Comando::Nuevo},
      {"tbOpen", E::Normal, "FILEOPEN", t("Abrir Ctrl-A"), Comando::Abrir},
      {"tbSave", E::Normal, "FILESAVE", t("Guardar Ctrl-G"), Comando::Guardar},
      {"tbSaveAs", E::Normal, "FILESAVEAS", t("Guardar como ...    Shift-Ctrl-G"), Comando::GuardarComo},
      {"", E::Espacio, "", {}, std::nullopt},
      {"tbVerGlobales", E::Marcable, "GOHOME", t("Ver opciones globales"), Comando::VerGlobales},
      {"tbVerEntradas", E::Marcable, "VIEW_IN", t("Ver opciones de estradas"), Comando::VerEntradas},
      {"tbVerSalidas", E::Marcable, "VIEW_OUT", t("Ver opciones de salidas"), Comando::VerSalidas},
      {"tbVerEspeciales", E::Marcable, "VIEW_SPECIAL", t("Ver opciones de funciones especiales"),
       Comando::VerEspeciales},
      {"tbVerSeguimiento", E::Marcable, "VIEW_TRENDING", t("Ver funciones de seguimiento"), Comando::VerSeguimiento},
      {"tbVerTree", E::Marcable, "LISTATE", t("Ver listado de números telefónicos"), Comando::VerTree},
      {"tbVerHistoricos", E::Marcable, "RELOJ3", t("Ver información de registros históricos"),
       Comando::VerHistoricos},
      {"tbVerInfo", E::Marcable, "INFO", t("Ver información general"), Comando::VerInfo},
      {"", E::Espacio, "", {}, std::nullopt},
      {"tbLeer", E::Normal, "READ", t("Leer programación Alt-L"), Comando::Leer},
      {"tbProgramar", E::Normal, "WRITE", t("Programar Alt-P"), Comando::Programar},
      {"", E::Separador, "", {}, std::nullopt},
      {"tbAyuda", E::Normal, "HELP", t("Ayuda"), Comando::Ayuda},
      {"", E::Separador, "", {}, std::nullopt},
  };
}

void construirBarra(QToolBar& barra, const ImagenesAplicacion& imagenes,
                    const std::function<void(Comando)>& alPulsar) {
  barra.setObjectName(QStringLiteral("BarraHerramientas"));
  barra.setMovable(false);
  barra.setFloatable(false);
  barra.setIconSize(QSize(24, 24));
  barra.setToolButtonStyle(Qt::ToolButtonIconOnly);
  int numero = 0;
  for (const BotonBarra& b : botonesBarra()) {
    ++numero;
    if (b.estilo == EstiloBoton::Separador) {
      barra.addSeparator()->setProperty("numero", numero);
      continue;
    }
    if (b.estilo == EstiloBoton::Espacio) {
      auto* espacio = new QWidget(&barra);
      espacio->setFixedSize(8, 8);
      barra.addWidget(espacio)->setProperty("numero", numero);
      continue;
    }
    QAction* a = barra.addAction(imagenes.icono(QString::fromLatin1(b.imagen)), QString());
    a->setObjectName(QString::fromLatin1(b.clave));
    a->setToolTip(b.ayuda);
    a->setProperty("numero", numero);
    a->setCheckable(b.estilo == EstiloBoton::Marcable);
    // Without a picture the button still shows, as an empty square.
    const Comando c = *b.comando;
    QObject::connect(a, &QAction::triggered, &barra, [alPulsar, c] { alPulsar(c); });
  }
  for (int n : {6, 7, 8, 9, 10, 11, 13}) {
    for (QAction* a : barra.actions()) {
      if (a->property("numero").toInt() == n) a->setChecked(true);
    }
  }
  if (QAction* nuevo = botonBarra(barra, QStringLiteral("tbNew"))) nuevo->setEnabled(false);
}

QAction* botonBarra(const QToolBar& barra, const QString& clave) {
  for (QAction* a : barra.actions()) {
    if (a->objectName() == clave) return a;
  }
  return nullptr;
}

}  // namespace orda::gui
