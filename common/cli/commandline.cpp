#include "common/cli/commandline.h"

#include <QCommandLineParser>
#include <QTextStream>
#include <algorithm>

namespace cli {
namespace {

const Option kHelp{"help", nullptr, "show this text"};

QString optionName(const char* name) {
    return QString::fromLatin1(name);
}

// "--aircraft TYPE", as the help lists it.
QString optionSynopsis(const Option& option) {
    QString text = QStringLiteral("--") + optionName(option.name);
    if (option.valueName)
        text += QLatin1Char(' ') + QString::fromLatin1(option.valueName);
    return text;
}

void configure(QCommandLineParser& parser, const CommandSpec& spec, bool stopAtFirstPositional) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(
        stopAtFirstPositional ? QCommandLineParser::ParseAsPositionalArguments
                              : QCommandLineParser::ParseAsOptions);
    for (const Option& option : spec.options) {
        QCommandLineOption qtOption(optionName(option.name), QString::fromLatin1(option.help));
        if (option.valueName)
            qtOption.setValueName(QString::fromLatin1(option.valueName));
        parser.addOption(qtOption);
    }
    parser.addOption(QCommandLineOption({QStringLiteral("h"), optionName(kHelp.name)},
                                        QString::fromLatin1(kHelp.help)));
}

bool needsValue(const CommandSpec& spec, const QString& argument) {
    return std::any_of(spec.options.begin(), spec.options.end(), [&](const Option& option) {
        return option.valueName && (argument == QStringLiteral("--") + optionName(option.name) ||
                                    argument == QStringLiteral("-") + optionName(option.name));
    });
}

QString spelledAsGiven(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// Qt's message without its final full stop, in the case of our own messages.
QString lowerMessage(QString text) {
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

} // namespace

ParsedLine::ParsedLine() = default;
ParsedLine::~ParsedLine() = default;
ParsedLine::ParsedLine(ParsedLine&&) noexcept = default;
ParsedLine& ParsedLine::operator=(ParsedLine&&) noexcept = default;

bool ParsedLine::helpRequested() const {
    return parser_ && parser_->isSet(optionName(kHelp.name));
}

bool ParsedLine::isSet(const char* name) const {
    return parser_ && parser_->isSet(optionName(name));
}

QString ParsedLine::value(const char* name) const {
    return parser_ ? parser_->value(optionName(name)) : QString();
}

QStringList ParsedLine::positional() const {
    return parser_ ? parser_->positionalArguments() : QStringList();
}

ParsedLine parse(const CommandSpec& spec, const QStringList& arguments,
                 bool stopAtFirstPositional) {
    ParsedLine line;
    line.parser_ = std::make_unique<QCommandLineParser>();
    configure(*line.parser_, spec, stopAtFirstPositional);

    // QCommandLineParser expects the program name first.
    QStringList words = QStringList{optionName(spec.program)} + arguments;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (stopAtFirstPositional && !word.startsWith(QLatin1Char('-')))
            break;
        if (!needsValue(spec, word))
            continue;
        if (i + 1 == arguments.size())
            words.last() += QLatin1Char('=');
        ++i; // its value, whatever it looks like
    }
    if (!line.parser_->parse(words)) {
        const QStringList unknown = line.parser_->unknownOptionNames();
        line.error_ = unknown.isEmpty()
                          ? lowerMessage(line.parser_->errorText())
                          : QStringLiteral("unknown argument '%1'").arg(spelledAsGiven(unknown[0]));
        return line;
    }
    if (!spec.positional && !line.parser_->positionalArguments().isEmpty())
        line.error_ = QStringLiteral("unknown argument '%1'")
                          .arg(line.parser_->positionalArguments().constFirst());
    return line;
}

QString helpText(const CommandSpec& spec) {
    QString text;
    QTextStream out(&text);
    const QStringList usages = QString::fromLatin1(spec.usage).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < usages.size(); ++i)
        out << (i == 0 ? "Usage: " : "       ") << usages[i] << "\n";
    if (spec.description && *spec.description)
        out << "\n" << spec.description << "\n";

    std::vector<Option> options = spec.options;
    options.push_back(kHelp);
    qsizetype width = 0;
    for (const Option& option : options)
        width = std::max(width, optionSynopsis(option).size());
    out << "\nOptions:\n";
    for (const Option& option : options) {
        const QStringList lines = QString::fromLatin1(option.help).split(QLatin1Char('\n'));
        out << "  " << optionSynopsis(option).leftJustified(width) << "  " << lines[0] << "\n";
        for (qsizetype i = 1; i < lines.size(); ++i)
            out << QString(width + 4, QLatin1Char(' ')) << lines[i] << "\n";
    }
    if (spec.epilogue)
        out << "\n" << spec.epilogue;
    out << "\nExit status: " << spec.exitStatus << ".\n";
    out.flush();
    return text;
}

int badArguments(const CommandSpec& spec, const QString& problem, QTextStream& err) {
    err << spec.program << ": " << problem << "\n";
    const QStringList usages = QString::fromLatin1(spec.usage).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < usages.size(); ++i)
        err << (i == 0 ? "Usage: " : "       ") << usages[i] << "\n";
    err << "See '" << spec.program << " --help'.\n";
    return kExitBadArguments;
}

int failure(const CommandSpec& spec, const QString& problem, QTextStream& err, int status) {
    err << spec.program << ": " << problem << "\n";
    return status;
}

} // namespace cli
