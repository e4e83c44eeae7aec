#include "configurator/prefs/prefsscreenshots.h"

#include "common/ui/screenshot.h"
#include "configurator/prefs/configurationdialog.h"

QStringList savePrefsScreenshots(const QString& dir) {
    QStringList written;
    ConfigurationDialog dialog;
    const QString file = ui::saveScreenshot(dialog, dir, QStringLiteral("configuration"));
    if (!file.isEmpty())
        written << file;
    return written;
}
