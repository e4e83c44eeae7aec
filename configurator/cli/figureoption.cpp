#include "configurator/cli/figureoption.h"

#include <QRegularExpression>
#include <climits>

namespace cli_options {

std::optional<long long> wholeNumber(const QString& text) {
    bool ok = false;
    const long long number = text.toLongLong(&ok);
    if (ok)
        return number;
    // Digits beyond any range are still a whole number, only a large one.
    static const QRegularExpression digits(QStringLiteral("^\\s*([+-]?)[0-9]+\\s*$"));
    const QRegularExpressionMatch match = digits.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1) == QLatin1String("-") ? LLONG_MIN : LLONG_MAX;
}

QString outOfRangeText(const char* option, const FigureRange& range) {
    QString text = QStringLiteral("--%1 must be from %2 to %3")
                       .arg(QLatin1String(option))
                       .arg(range.lowest)
                       .arg(range.highest);
    if (!range.why.isEmpty())
        text += QStringLiteral(" (%1)").arg(range.why);
    return text;
}

ReadFigure readFigure(const cli::ParsedLine& line, const char* option, const FigureRange& range) {
    if (!line.isSet(option))
        return {};
    const auto number = wholeNumber(line.value(option));
    if (!number)
        return {std::nullopt,
                QStringLiteral("--%1 needs a whole number").arg(QLatin1String(option))};
    if (*number < range.lowest || *number > range.highest)
        return {std::nullopt, outOfRangeText(option, range)};
    return {number, std::nullopt};
}

} // namespace cli_options
