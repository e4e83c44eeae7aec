#pragma once
// Renders a window to a PNG file without showing it on a screen, so the look
// can be reviewed from files on a machine without a display.

#include <QString>

class QWidget;

namespace ui {

// Writes `dir`/`name`.png; returns the file written, or an empty string on failure.
QString saveScreenshot(QWidget& window, const QString& dir, const QString& name);

} // namespace ui
