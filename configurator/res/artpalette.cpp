#include "configurator/res/artpalette.h"

namespace art {

QFont titleFont(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace art
