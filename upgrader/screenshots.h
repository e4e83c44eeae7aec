#pragma once

#include <QString>
#include <QStringList>

class Upgrade2Dlg;

// Renders the installer window into `dir`, before START and after a run in
// which one gauge is not the right one, on a throw-away simulator folder.
// Returns the files written.
QStringList saveUpgraderScreenshots(const QString& dir);

// Presses START, runs every entry as the timer would and renders `window`
// into `dir`/`name`.png; then presses End. Error boxes must be answered by a
// recorder. Returns the file written, or an empty string.
QString saveAfterRunScreenshot(Upgrade2Dlg& window, const QString& dir, const QString& name);
