#pragma once

#include <QString>
#include <QStringList>

// Renders the installer window into `dir`, before START and after a run in
// which one gauge is not the right one, on a throw-away simulator folder.
// Returns the files written.
QStringList saveUpgraderScreenshots(const QString& dir);
