#pragma once
// "Mosaico horizontal" puts the visible child windows side by side, each as
// high as the work area; "Mosaico vertical" puts them one above the other,
// each as wide as it. The work area's width or height is shared out to the
// pixel, so the windows cover it exactly.
#include <QRect>
#include <QSize>
#include <vector>

class QMdiArea;

namespace orda::gui {

enum class Mosaico { Horizontal, Vertical };

std::vector<QRect> mosaico(Mosaico forma, int ventanas, QSize area);

// Applies it to the visible, not minimised sub-windows, in their stacking order.
void organizar(QMdiArea& area, Mosaico forma);

}  // namespace orda::gui
