#include "common/ui/shippedfonts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>

namespace ui {
namespace {

bool shipped = false;

} // namespace

void loadShippedFonts() {
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& file : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
        if (QFontDatabase::addApplicationFont(folder.filePath(file)) >= 0)
            shipped = true;
    }
}

void useShippedFonts() {
    loadShippedFonts();
    const QFont system = QApplication::font();
    // Only where fonts are shipped: elsewhere a font configuration matches
    // generic names such as "Sans Serif", which no font is called.
    if (!shipped || QFontDatabase::hasFamily(system.family()))
        return;
    QFont font(QString::fromLatin1(kShippedFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(system.pointSizeF());
    QApplication::setFont(font);
}

QFont documentFont(int points, bool bold) {
    loadShippedFonts();
    const QString family = QString::fromLatin1(kShippedFamily);
    QFont font = QFontDatabase::hasFamily(family) ? QFont(family) : QGuiApplication::font();
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

} // namespace ui
