#pragma once
// The configurator's command line: the program's own options and the
// commands that run without a window.

#include "common/cli/commandsyntax.h"

#include <QStringList>
#include <optional>
#include <span>
#include <string>

class QTextStream;

// A command that needs no display: its words after the command name, and
// standard output and error. Returns the process exit status.
using CommandFunction = int (*)(const QStringList& args, QTextStream& out, QTextStream& err);

struct CommandEntry {
    const char* name;
    const char* synopsis;
    CommandFunction run;
    const cli::CommandSyntax& (*syntax)();
    bool drawsText = false; // fonts need a QGuiApplication (offscreen, no display)
};

// What the program is asked to do.
struct ProgramRequest {
    enum class Action { MainMenu, Screenshots, Command, Help, BadArguments };
    Action action = Action::MainMenu;
    std::optional<std::string> fsRoot; // --fs-root DIR, before or after the command (UTF-8)
    QString screenshotFolder;
    const CommandEntry* command = nullptr;
    QStringList commandArguments; // after the command's name
    QString error;                // for BadArguments
};

// The program's options and help, listing `commands`.
const cli::CommandSyntax& programSyntax(std::span<const CommandEntry> commands);

// Reads the arguments after the program's name.
ProgramRequest parseProgramLine(const QStringList& arguments,
                                std::span<const CommandEntry> commands);
