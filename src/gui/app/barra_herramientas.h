#pragma once
// The toolbar "BarraHerramientas": its buttons, in order, with their keys,
// styles, pictures and tool tips. Each button is an action named by its key.
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "gui/app/menus.h"

class QAction;
class QToolBar;

namespace orda::gui {

class ImagenesAplicacion;

enum class EstiloBoton { Normal = 0, Marcable = 1, Separador = 3, Espacio = 4 };

struct BotonBarra {
  const char* clave;  // empty for separators and spaces
  EstiloBoton estilo;
  const char* imagen;
  QString ayuda;
  std::optional<Comando> comando;
};

std::vector<BotonBarra> botonesBarra();

// Fills `barra` with the buttons; each click runs `alPulsar` with its
// command. Buttons 6 to 11 and 13 start pressed; "tbNew" is disabled.
void construirBarra(QToolBar& barra, const ImagenesAplicacion& imagenes,
                    const std::function<void(Comando)>& alPulsar);

// The button with this key, or nullptr.
QAction* botonBarra(const QToolBar& barra, const QString& clave);

}  // namespace orda::gui
