#include "upgrader/screenshots.h"
#include "common/platform/hostpath.h"
#include "common/ui/messagebox.h"
#include "common/ui/screenshot.h"
#include "upgrader/upgrade2dlg.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

QStringList saveUpgraderScreenshots(const QString& dir) {
    // Never a real installation: the run below changes the folder it is given.
    QTemporaryDir simulator;
    if (!simulator.isValid())
        return {};
    const QDir root(simulator.path());
    root.mkpath(QStringLiteral("VolaroUpgrade"));
    root.mkpath(QStringLiteral("Aircraft/Korvanta TEV A332GE/panel"));
    QFile gauge(
        root.filePath(QStringLiteral("Aircraft/Korvanta TEV A332GE/panel/A332GE_Korvanta.gau")));
    if (!gauge.open(QIODevice::WriteOnly) || gauge.write("not a release of this gauge") < 0)
        return {};
    gauge.close();

    ui::MessageRecorder messages; // the failure's box would wait for a click
    Upgrade2Dlg window(platform::pathText(QDir::toNativeSeparators(simulator.path())));
    QStringList files;
    files << ui::saveScreenshot(window, dir, QStringLiteral("upgrader-ready"));
    files << saveAfterRunScreenshot(window, dir, QStringLiteral("upgrader-after-run"));
    files.removeAll(QString());
    return files;
}

QString saveAfterRunScreenshot(Upgrade2Dlg& window, const QString& dir, const QString& name) {
    window.OnActionButton();
    while (window.run().entryIndex() < window.run().entryCount())
        window.OnTimer();
    const QString file = ui::saveScreenshot(window, dir, name);
    window.OnActionButton(); // End: closes the log
    return file;
}
