#pragma once
// The main menu, the aircraft selector and the program icon rendered to PNG
// files for review.

#include <QString>
#include <QStringList>

// Returns the files written into `dir`.
QStringList saveShellScreenshots(const QString& dir);
