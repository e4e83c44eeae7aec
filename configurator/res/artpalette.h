#pragma once
// Colours and type shared by the configurator's artwork, so that the menu
// buttons, the selector and every banner look like one product.

#include <QColor>
#include <QFont>

namespace art {

inline const QColor kNight{0x0b, 0x1f, 0x3a};  // deep blue of the sky behind every title
inline const QColor kDusk{0x2f, 0x5d, 0x8c};   // lighter blue where the strip fades
inline const QColor kAccent{0xf2, 0xa9, 0x00}; // amber rule under titles
inline const QColor kTitle{0xff, 0xff, 0xff};  // title text

// A bold sans-serif title font of `pixelSize` pixels.
QFont titleFont(int pixelSize);

} // namespace art
