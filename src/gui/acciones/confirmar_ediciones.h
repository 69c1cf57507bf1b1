#pragma once
// LeaveCell of every table window: a cell edit still open in an editor is
// written, as anything that reads the tables (a programming run, a save, the
// report) must see it. False when a value was refused: the warning is up and
// the editor stays on the cell.
namespace orda::gui {

class Main;

bool confirmarEdiciones(Main& m);

}  // namespace orda::gui
