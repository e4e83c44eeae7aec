#include "common/ui/dialogunits.h"

#include <cmath>

namespace ui {
namespace {
int toPixels(int units, double perUnit, double scale) {
    return static_cast<int>(std::lround(units * perUnit * scale));
}
} // namespace

QRect dialogRect(int x, int y, int width, int height, double scale) {
    // Both edges are converted so that adjacent controls stay adjacent.
    const int left = toPixels(x, kPixelsPerUnitX, scale);
    const int top = toPixels(y, kPixelsPerUnitY, scale);
    const int right = toPixels(x + width, kPixelsPerUnitX, scale);
    const int bottom = toPixels(y + height, kPixelsPerUnitY, scale);
    return QRect(left, top, right - left, bottom - top);
}

QSize dialogSize(int width, int height, double scale) {
    return QSize(toPixels(width, kPixelsPerUnitX, scale), toPixels(height, kPixelsPerUnitY, scale));
}

} // namespace ui
