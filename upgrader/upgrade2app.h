#pragma once
// The upgrader program: the simulator root from the command line, the
// installer window shown modally, the end of the program when it closes.

#include <QApplication>
#include <QStringList>
#include <optional>

class Upgrade2App : public QApplication {
public:
    Upgrade2App(int& argc, char** argv);
    // Runs the program; returns its exit code.
    int InitInstance();
};

// The program's work for `arguments` (the program name first):
//   upgrader [SIMULATOR ROOT...]    the root may be given unquoted, in pieces;
//                                   any argument beginning with "--" is an option
//   upgrader --check ROOT [--json]  tells what a run would do, changing nothing
//   upgrader --screenshots DIR      renders the window into DIR and ends
//   upgrader --help                 the options
// A QApplication must exist. Returns the exit code.
int runUpgrader(const QStringList& arguments);

// The exit code when `arguments` (after the program name) ask for the help
// or cannot be used, answered on the terminal without a window or a display;
// nothing when the program goes on to its window.
std::optional<int> answerWithoutWindow(const QStringList& arguments);
