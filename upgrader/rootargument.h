#pragma once
// The simulator root from the command line: every argument, joined by single
// blanks, so that a root with blanks given without quotes arrives whole.

#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

class Upgrade2CommandLine {
public:
    // Called once per argument, in order, with the switch marker removed.
    // The switch and last-argument markers are not examined.
    void ParseParam(std::string_view param, bool isSwitch, bool isLast);

    // The joined arguments (path text). Cut to 259 characters when
    // longer; tooLong() tells.
    const std::string& root() const { return buffer_; }
    bool tooLong() const { return tooLong_; }

private:
    static constexpr std::size_t kCapacity = 260;
    std::string buffer_;
    bool tooLong_ = false;
    bool firstArgument_ = true;
};

// Splits off one leading switch marker (any character of `switchMarkers`)
// from each argument and feeds them to `line` in order.
void parseArguments(const QStringList& arguments, std::string_view switchMarkers,
                    Upgrade2CommandLine& line);

// Why `arguments` (without the program name) cannot give a usable root, or
// nothing when they can. `maxRoot` is the longest root every path fits.
std::optional<std::string> rootProblem(const QStringList& arguments, std::string_view switchMarkers,
                                       std::size_t maxRoot);
