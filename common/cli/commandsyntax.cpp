#include "common/cli/commandsyntax.h"

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

void configure(QCommandLineParser& parser, const CommandSyntax& syntax,
               bool stopAtFirstPositional) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(
        stopAtFirstPositional ? QCommandLineParser::ParseAsPositionalArguments
                              : QCommandLineParser::ParseAsOptions);
    for (const Option& option : syntax.options) {
        QCommandLineOption qtOption(optionName(option.name), QString::fromLatin1(option.help));
        if (option.valueName)
            qtOption.setValueName(QString::fromLatin1(option.valueName));
        parser.addOption(qtOption);
    }
    parser.addOption(QCommandLineOption({QStringLiteral("h"), optionName(kHelp.name)},
                                        QString::fromLatin1(kHelp.help)));
}

bool needsValue(const CommandSyntax& syntax, const QString& argument) {
    return std::any_of(syntax.options.begin(), syntax.options.end(), [&](const Option& option) {
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

// Qt warns on standard error when asked about an option it was not given.
bool ParsedLine::declares(const char* name) const {
    return parser_ && declared_.contains(optionName(name));
}

bool ParsedLine::isSet(const char* name) const {
    return declares(name) && parser_->isSet(optionName(name));
}

QString ParsedLine::value(const char* name) const {
    return declares(name) ? parser_->value(optionName(name)) : QString();
}

QStringList ParsedLine::positional() const {
    return parser_ ? parser_->positionalArguments() : QStringList();
}

ParsedLine parse(const CommandSyntax& syntax, const QStringList& arguments,
                 bool stopAtFirstPositional) {
    ParsedLine line;
    line.parser_ = std::make_unique<QCommandLineParser>();
    configure(*line.parser_, syntax, stopAtFirstPositional);
    for (const Option& option : syntax.options)
        line.declared_ << optionName(option.name);
    line.declared_ << optionName(kHelp.name);

    // QCommandLineParser expects the program name first.
    QStringList words = QStringList{optionName(syntax.program)} + arguments;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (stopAtFirstPositional && !word.startsWith(QLatin1Char('-')))
            break;
        if (!needsValue(syntax, word))
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
    if (!syntax.positional && !line.parser_->positionalArguments().isEmpty())
        line.error_ = QStringLiteral("unknown argument '%1'")
                          .arg(line.parser_->positionalArguments().constFirst());
    return line;
}

namespace {
void writeUsage(const CommandSyntax& syntax, QTextStream& out) {
    const QStringList usages = QString::fromLatin1(syntax.usage).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < usages.size(); ++i)
        out << (i == 0 ? "Usage: " : "       ") << usages[i] << "\n";
}
} // namespace

namespace {

// A standard console is 80 columns wide and wraps at the 80th.
constexpr qsizetype kHelpWidth = 79;

// `line` after `lead` (already written), broken between words so that no
// line is wider than the help; the next lines start `indent` blanks in.
void writeWrapped(QTextStream& out, const QString& lead, const QString& line, qsizetype indent) {
    out << lead;
    qsizetype column = lead.size();
    bool first = true;
    for (const QString& word : line.split(QLatin1Char(' '))) {
        if (!first && column + 1 + word.size() > kHelpWidth) {
            out << "\n" << QString(indent, QLatin1Char(' '));
            column = indent;
        } else if (!first) {
            out << ' ';
            ++column;
        }
        out << word;
        column += word.size();
        first = false;
    }
    out << "\n";
}

} // namespace

QString helpText(const CommandSyntax& syntax) {
    QString text;
    QTextStream out(&text);
    writeUsage(syntax, out);
    if (syntax.description && *syntax.description)
        out << "\n" << syntax.description << "\n";

    std::vector<Option> options = syntax.options;
    options.push_back(kHelp);
    qsizetype width = 0;
    for (const Option& option : options)
        width = std::max(width, optionSynopsis(option).size());
    out << "\nOptions:\n";
    for (const Option& option : options) {
        const QStringList lines = QString::fromLatin1(option.help).split(QLatin1Char('\n'));
        const QString column(width + 4, QLatin1Char(' '));
        writeWrapped(out,
                     QStringLiteral("  ") + optionSynopsis(option).leftJustified(width) +
                         QStringLiteral("  "),
                     lines[0], width + 4);
        for (qsizetype i = 1; i < lines.size(); ++i)
            writeWrapped(out, column, lines[i], width + 4);
    }
    if (syntax.epilogue)
        out << "\n" << syntax.epilogue;
    out << "\n";
    for (const QString& line :
         (QStringLiteral("Exit status: ") + QLatin1String(syntax.exitStatus) + u'.').split(u'\n'))
        writeWrapped(out, QString(), line, 4);
    out.flush();
    return text;
}

int badArguments(const CommandSyntax& syntax, const QString& problem, QTextStream& err) {
    err << syntax.program << ": " << problem << "\n";
    writeUsage(syntax, err);
    err << "See '" << syntax.program << " --help'.\n";
    return kExitBadArguments;
}

std::optional<int> answerBadOrHelp(const CommandSyntax& syntax, const ParsedLine& line,
                                   QTextStream& out, QTextStream& err) {
    if (!line.ok())
        return badArguments(syntax, line.error(), err);
    if (line.helpRequested()) {
        out << helpText(syntax);
        return kExitOk;
    }
    return std::nullopt;
}

int failure(const CommandSyntax& syntax, const QString& problem, QTextStream& err, int status) {
    err << syntax.program << ": " << problem << "\n";
    return status;
}

} // namespace cli
