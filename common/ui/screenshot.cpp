#include "common/ui/screenshot.h"

#include "common/ui/dialogtemplate.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace ui {

QString saveScreenshot(QWidget& window, const QString& dir, const QString& name) {
    // The whole window as its template draws it, whatever the screen.
    if (auto* dialog = qobject_cast<TemplateDialog*>(&window))
        dialog->keepTemplateSize();
    window.ensurePolished();
    window.show(); // lays out and applies styles; offscreen shows nothing
    QApplication::processEvents();
    const QPixmap pixmap = window.grab();
    const QString file = QDir(dir).filePath(name + QStringLiteral(".png"));
    const bool saved = pixmap.save(file, "PNG");
    window.hide();
    return saved ? file : QString();
}

} // namespace ui
