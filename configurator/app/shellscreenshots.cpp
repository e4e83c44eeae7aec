#include "configurator/app/shellscreenshots.h"

#include "common/ui/screenshot.h"
#include "configurator/app/aircraftselector.h"
#include "configurator/app/mainmenu.h"
#include "configurator/res/shellart.h"

#include <QDir>
#include <QImage>

QStringList saveShellScreenshots(const QString& dir) {
    QStringList written;
    auto keep = [&written](const QString& file) {
        if (!file.isEmpty())
            written << file;
    };
    CMainMenuDlg menu;
    keep(ui::saveScreenshot(menu, dir, QStringLiteral("main-menu")));
    AircraftSelector selector;
    keep(ui::saveScreenshot(selector, dir, QStringLiteral("aircraft-selector")));
    const QString icon = QDir(dir).filePath(QStringLiteral("program-icon.png"));
    if (art::programIcon(256).save(icon, "PNG"))
        written << icon;
    return written;
}
