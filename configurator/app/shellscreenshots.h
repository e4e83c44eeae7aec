#pragma once
// The main menu and the aircraft selector rendered to PNG files for review.

#include <QString>
#include <QStringList>

// Returns the files written into `dir`.
QStringList saveShellScreenshots(const QString& dir);
