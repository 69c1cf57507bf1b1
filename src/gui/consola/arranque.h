#pragma once
// The whole console as `orda` runs it: options, translations, the main window
// and its child windows on the USB link or the simulated panel, the
// installations library. The start-up benchmark and the manual's picture
// tool run this very console, each with its own hook.
#include <functional>

namespace orda::gui {

class Main;

// Called once the console has started, before the event loop runs.
using AlArrancar = std::function<void(Main&)>;

// main() of the console: the exit code.
int correrConsola(int argc, char** argv, const AlArrancar& alArrancar = {});

}  // namespace orda::gui
