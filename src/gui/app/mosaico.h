#pragma once
// The arrangements of the "Ver" menu. "Mosaico horizontal" stacks the visible
// child windows one above the other, each as wide as the work area;
// "Mosaico vertical" puts them side by side, each as high as it. The work
// area's height or width is shared out to the pixel, so the windows cover it
// exactly. "Cascada" staggers them by one title bar each, every window large
// enough to work in.
#include <QRect>
#include <QSize>
#include <vector>

class QMdiArea;

namespace orda::gui {

enum class Mosaico { Horizontal, Vertical };

std::vector<QRect> mosaico(Mosaico forma, int ventanas, QSize area);

// Every window as large as the area less the staircase, never under three
// quarters of it; when the staircase would leave the area, it starts again
// from the top-left corner.
std::vector<QRect> cascada(int ventanas, QSize area, int paso);

// Apply them to the visible, not minimised sub-windows, in their stacking
// order (the cascade keeps the front window at the front, lowest and
// rightmost).
void organizar(QMdiArea& area, Mosaico forma);
void organizarEnCascada(QMdiArea& area);

}  // namespace orda::gui
