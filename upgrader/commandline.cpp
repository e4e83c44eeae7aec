#include "upgrader/commandline.h"
#include "common/platform/hostpath.h"

void Upgrade2CommandLine::ParseParam(std::string_view param, bool, bool) {
    std::string joined = firstArgument_ ? std::string(param) : buffer_ + ' ' + std::string(param);
    firstArgument_ = false;
    if (joined.size() > kCapacity - 1) {
        joined.resize(kCapacity - 1);
        tooLong_ = true;
    }
    buffer_ = std::move(joined);
}

void parseArguments(const QStringList& arguments, std::string_view switchMarkers,
                    Upgrade2CommandLine& line) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        std::string text = platform::pathText(arguments[i]);
        const bool isSwitch =
            !text.empty() && switchMarkers.find(text.front()) != std::string_view::npos;
        if (isSwitch)
            text.erase(0, 1);
        line.ParseParam(text, isSwitch, i + 1 == arguments.size());
    }
}

std::optional<std::string> rootProblem(const QStringList& arguments, std::string_view switchMarkers,
                                       std::size_t maxRoot) {
    // Only where path text is Windows-1252 can a character be lost.
    for (const QString& argument : arguments) {
        if (platform::fromPathText(platform::pathText(argument)) != argument)
            return "The simulator folder \"" + platform::pathText(arguments.join(u' ')) +
                   "\" contains characters that the upgrade cannot use in a path.";
    }
    Upgrade2CommandLine line;
    parseArguments(arguments, switchMarkers, line);
    if (line.tooLong() || line.root().size() > maxRoot)
        return "The simulator folder given on the command line is too long: at most " +
               std::to_string(maxRoot) + " characters can be used.";
    return std::nullopt;
}

const cli::CommandSyntax& upgraderCommandSyntax() {
    static const cli::CommandSyntax syntax{
        "upgrader",
        "upgrader SIMULATOR_FOLDER\n"
        "upgrader --check SIMULATOR_FOLDER [--json]\n"
        "upgrader --screenshots DIR",
        "Opens the installer window, which moves the nine gauges of the package from\n"
        "Upgrade v1 to version 2 when START is pressed. The simulator folder is every\n"
        "argument joined by single blanks, so a folder with blanks may be given\n"
        "unquoted.",
        {{"check", nullptr,
          "tell for each gauge what a run would do, changing nothing:\n"
          "no file is written, no log, no window (exit 0 when a run would\n"
          "succeed or has nothing to do, 1 when it would report an error)"},
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
    const QString& first = arguments.front();
    return first == QStringLiteral("--help") || first == QStringLiteral("-h") ||
           first == QStringLiteral("--check") || first == QStringLiteral("--json") ||
           first == QStringLiteral("--screenshots") ||
           first.startsWith(QStringLiteral("--screenshots="));
}
