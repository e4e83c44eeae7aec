#pragma once
// upgrader --check SIMULATOR_FOLDER [--json]: one line per gauge telling what
// a run would do, without changing any file, writing a log or opening a window.

#include "upgrader/catalogue.h"

#include <QStringList>
#include <span>

class QTextStream;

// `arguments` without the program name, "--check" among them. Exit status:
// 0 when a run would succeed or has nothing to do, 1 when it would report an
// error, 2 for a line that cannot be used.
int runCheckCommand(const QStringList& arguments, std::span<const UpgradeEntry> catalogue,
                    QTextStream& out, QTextStream& err);
