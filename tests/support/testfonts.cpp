#include "tests/support/testfonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QStringList>

namespace testing_support {

void ensureRealFont() {
    if (!QFontInfo(QGuiApplication::font()).family().isEmpty())
        return;
    // The files of the font packages scripts/setup.sh installs.
    const QString prefix = QStringLiteral(VOLARO_TEST_PATH_PREFIX);
    QString family;
    for (const char* file : {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                             "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                             "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
                             "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(prefix + QLatin1String(file));
        if (id >= 0 && family.isEmpty())
            family = QFontDatabase::applicationFontFamilies(id).value(0);
    }
    if (family.isEmpty())
        return;
    QFont font = QGuiApplication::font();
    font.setFamilies({family});
    QGuiApplication::setFont(font);
}

} // namespace testing_support
