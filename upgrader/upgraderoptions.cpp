#include "upgrader/upgraderoptions.h"

#include <algorithm>

const cli::CommandSyntax& upgraderCommandSyntax() {
    static const cli::CommandSyntax syntax{
        "upgrader",
        "upgrader SIMULATOR_FOLDER\n"
        "upgrader --check SIMULATOR_FOLDER [--json]\n"
        "upgrader --screenshots DIR",
        "Opens the installer window, which moves the nine gauges of the package from\n"
        "Upgrade v1 to version 2 when START is pressed. The simulator folder is every\n"
        "argument joined by single blanks, so a folder with blanks may be given\n"
        "unquoted; an argument that begins with \"--\" is an option. On a folder that\n"
        "holds none of the gauges the window says so and offers End only.",
        {{"check", nullptr,
          "tell for each gauge what a run would do, changing nothing:\n"
          "no file is written, no log, no window (exit 0 when a run would\n"
          "succeed or has nothing to do, 1 when it would report an error\n"
          "or the folder holds none of the gauges)"},
         {"json", nullptr, "with --check: the same as JSON"},
         {"screenshots", "DIR", "render the window before START and after a run to PNG files"}},
        "SIMULATOR_FOLDER",
        "0 done, 1 failed, 2 bad arguments",
    };
    return syntax;
}

bool isOptionLine(const QStringList& arguments) {
    if (arguments.isEmpty())
        return false;
    // A folder piece cannot begin with "--": such a word is a mistyped
    // option (--version, --bogus), refused rather than taken for a folder.
    return arguments.front() == QStringLiteral("-h") ||
           std::any_of(arguments.begin(), arguments.end(), [](const QString& argument) {
               return argument.startsWith(QStringLiteral("--"));
           });
}
