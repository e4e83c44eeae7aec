#pragma once
// The load manager windows rendered to PNG files for review.

#include <QString>
#include <QStringList>

// Returns the files written into `dir`.
QStringList saveLoadScreenshots(const QString& dir);
