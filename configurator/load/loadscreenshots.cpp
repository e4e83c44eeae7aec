#include "configurator/load/loadscreenshots.h"

#include "common/ui/screenshot.h"
#include "configurator/load/loadmanager.h"
#include "configurator/load/loadmanagerdialog.h"

#include <QSlider>

QStringList saveLoadScreenshots(const QString& dir) {
    // A partly loaded aircraft of each type, so every bar shows some fill.
    struct Shot {
        int code;
        const char* name;
        int business, economy, forward, aft;
    };
    const Shot shots[] = {
        {6, "load-a330-200", 24, 190, 65, 40},
        {7, "load-a330-300", 30, 251, 80, 55},
        {8, "load-a340-300", 18, 230, 45, 70},
        {9, "load-a340-600", 36, 383, 90, 30},
    };
    QStringList written;
    for (const Shot& shot : shots) {
        const std::unique_ptr<CLoadManager> model = createLoadManager(shot.code);
        LoadManagerDialog dialog(*model);
        dialog.control<QSlider>(loadids::kBusinessTrackbar)->setValue(shot.business);
        dialog.control<QSlider>(loadids::kEconomyTrackbar)->setValue(shot.economy);
        dialog.control<QSlider>(loadids::kForwardTrackbar)->setValue(shot.forward);
        dialog.control<QSlider>(loadids::kAftTrackbar)->setValue(shot.aft);
        const QString file = ui::saveScreenshot(dialog, dir, QString::fromLatin1(shot.name));
        if (!file.isEmpty())
            written << file;
    }
    return written;
}
