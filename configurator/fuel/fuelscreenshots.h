#pragma once
// The fuel planner windows rendered to PNG files for review.

#include <QString>
#include <QStringList>

// Returns the files written into `dir`.
QStringList saveFuelScreenshots(const QString& dir);
