#include "upgrader/rootargument.h"

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
