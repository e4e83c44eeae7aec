#pragma once
// The configurator's command line: the global --fs-root option and the
// commands that run without a window.

#include <QStringList>
#include <optional>
#include <string>

class QTextStream;

struct CommandLine {
    std::optional<std::string> fsRoot; // --fs-root DIR, anywhere on the line
    QStringList words;                 // everything else, in order
    QString error;                     // set when the line cannot be used
};

CommandLine parseCommandLine(const QStringList& arguments);

// A command that needs no display: its words after the command name, and
// standard output and error. Returns the process exit status.
using CommandFunction = int (*)(const QStringList& args, QTextStream& out, QTextStream& err);

struct CommandEntry {
    const char* name;
    const char* synopsis;
    CommandFunction run;
};
