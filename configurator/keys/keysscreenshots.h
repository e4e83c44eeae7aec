#pragma once
// The key assignment windows rendered to PNG files for review.

#include <QString>
#include <QStringList>

// Returns the files written into `dir`.
QStringList saveKeysScreenshots(const QString& dir);
