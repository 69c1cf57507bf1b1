#pragma once
// The main window's commands and how they are reached: the child windows and
// their view commands, the menus, and the hot keys.
#include <QKeySequence>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace orda::gui {

// Child windows with a view command, in the order of the "Ver" menu.
enum class Vista { Entradas, Salidas, Especiales, Tree, Seguimiento, Globales, Historicos, Info };
inline constexpr std::size_t kCantidadVistas = 8;

struct DatosVista {
  Vista vista;
  const char* ventana;    // the window's name
  const char* titulo;     // its caption
  const char* menu;       // its "Ver" menu item
  const char* textoMenu;  // that item's caption
  const char* boton;      // its toolbar button
  const char* icono;      // its icon in the image library
};

extern const std::array<DatosVista, kCantidadVistas> kVistas;
const DatosVista& datosVista(Vista v);

enum class Comando {
  Nuevo,  // the disabled "tbNew": nothing
  Abrir,
  Guardar,
  GuardarComo,
  Salir,
  VerEntradas,
  VerSalidas,
  VerEspeciales,
  VerTree,
  VerSeguimiento,
  VerGlobales,
  VerHistoricos,
  VerInfo,
  MostrarHistorial,  // Alt+H: shows the history, never hides it
  OrganizarHorizontal,
  OrganizarVertical,
  Cascada,
  Programar,
  Leer,
  Ayuda,
};

Comando comandoVer(Vista v);
std::optional<Vista> vistaDe(Comando c);

// One item of a menu; a separator has no command.
struct ItemMenu {
  const char* nombre;
  QString texto;
  std::optional<Comando> comando;
  bool marcable = false;
};

std::vector<ItemMenu> itemsArchivo();
std::vector<ItemMenu> itemsVer();

// The hot keys, in the order they are taken at start-up and given back when
// the main window closes. Id 4 does not exist.
struct TeclaRapida {
  int id;
  QKeySequence tecla;
  Comando comando;
};

std::vector<TeclaRapida> teclasRapidas();

}  // namespace orda::gui
