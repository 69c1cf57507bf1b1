#pragma once
// The console's measures are in twips: 15 per pixel at 96 DPI, scaled by
// the screen's logical DPI.
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace orda::gui {

inline double twipsPorPixel() {
  const QScreen* s = QGuiApplication::primaryScreen();
  const double dpi = s != nullptr ? s->logicalDotsPerInch() : 96.0;
  return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

inline int aPixeles(double twips) { return static_cast<int>(std::lround(twips / twipsPorPixel())); }
inline double aTwips(int pixeles) { return pixeles * twipsPorPixel(); }

}  // namespace orda::gui
