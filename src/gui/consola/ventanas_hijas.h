#pragma once
// What each child window of the console holds.
namespace orda::gui {

class Main;

// Gives Main the makers of every child window's content.
void ponerVentanasConsola(Main& m);

}  // namespace orda::gui
