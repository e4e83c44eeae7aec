#pragma once
// A whole-number option of any command, read one way: a figure outside what
// the option takes is refused with the range, never brought into it.

#include "common/cli/commandsyntax.h"

#include <QString>
#include <optional>

namespace cli_options {

// A whole number as the options take it: nothing when `text` is not one.
// Figures beyond the long long range come out as the range's end.
std::optional<long long> wholeNumber(const QString& text);

struct FigureRange {
    long long lowest, highest;
    QString why; // after the range, may be empty: "the seats of the A330-200"
};

// "--economy must be from 0 to 263 (the seats of the A330-200)".
QString outOfRangeText(const char* option, const FigureRange& range);

// The figure `option` gives on `line` within `range`: nothing when it is not
// given, else the figure or why it cannot be used, for the user.
struct ReadFigure {
    std::optional<long long> value;
    std::optional<QString> error;
};
ReadFigure readFigure(const cli::ParsedLine& line, const char* option, const FigureRange& range);

} // namespace cli_options
