#pragma once
// The configuration windows rendered to PNG files for review.

#include <QString>
#include <QStringList>

// Returns the files written into `dir`.
QStringList savePrefsScreenshots(const QString& dir);
