#include "gui/app/menus.h"

namespace orda::gui {

const std::array<DatosVista, kCantidadVistas> kVistas{{
    {Vista::Entradas, "Entradas", "Programación de Entradas", "menuVerEntradas", "Entradas", "tbVerEntradas",
     "VIEW_IN"},
    {Vista::Salidas, "Salidas", "Programación de Salidas", "menuVerSalidas", "Salidas", "tbVerSalidas", "VIEW_OUT"},
    {Vista::Especiales, "Especiales", "Funciones Especiales", "menuVerEspeciales", "Especiales", "tbVerEspeciales",
     "VIEW_SPECIAL"},
    {Vista::Tree, "Tree", "Listado de números telefónicos habilitados", "menuVerTree", "Tree", "tbVerTree",
     "LISTATE"},
    {Vista::Seguimiento, "Trending", "Seguimiento", "menuVerSeguimiento", "Seguimiento", "tbVerSeguimiento",
     "VIEW_TRENDING"},
    {Vista::Globales, "Globales", "Configuraciones globales", "menuVerGlobales", "Globales", "tbVerGlobales",
     "GOHOME"},
    {Vista::Historicos, "Historico", "Histórico", "menuVerHistoricos", "Históricos", "tbVerHistoricos", "RELOJ3"},
    {Vista::Info, "Info", "Info", "menuVerInfo", "Info", "tbVerInfo", "INFO"},
}};

const DatosVista& datosVista(Vista v) { return kVistas.at(static_cast<std::size_t>(v)); }

Comando comandoVer(Vista v) { return static_cast<Comando>(static_cast<int>(Comando::VerEntradas) + static_cast<int>(v)); }

std::optional<Vista> vistaDe(Comando c) {
  const int i = static_cast<int>(c) - static_cast<int>(Comando::VerEntradas);
  if (i < 0 || i >= static_cast<int>(kCantidadVistas)) return std::nullopt;
  return static_cast<Vista>(i);
}

namespace {

// "Abrir", blanks, "Ctrl-A": the key text is only text.
QString conTecla(const char* texto, int blancos, const char* tecla) {
  return QString::fromUtf8(texto) + QString(blancos, QLatin1Char(' ')) + QString::fromUtf8(tecla);
}

}  // namespace

std::vector<ItemMenu> itemsArchivo() {
  return {
      {"menuArchivoAbrir", conTecla("Abrir", 31, "Ctrl-A"), Comando::Abrir},
      {"menuArchivoGuardar", conTecla("Guardar", 26, "Ctrl-G"), Comando::Guardar},
      {"menuArchivoGuardarComo", QStringLiteral("Guardar como     Shift-Ctrl-G"), Comando::GuardarComo},
      {"MenuArchivoSeparator1", QStringLiteral("-"), std::nullopt},
      {"menuArchivoSalir", conTecla("Salir", 32, "Alt-F4"), Comando::Salir},
  };
}

std::vector<ItemMenu> itemsVer() {
  std::vector<ItemMenu> items;
  for (const DatosVista& v : kVistas) {
    items.push_back({v.menu, QString::fromUtf8(v.textoMenu), comandoVer(v.vista), true});
  }
  items.push_back({"MenuArchivoSeparator2", QStringLiteral("-"), std::nullopt});
  items.push_back({"menuVerOrganizarHorizontal", QStringLiteral("Mosaico horizontal"), Comando::OrganizarHorizontal});
  items.push_back({"menuVerOrganizarVertical", QStringLiteral("Mosaico vertical"), Comando::OrganizarVertical});
  items.push_back({"menuVerOrganizarCascada", QStringLiteral("Cascada"), Comando::Cascada});
  return items;
}

std::vector<TeclaRapida> teclasRapidas() {
  return {
      {1, QKeySequence(Qt::CTRL | Qt::Key_G), Comando::Guardar},
      {2, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G), Comando::GuardarComo},
      {3, QKeySequence(Qt::CTRL | Qt::Key_A), Comando::Abrir},
      {8, QKeySequence(Qt::Key_F4), Comando::VerSalidas},
      {9, QKeySequence(Qt::Key_F3), Comando::VerEntradas},
      {5, QKeySequence(Qt::Key_F5), Comando::VerGlobales},
      {10, QKeySequence(Qt::Key_F9), Comando::VerInfo},
      {11, QKeySequence(Qt::Key_F7), Comando::VerEspeciales},
      {6, QKeySequence(Qt::Key_F8), Comando::VerSeguimiento},
      {7, QKeySequence(Qt::Key_F6), Comando::VerTree},
      {12, QKeySequence(Qt::ALT | Qt::Key_P), Comando::Programar},
      {13, QKeySequence(Qt::ALT | Qt::Key_L), Comando::Leer},
      {14, QKeySequence(Qt::ALT | Qt::Key_H), Comando::MostrarHistorial},
  };
}

}  // namespace orda::gui
