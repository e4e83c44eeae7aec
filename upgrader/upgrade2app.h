#pragma once
// The upgrader program: the simulator root from the command line, the
// installer window shown modally, the end of the program when it closes.

#include <QApplication>
#include <QStringList>

class Upgrade2App : public QApplication {
public:
    Upgrade2App(int& argc, char** argv);
    // Runs the program; returns its exit code.
    int InitInstance();
};

// The program's work for `arguments` (the program name first):
//   upgrader [SIMULATOR ROOT...]    the root may be given unquoted, in pieces
//   upgrader --screenshots DIR      renders the window into DIR and ends
//   upgrader --help                 prints the usage (the manual page is made of it)
// A QApplication must exist. Returns the exit code.
int runUpgrader(const QStringList& arguments);
