#pragma once
// Window geometry from dialog templates. The templates give sizes in dialog
// units of the 8-point dialog font: 1 unit is 1.5 px across and 1.625 px down
// at 96 dpi. The images' pixel sizes fit their controls at that scale.

#include <QRect>
#include <QSize>

namespace ui {

inline constexpr double kPixelsPerUnitX = 1.5;
inline constexpr double kPixelsPerUnitY = 1.625;

// `scale` is the screen's logical dpi / 96.
QRect dialogRect(int x, int y, int width, int height, double scale = 1.0);
QSize dialogSize(int width, int height, double scale = 1.0);

} // namespace ui
