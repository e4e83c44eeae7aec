#pragma once
// `configurator prefs`: prints the preferences as JSON.

#include <QStringList>

class QTextStream;

int runPrefsCommand(const QStringList& args, QTextStream& out, QTextStream& err);
