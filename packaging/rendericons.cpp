// Renders the two program icons into a hicolor icon tree at build time:
//   volaro_render_icons DIR ID_PREFIX   writes DIR/<N>x<N>/apps/<ID_PREFIX><program>.png
#include "common/platform/display.h"
#include "configurator/res/shellart.h"
#include "upgrader/res/upgradericon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

int main(int argc, char* argv[]) {
    platform::useOffscreenRendering();
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        err << "usage: volaro_render_icons DIR ID_PREFIX\n";
        return 2;
    }
    const QString& prefix = arguments[2];
    // The sizes of the hicolor theme's fixed-size folders.
    for (const int size : {16, 22, 24, 32, 48, 64, 96, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments[1]).arg(size);
        if (!QDir().mkpath(folder)) {
            err << "volaro_render_icons: cannot create " << folder << "\n";
            return 1;
        }
        const bool ok =
            art::programIcon(size).save(folder + u'/' + prefix +
                                        QStringLiteral("configurator.png")) &&
            upgraderIconPixmap(size).save(folder + u'/' + prefix + QStringLiteral("upgrader.png"));
        if (!ok) {
            err << "volaro_render_icons: cannot write the icons into " << folder << "\n";
            return 1;
        }
    }
    return 0;
}
